#pragma once

#include "audio/karaoke_timeline.h"
#include "audio/lrc_reader.h"
#include "audio/lyric_styles.h"
#include "effects/picture_effects.h"
#include "effects/text_motion.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QPainter;

namespace xc {

struct AlbumModel;
struct AlbumPlan;

// The LRC state of a render (Edit_lrc_kaiguan).
namespace lrcState {
inline const QString off = QStringLiteral("tingzhi");               // no LRC lyrics in this render
inline const QString running = QStringLiteral("kaishi");
inline const QString noLyricsForSong = QStringLiteral("tingzhi1");  // the song has no lyrics row
inline const QString pastLastSong = QStringLiteral("tingzhi2");
}  // namespace lrcState

// A text-effect caption on the overlay surface ("Label_" + i).
struct TextCaption {
    QString text;
    QFont font;
    QColor colour;
    CaptionBox box;
};

// A picture-effect picture on the overlay surface ("Imagem_" + i); shown while its row runs.
struct PictureOverlay {
    PictureEffectFrames effect;
    QImage picture;  // the frame on show
    bool visible = false;
};

// The overlays drawn over the captured template frames, back to front: the LRC lyric line, the
// karaoke display, the text-effect captions and the picture-effect pictures; and their
// timelines, advanced once per composed frame.
class OverlayTimelines {
public:
    explicit OverlayTimelines(QSize surface = QSize(1920, 1080));

    // Render start: every text effect waits again, its caption is made, the first song's lyrics
    // and karaoke script are loaded. Returns the problems met (unreadable lyrics or scripts) for
    // the render's error log; the render goes on without those lines.
    QStringList prepare(AlbumModel& model, const AlbumPlan& plan, const QString& lyricsChoice);

    // Around template changes.
    void hide();
    void show(const AlbumModel& model);

    // One composed frame: karaoke, the LRC clock with its song switches and line, the text motion
    // on the lyric time text, and the pictures due on the next frame. `albumFrame` is the album
    // frame counter.
    QStringList advance(AlbumModel& model, qint64 albumFrame);

    // Paints the visible overlays, in their layer order, with the surface's coordinates.
    void paint(QPainter& painter) const;

    QSize surface() const { return m_surface; }
    int lyricClock() const { return m_lyricClock; }
    const QString& lyricTimeText() const { return m_lyricTimeText; }
    const QString& albumTimeText() const { return m_albumTimeText; }
    int songIndex() const { return m_songIndex; }
    const QString& lrcState() const { return m_lrcState; }
    // The lyrics row whose file was parsed last, or -1.
    qsizetype shownLyricsRow() const { return m_shownLyricsRow; }
    const LrcLabel& lrcLabel() const { return m_lrcLabel; }
    bool lrcVisible() const { return m_lrcVisible; }
    const KaraokeTimeline& karaoke() const { return m_karaoke; }
    bool karaokeVisible() const { return m_karaokeVisible; }
    const QList<TextCaption>& captions() const { return m_captions; }
    const QList<PictureOverlay>& pictures() const { return m_pictures; }

private:
    void switchSongIfDue(const AlbumModel& model, QStringList& problems);
    bool songsStartOverAt(qint64 albumFrame) const;
    void showLyricsOf(const AlbumModel& model, qsizetype row, QStringList& problems);
    void stepPictures(AlbumModel& model, qint64 nextFrame);

    QSize m_surface;
    const AlbumPlan* m_plan = nullptr;
    bool m_showLrc = false;       // LRC lines run in this render
    bool m_showKaraoke = false;   // the karaoke display runs in this render

    int m_lyricClock = 0;
    QString m_lyricTimeText = QStringLiteral("00:00");
    QString m_albumTimeText;
    int m_songIndex = 0;
    QString m_lrcState = lrcState::off;
    qsizetype m_shownLyricsRow = -1;
    LrcTimedLines m_timedLines;
    LrcLabel m_lrcLabel;
    qsizetype m_styledRow = -1;  // the lyrics row m_lrcLabel was styled with
    bool m_lrcVisible = false;

    KaraokeTimeline m_karaoke;
    bool m_karaokeVisible = true;

    QList<TextCaption> m_captions;
    QList<PictureOverlay> m_pictures;
};

}  // namespace xc
