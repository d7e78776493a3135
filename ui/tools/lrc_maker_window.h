#pragma once

#include "audio/lrc_writer.h"
#include "media/audio_player.h"
#include "ui/shell/framed_dialog.h"

#include <QTimer>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QTreeWidget;

namespace xc {
struct AlbumModel;
class Workspace;
}  // namespace xc

namespace xc::ui {

class Dialogs;
struct ToolContext;

// "歌词制作": lyrics from a text or LRC file are timed against a song — each tap of Space (or
// "打点") while the song plays gives the current line the song's position and moves on — then
// nudged, previewed in time and saved as a new UTF-8 LRC file, which may join the album bound to
// the song. The selected row is the line the next tap stamps.
class LrcMakerWindow : public FramedDialog {
    Q_OBJECT
public:
    // Opens the window modally; true when the album gained the saved lyrics.
    static bool open(const ToolContext& context);

    LrcMakerWindow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, QWidget* parent = nullptr);
    ~LrcMakerWindow() override;

    // Reads a .txt or .lrc to time; without a path the open dialog asks for one. A file that cannot
    // be used is named in the message window and the lines stay as they were.
    void importLyrics(const QString& path = {});
    // The song to time against: a row of the album's music table, or any song file (the dialog
    // asks when no path is given).
    void chooseAlbumSong(int row);
    void openSongFile(const QString& path = {});

    // Gives the selected line the time `positionMs` and selects the next line.
    void stampAt(qint64 positionMs);
    // Moves the selected line's time by `deltaMs`, never below 0.
    void nudge(qint64 deltaMs);
    void clearStamp();
    void selectLine(int row);
    // What the preview shows at `positionMs`.
    void showAt(qint64 positionMs);
    // Saves through the save dialog; true when a file was written.
    bool save();

    const LyricTimingSheet& sheet() const { return m_sheet; }
    int selectedLine() const { return m_selected; }
    // The line the preview shows as sung now (−1: none yet).
    int previewLine() const { return m_previewLine; }
    bool albumChanged() const { return m_albumChanged; }
    bool isPlaying() const { return m_ticker.isActive(); }
    QString songPath() const { return m_songPath; }

public Q_SLOTS:
    // Stamps at the player's position; only while the song plays.
    void stamp();
    void play();
    void pause();
    void stop();
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Preview;
    bool handleKey(QKeyEvent* event);
    bool setSong(const QString& path, int albumRow);
    void onTick();
    void refreshRows();
    void refreshRow(int row);
    void refreshStatus();
    bool addToAlbum(const QString& lrcPath);

    AlbumModel& m_model;
    const Workspace& m_workspace;
    Dialogs& m_dialogs;
    AudioPlayer m_player;
    QTimer m_ticker;
    LyricTimingSheet m_sheet;
    QString m_lyricsPath;
    QString m_songPath;
    int m_albumSong = -1;
    int m_selected = -1;
    int m_previewLine = -1;
    bool m_albumChanged = false;

    QLabel* m_lyricsName;
    QComboBox* m_songs;
    QLabel* m_songName;
    QLabel* m_current;
    QLabel* m_total;
    QTreeWidget* m_table;
    QLabel* m_status;
    Preview* m_preview;
    QCheckBox* m_addToAlbum;
};

}  // namespace xc::ui
