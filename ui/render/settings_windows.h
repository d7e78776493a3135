#pragma once

#include "ui/shell/framed_dialog.h"

namespace xc {
struct AlbumModel;
struct AlbumSettings;
}  // namespace xc

namespace xc::ui {

// "其它设置": TV system, picture quality and how later imports crop landscape and portrait
// photos. Every choice is stored at once; closing the window keeps them.
class OtherSettingsWindow : public FramedDialog {
    Q_OBJECT
public:
    explicit OtherSettingsWindow(AlbumSettings& settings, QWidget* parent = nullptr);
};

// "歌词类型选择": which lyrics an album shows when it has both LRC lyrics and karaoke scripts;
// it opens on "两种歌词都使用" every time.
class LyricsTypeWindow : public FramedDialog {
    Q_OBJECT
public:
    explicit LyricsTypeWindow(QWidget* parent = nullptr);
    const QString& choice() const { return m_choice; }

private:
    QString m_choice;
};

// "相册时长": whether the photos or the music set the album's length, and the two loop options.
class AlbumLengthWindow : public FramedDialog {
    Q_OBJECT
public:
    // Without songs the options return to their defaults first.
    explicit AlbumLengthWindow(AlbumModel& model, QWidget* parent = nullptr);
};

}  // namespace xc::ui
