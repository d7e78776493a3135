#pragma once

#include "audio/lrc_reader.h"
#include "audio/lyric_styles.h"
#include "media/audio_player.h"
#include "ui/shell/framed_dialog.h"

#include <QTimer>

class QLabel;
class QLineEdit;
class QListWidget;

namespace xc {
struct AlbumModel;
}

namespace xc::ui {

class Dialogs;

// "音乐预览" and "歌词预览": a song heard through the audio player with its time, and the LRC line
// of the current second shown in the chosen lyrics' style. Without an audio device the song's
// time follows the clock, so the lines still come in time.
class SongPreviewWindow : public FramedDialog {
    Q_OBJECT
public:
    enum class Kind { Music, Lyrics };

    // The commands "音乐预览" and "歌词预览", opening on the board's selected row (−1: none).
    static void open(QWidget* parent, Kind kind, const AlbumModel& model, Dialogs& dialogs, qsizetype selectedRow);

    SongPreviewWindow(Kind kind, const AlbumModel& model, Dialogs& dialogs, QWidget* parent = nullptr);
    ~SongPreviewWindow() override;

    void chooseSong(int row);
    void chooseLyrics(int row);
    // What the window shows for the song at `positionMs`.
    void showAt(qint64 positionMs);
    const LrcLabel& line() const { return m_line; }
    // The audio player's position now, and the position the window last showed.
    qint64 songPositionMs() { return m_player.positionMs(); }
    qint64 shownPositionMs() const { return m_shownMs; }
    QString currentTime() const;
    bool isPlaying() const { return m_ticker.isActive(); }

public Q_SLOTS:
    void play();
    void stop();
    void done(int result) override;

private:
    class Panel;
    void onTick();

    Kind m_kind;
    const AlbumModel& m_model;
    Dialogs& m_dialogs;
    AudioPlayer m_player;
    LrcTimedLines m_lines;
    int m_song = -1;
    qint64 m_shownMs = 0;
    int m_lyrics = 0;  // whose style the lines take, as the album's first lyrics until one is chosen
    QListWidget* m_songs;
    QListWidget* m_lyricsList;
    QLineEdit* m_songName;
    QLabel* m_total;
    QLabel* m_current;
    Panel* m_panel;
    LrcLabel m_line;
    QTimer m_ticker;
};

}  // namespace xc::ui
