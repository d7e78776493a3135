#include "render/overlay_timelines.h"

#include "core/album_model.h"
#include "core/colour_names.h"
#include "core/keywords.h"
#include "effects/album_length.h"
#include "effects/text_effects.h"
#include "render/lyrics_type_choice.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace xc {

namespace {

bool isBindingKey(const QString& key) { return !key.isEmpty() && key != kw::none; }

// The lyrics row of a song: the last row bound to it, row 0 when none is.
qsizetype lyricsRowOfSong(const AlbumModel& model, qsizetype musicRow)
{
    const QString key = model.music[musicRow].lyricsKey;
    qsizetype found = 0;
    if (!isBindingKey(key))
        return found;
    for (qsizetype row = 0; row < model.lyrics.count(); ++row) {
        if (model.lyrics[row].musicKey == key)
            found = row;
    }
    return found;
}

TextCaption captionFor(const TextEffectRecord& effect, int surfaceWidth)
{
    TextCaption caption;
    caption.text = effect.text;
    caption.font = textEffectFont(effect, surfaceWidth);
    caption.colour = colourFromValueText(effect.colorValue, Qt::white);
    const QFontMetrics metrics(caption.font);
    caption.box.width = metrics.horizontalAdvance(effect.text);
    caption.box.height = metrics.height();
    return caption;
}

}  // namespace

OverlayTimelines::OverlayTimelines(QSize surface) : m_surface(surface), m_karaoke(surface) {}

QStringList OverlayTimelines::prepare(AlbumModel& model, const AlbumPlan& plan, const QString& lyricsChoice)
{
    QStringList problems;
    m_plan = &plan;
    m_showLrc = lrcLinesShown(model, lyricsChoice);
    m_showKaraoke = karaokeShown(model, lyricsChoice);
    m_lyricClock = 0;
    m_lyricTimeText = QStringLiteral("00:00");
    m_albumTimeText.clear();
    m_songIndex = 0;
    m_lrcState = lrcState::off;
    m_shownLyricsRow = -1;
    m_timedLines.clear();
    m_lrcLabel = LrcLabel{};
    m_styledRow = -1;
    m_lrcVisible = false;
    m_karaokeVisible = true;

    m_captions.clear();
    for (TextEffectRecord& effect : model.textEffects) {
        effect.state = kw::stopped;
        m_captions.append(captionFor(effect, m_surface.width()));
    }
    m_pictures = QList<PictureOverlay>(model.pictureEffects.count());
    for (qsizetype i = 0; i < model.pictureEffects.count(); ++i) {
        // A picture that cannot be read is left out; the album goes on without it.
        Result<PictureEffectFrames> loaded = loadPictureEffect(model.pictureEffects[i], m_surface);
        if (loaded.ok())
            m_pictures[i].effect = std::move(loaded.value());
        else
            problems << loaded.error();
    }
    stepPictures(model, 1);

    if (!model.lyrics.isEmpty() && !plan.songs.isEmpty()) {
        m_lrcVisible = true;
        const bool chooseByBinding = model.karaoke.isEmpty() || lyricsChoice == lyricsType::lrc
                                     || lyricsChoice == lyricsType::both;
        showLyricsOf(model, chooseByBinding ? lyricsRowOfSong(model, plan.songs.first().musicRow) : 0, problems);
        m_lrcState = lrcState::running;
    }
    m_karaoke = KaraokeTimeline(m_surface);
    if (!model.karaoke.isEmpty() && !model.music.isEmpty() && lyricsChoice != lyricsType::lrc) {
        if (const Status started = m_karaoke.start(model); !started.ok())
            problems << started.error();
    }
    return problems;
}

void OverlayTimelines::showLyricsOf(const AlbumModel& model, qsizetype row, QStringList& problems)
{
    if (const Status parsed = m_timedLines.parse(model.lyrics[row].path); !parsed.ok())
        problems << parsed.error();
    m_shownLyricsRow = row;
}

void OverlayTimelines::hide()
{
    m_lrcVisible = false;
    m_karaokeVisible = false;
    for (TextCaption& caption : m_captions)
        caption.box.visible = false;
    for (PictureOverlay& picture : m_pictures)
        picture.visible = false;
}

void OverlayTimelines::show(const AlbumModel& model)
{
    m_lrcVisible = true;
    m_karaokeVisible = true;
    for (qsizetype i = 0; i < m_captions.size() && i < model.textEffects.count(); ++i)
        m_captions[i].box.visible = model.textEffects[i].state == kw::running;
    for (qsizetype i = 0; i < m_pictures.size() && i < model.pictureEffects.count(); ++i)
        m_pictures[i].visible = model.pictureEffects[i].state == kw::running;
}

QStringList OverlayTimelines::advance(AlbumModel& model, qint64 albumFrame)
{
    QStringList problems;
    if (m_showKaraoke) {
        const Status stepped = songsStartOverAt(albumFrame) ? m_karaoke.repeatSongs(model) : m_karaoke.advanceFrame(model);
        if (!stepped.ok())
            problems << stepped.error();
    }

    if (m_lrcState == lrcState::running)
        ++m_lyricClock;
    m_albumTimeText = timeText(albumFrame);
    if (model.lyrics.isEmpty())
        m_lrcVisible = false;

    if (m_lrcState == lrcState::running && m_showLrc) {
        m_lyricTimeText = timeText(m_lyricClock);
        if (const std::optional<QString> line = m_timedLines.find(m_lyricTimeText)) {
            // Measuring and placing the label is only redone when the line changes.
            if (*line != m_lrcLabel.text || m_styledRow != m_shownLyricsRow) {
                m_lrcLabel = applyLrcStyle(model.lyrics[m_shownLyricsRow], *line, m_surface, m_lrcLabel.geometry.topLeft());
                m_styledRow = m_shownLyricsRow;
            }
        }
        switchSongIfDue(model, problems);
    }

    for (qsizetype i = 0; i < model.textEffects.count() && i < m_captions.size(); ++i)
        stepTextEffect(model.textEffects[i], m_captions[i].box, m_surface, m_lyricTimeText);
    stepPictures(model, albumFrame + 1);
    return problems;
}

// The video's frame n is album frame n, at n / 25 s (frame 0 is the start picture alone).
void OverlayTimelines::stepPictures(AlbumModel& model, qint64 nextFrame)
{
    for (qsizetype i = 0; i < m_pictures.size() && i < model.pictureEffects.count(); ++i) {
        PictureOverlay& overlay = m_pictures[i];
        const bool shown = !overlay.effect.frames.isEmpty() && overlay.effect.shownAt(nextFrame);
        model.pictureEffects[i].state = shown ? kw::running : kw::stopped;
        overlay.visible = shown;
        if (shown)
            overlay.picture = overlay.effect.pictureAt(nextFrame);
    }
}

// The karaoke timeline knows the songs only once through; the plan knows when looping music
// brings the first song back.
bool OverlayTimelines::songsStartOverAt(qint64 albumFrame) const
{
    const QList<SongSpan>& songs = m_plan->songs;
    return std::any_of(songs.begin() + std::min<qsizetype>(1, songs.size()), songs.end(), [&](const SongSpan& song) {
        return song.musicRow == 0 && song.startFrame == albumFrame;
    });
}

void OverlayTimelines::switchSongIfDue(const AlbumModel& model, QStringList& problems)
{
    const QList<SongSpan>& songs = m_plan->songs;
    if (m_songIndex < songs.size()) {
        if (songs[m_songIndex].frames == m_lyricClock) {
            m_lyricClock = 0;
            m_lrcLabel.text.clear();
            ++m_songIndex;
            if (m_songIndex < songs.size()) {
                const int musicRow = songs[m_songIndex].musicRow;
                if (musicRow < model.lyrics.count())
                    showLyricsOf(model, lyricsRowOfSong(model, musicRow), problems);
                else
                    m_lrcState = lrcState::noLyricsForSong;
            }
        }
    }
    if (m_songIndex >= songs.size())
        m_lrcState = lrcState::pastLastSong;
}

void OverlayTimelines::paint(QPainter& painter) const
{
    if (m_lrcVisible)
        paintLrcLabel(painter, m_lrcLabel);
    if (m_karaokeVisible)
        paintKaraokeDisplay(painter, m_karaoke.display());
    for (const TextCaption& caption : m_captions) {
        if (!caption.box.visible || caption.text.isEmpty())
            continue;
        painter.setFont(caption.font);
        painter.setPen(caption.colour);
        painter.drawText(QRect(caption.box.left, caption.box.top, caption.box.width, caption.box.height),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, caption.text);
    }
    for (const PictureOverlay& picture : m_pictures) {
        if (!picture.visible || picture.picture.isNull())
            continue;
        painter.setOpacity(picture.effect.opacity);
        painter.drawImage(picture.effect.geometry.topLeft(), picture.picture);
        painter.setOpacity(1.0);
    }
}

}  // namespace xc
