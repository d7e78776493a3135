#pragma once

#include <QString>

namespace xc {

// Where a render stands; every render starts from these values.
struct RenderState {
    qint64 albumFrame = 0;       // frames composed so far (Edit_Num)
    int templateFrame = -1;      // frame of the current template movie (Edit_leijiazhen_num)
    int templateIndex = -1;      // entry of the render template list (Edit_moban_zhizuo_num)
    bool closingLoaded = false;  // the closing template is playing (Edit_zuihoumoban_kaiguan)
    int frameLimit = -1;         // frames the plan gives the current template; -1: its whole movie
    QString probeText;           // the last host probe (Edit_Falsh_wuxiao_jiance02)
};

}  // namespace xc
