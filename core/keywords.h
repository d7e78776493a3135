#pragma once

#include <QString>

// The fixed keywords that stand in album fields and settings; compared as exact text.
namespace xc::kw {

inline const QString none = QStringLiteral("wu");

// Photo orientation and fitting flags.
inline const QString landscapePhoto = QStringLiteral("heng_zhao");
inline const QString portraitPhoto = QStringLiteral("shu_zhao");
inline const QString notDone = QStringLiteral("jiancai_no");
inline const QString done = QStringLiteral("jiancai_yes");

// Slot orientations and class marks of templates.
inline const QString slotLandscape = QStringLiteral("heng");
inline const QString slotPortrait = QStringLiteral("shu");
inline const QString slotEither = QStringLiteral("shuheng");
inline const QString classAdvanced = QStringLiteral("gaojimoban");

// Switches and states.
inline const QString on = QStringLiteral("kai");
inline const QString off = QStringLiteral("guan");
inline const QString running = QStringLiteral("qidong");
inline const QString stopped = QStringLiteral("tingzhi");
inline const QString boardIcons = QStringLiteral("tubiao");
inline const QString boardList = QStringLiteral("liebiao");
inline const QString pressed = QStringLiteral("anxia");
inline const QString released = QStringLiteral("songkai");

// Output.
inline const QString kindVcd = QStringLiteral("VCD");
inline const QString kindSvcd = QStringLiteral("SVCD");
inline const QString kindDvd = QStringLiteral("DVD");
inline const QString kindAvi = QStringLiteral("AVI");
inline const QString kindMp4 = QStringLiteral("MP4");
inline const QString kindImages = QStringLiteral("XLTP");
inline const QString tvPal = QStringLiteral("PAL");
inline const QString tvNtsc = QStringLiteral("NTSC");
inline const QString qualityHigh = QStringLiteral("gaoqing_huazhi");
inline const QString qualityNormal = QStringLiteral("yiban_huazhi");
inline const QString syncPhotos = QStringLiteral("sui_zhaopian_tongbu");
inline const QString syncMusic = QStringLiteral("sui_yinyue_tongbu");

// Crop options of the other-settings window.
inline const QString landscapeCropFull = QStringLiteral("横照片剪裁成全屏效果");
inline const QString landscapeCropTemplate = QStringLiteral("横照片剪裁成模板特效默认效果");
inline const QString portraitCropZoom = QStringLiteral("竖照片剪裁成局部放大效果");
inline const QString portraitCropTemplate = QStringLiteral("竖照片使用模板特效默认效果");

// Lyric styles.
inline const QString bold = QStringLiteral("cuti");
inline const QString italic = QStringLiteral("xieti");
inline const QString underline = QStringLiteral("xiahuaxian");
inline const QString alignLeft = QStringLiteral("zuobian");
inline const QString alignCentre = QStringLiteral("juzhong");
inline const QString alignRight = QStringLiteral("youbian");
inline const QString alignTop = QStringLiteral("shangmian");
inline const QString alignMiddle = QStringLiteral("zhongjian");
inline const QString alignBottom = QStringLiteral("xiamian");
inline const QString flagTrue = QStringLiteral("T");
inline const QString flagFalse = QStringLiteral("F");
inline const QString scriptSimplified = QStringLiteral("jianti");
inline const QString scriptTraditional = QStringLiteral("fanti");

}  // namespace xc::kw
