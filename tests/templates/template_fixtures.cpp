#include "tests/templates/template_fixtures.h"

namespace xc::test {

QByteArray parameterIni(const QString& orientations, const QString& frames, const QString& marker)
{
    return QStringLiteral("[l_x_w_j_s_y]\nl_x_w_j_s_y=%1\n[1]\nmblx=单张\nmbfl=简约\nxpsl=1\nxpkd=|1920|\nxpgd=|1080|\n"
                          "szhz=%2\nxpjpgmc=|picture_1|\nmbdx=%3\n")
        .arg(marker, orientations, frames)
        .toUtf8();
}

}  // namespace xc::test
