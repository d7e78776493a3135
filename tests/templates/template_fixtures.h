#pragma once

#include <QByteArray>
#include <QString>

namespace xc::test {

// The text of a parameter file with the given slot orientations (and the marker unless told).
QByteArray parameterIni(const QString& orientations, const QString& frames = QStringLiteral("100"),
                        const QString& marker = QStringLiteral("s_y_l_x"));

}  // namespace xc::test
