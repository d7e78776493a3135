#pragma once

#include <QString>

namespace xc {

struct AlbumModel;

// Which lyrics an album shows when it has both LRC lyrics and karaoke scripts
// (Edit1_shiyong_lrc_or_ksc).
namespace lyricsType {
inline const QString lrc = QStringLiteral("shiyong_lrc");        // "使用LRC歌词"
inline const QString karaoke = QStringLiteral("shiyong_ksc");    // "使用卡拉OK歌词"
inline const QString both = QStringLiteral("shiyong_lrcksc");    // "两种歌词都使用", the default
}  // namespace lyricsType

inline const QString lyricsTypeNote =
    QStringLiteral("说明：检测到已经添加了 LRC 歌词文件和卡拉OK歌词文件，选择后，点[确定]按钮开始制作");

// The choice is asked before a render when the album has songs and karaoke rows.
bool lyricsTypeChoiceNeeded(const AlbumModel& model);

// Whether LRC lines and the karaoke display run in a render with this choice. Without karaoke
// rows LRC lines are shown whatever the choice says; karaoke needs songs and karaoke rows.
bool lrcLinesShown(const AlbumModel& model, const QString& choice);
bool karaokeShown(const AlbumModel& model, const QString& choice);

}  // namespace xc
