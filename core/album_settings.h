#pragma once

#include "core/keywords.h"

#include <QString>

namespace xc {

// The album-wide settings and working state; every field starts at its default each run.
struct AlbumSettings {
    QString outputKind = kw::kindDvd;                // Edit_VCDSVCDDVD_leixing
    QString tvSystem = kw::tvPal;                    // Edit_VCDSVCDDVD_zhishi
    QString quality = kw::qualityHigh;               // Edit_huanmian_zhiliang
    QString syncMode = kw::syncPhotos;               // Edit_tongbu_shezhi
    QString landscapeCrop = kw::landscapeCropFull;
    QString portraitCrop = kw::portraitCropZoom;
    QString thumbCellWidth = QStringLiteral("180");  // Edit_xiangpian_Width
    QString thumbCellHeight = QStringLiteral("180"); // Edit_xiangpian_Height
    QString ext1 = QStringLiteral(".rar");
    QString ext2 = QStringLiteral(".rar");
    QString ext3 = QStringLiteral(".rar");
    QString ext4 = QStringLiteral(".rar");
    QString ext5 = QStringLiteral(".jpg");
    QString ext6 = QStringLiteral(".png");
    QString ext7 = QStringLiteral(".bmp");

    QString templateCounter = QStringLiteral("0");   // Edit_mobanleijia_sum
    QString materialiseSwitch = kw::on;              // Edit_daoru_moban_kaishishiyong_kaiguan
    QString decodeRunCounter = QStringLiteral("0");  // Edit_wj_1_jy_leijia
    QString templateFolderPrefix;                    // Edit_str_mulu1
    QString boardView = kw::boardIcons;              // Edit_tubiao_liebiao
    QString selectedId = kw::none;                   // Edit_xiangpian_down_id
    QString layout = QStringLiteral("kaishibuju");   // Edit_jiemian
    QString photoCellCount = QStringLiteral("0");    // Edit_xianshikuang_pailie
    QString karaokeInitDone = QStringLiteral("0");   // Edit_jiance_chushihua
    QString previewShown = QStringLiteral("False");  // Edit_Image_chakanxiangpian_T_or_F

    // The intro video played before the first template; empty for none. Its length is measured
    // when it is chosen. The album's music starts after it (its own sound plays) unless
    // musicFromStart, when the music runs from the first frame and the intro is silent.
    QString introVideo;
    qint64 introFrames = 0;
    bool musicFromStart = false;

    // The album-length loop options of the music-length rule.
    bool loopMusic = false;     // 以音乐循环播放补充帧频
    bool loopPictures = false;  // 以画面循环播放补充帧频
};

}  // namespace xc
