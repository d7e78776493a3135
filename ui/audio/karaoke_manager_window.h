#pragma once

#include "audio/karaoke_timeline.h"
#include "media/audio_player.h"
#include "ui/shell/framed_dialog.h"

#include <QTimer>

class QLabel;
class QListWidget;
class QTreeWidget;

namespace xc {
struct AlbumModel;
class Workspace;
}  // namespace xc

namespace xc::ui {

class Dialogs;

// "卡拉OK设置": the album's karaoke scripts — import, delete, see how they pair with the songs —
// and a preview that plays a song with a script's two-line highlight growing in time, as the
// album will show it, in simplified or traditional characters as the script's style says.
class KaraokeManagerWindow : public FramedDialog {
    Q_OBJECT
public:
    KaraokeManagerWindow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, QWidget* parent = nullptr);
    ~KaraokeManagerWindow() override;

    QTreeWidget* scriptList() const { return m_scripts; }
    const KaraokeTimeline& timeline() const { return m_timeline; }
    QString currentTime() const;
    bool isPlaying() const { return m_ticker.isActive(); }

    void importScripts(const QStringList& files = {});
    void chooseScript(int row);
    void chooseSong(int row);
    // The preview for the song at `positionMs`: the display steps through every album frame up to it.
    void showAt(qint64 positionMs);
    // The audio player's position now, and the position of the frame the display shows.
    qint64 songPositionMs() { return m_player.positionMs(); }
    qint64 shownPositionMs() const;

public Q_SLOTS:
    void play();
    void pause();
    void stop();
    void deleteSelected();
    void deleteAll();
    void showMatching();
    void editStyle();
    void done(int result) override;

private:
    class Stage;
    void rebuildList();
    bool checkPlayable();
    void onTick();
    void clearPreview();

    AlbumModel& m_model;
    const Workspace& m_workspace;
    Dialogs& m_dialogs;
    AudioPlayer m_player;
    KaraokeTimeline m_timeline;
    int m_script = -1;
    int m_song = -1;
    qint64 m_shownFrames = 0;
    QTreeWidget* m_scripts;
    QListWidget* m_songs;
    QLabel* m_total;
    QLabel* m_current;
    Stage* m_stage;
    QTimer m_ticker;
};

}  // namespace xc::ui
