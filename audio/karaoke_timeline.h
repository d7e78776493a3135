#pragma once

#include "audio/karaoke_display.h"
#include "audio/karaoke_style.h"
#include "audio/ksc_reader.h"
#include "core/album_model.h"
#include "core/result.h"

#include <QList>
#include <QSize>
#include <QString>

namespace xc {

// The karaoke timeline of a render: song k of the music table shows the script of karaoke row k
// on a two-line display, lines appearing one second before they start (alternating between the
// upper slot A and the lower slot B) and their highlight growing group by group at the pace of
// their timings, one video frame at a time.
//
// Render use: start() at render start, then advanceFrame() once per rendered frame and paint
// display() with paintKaraokeDisplay. A preview that runs on a player clock instead calls
// loadScript() for its row and advanceDisplay() with the player's "mm:ss" key at each step.
class KaraokeTimeline {
public:
    explicit KaraokeTimeline(QSize panel = QSize(1920, 1080));

    // Render start: karaoke clock 0, song 1, the script of karaoke row 0 loaded when there is one.
    Status start(const AlbumModel& model);

    // One rendered frame: the clock advances while the current song has a karaoke row; at the
    // end of a song (its frames reached) the next song's script is loaded with the clock at −24;
    // then the display advances for the clock key. A script that cannot be read is reported; its
    // song shows no karaoke and the timeline goes on.
    Status advanceFrame(const AlbumModel& model);

    // The album's music starts over from the first song (looping music): in place of that frame's
    // step, song 1's script is loaded with the clock at −24, as for every song after the first.
    Status repeatSongs(const AlbumModel& model);

    // Load script: reads the script of karaoke row `row` (0-based), applies its style to the
    // display and resets the display state (no scrolling, group 0, clock key "00:00", empty
    // texts). On failure the line table is empty.
    Status loadScript(const AlbumModel& model, qsizetype row);

    // The display step for one clock key: lines appear, a line whose start second has come
    // starts its highlight, the highlight grows by one step, and the last line's hide key clears
    // the display.
    void advanceDisplay(const QString& clockKey);

    QSize panel() const { return m_panel; }
    const KaraokeDisplay& display() const { return m_display; }
    const QList<KaraokeLine>& lines() const { return m_lines; }
    const KaraokeStyle& style() const { return m_style; }
    int clock() const { return m_clock; }
    int songNumber() const { return m_songNumber; }
    const QString& clockKey() const { return m_clockKey; }
    // The group the highlight is in (equal to the group count once the line is complete).
    int currentGroup() const { return m_group; }
    bool isScrolling() const { return m_scrolling; }

private:
    struct HighlightStep {
        int cumulativeWidth = 0;
        int frames = 0;
        int pixelsPerFrame = 0;
    };

    void showLine(const KaraokeLine& line);
    void startScroll(qsizetype lineIndex, const QString& clockKey);
    void growHighlight();
    void clearLabels(bool hide);

    QSize m_panel;
    KaraokeStyle m_style;
    QList<KaraokeLine> m_lines;
    KaraokeDisplay m_display;

    int m_clock = 0;
    int m_songNumber = 1;
    QString m_clockKey = QStringLiteral("00:00");

    qsizetype m_scrollLine = 0;
    bool m_scrolling = false;
    QString m_lastScrollKey;
    QList<HighlightStep> m_steps;
    int m_group = 0;
    int m_framesInGroup = 0;
};

}  // namespace xc
