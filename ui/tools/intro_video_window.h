#pragma once

#include "ui/shell/framed_dialog.h"

#include <QImage>

class QLabel;
class QRadioButton;

namespace xc {
struct AlbumSettings;
}

namespace xc::ui {

class Dialogs;

// "片头视频": the video that opens the album — any file FFmpeg reads — with its picture a second in,
// its length, and whether its own sound plays before the album's music or the music runs from
// the first frame. On "确定" the choice becomes the album's.
class IntroVideoWindow : public FramedDialog {
    Q_OBJECT
public:
    IntroVideoWindow(AlbumSettings& settings, Dialogs& dialogs, QWidget* parent = nullptr);

    // Takes the video at `path`; a file that cannot be read is named and nothing changes.
    bool chooseVideo(const QString& path);
    QString video() const { return m_video; }
    const QImage& shownPicture() const { return m_shownPicture; }

public Q_SLOTS:
    void pickVideo();
    void removeVideo();
    void accept() override;

private:
    void showChoice();

    AlbumSettings& m_settings;
    Dialogs& m_dialogs;
    QString m_video;
    qint64 m_frames = 0;
    QImage m_shownPicture;  // a second in
    QLabel* m_picture;
    QLabel* m_details;
    QRadioButton* m_ownSound;
    QRadioButton* m_musicFromStart;
};

}  // namespace xc::ui
