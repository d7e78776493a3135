#include "audio/karaoke_timeline.h"

#include "audio/karaoke_script.h"
#include "audio/song_time_key.h"

#include <QFontMetrics>

namespace xc {

namespace {

constexpr int songStartClock = -24;   // every song after the first starts its clock here
constexpr int labelPadding = 10;
constexpr int lineBRightMargin = 20;
const QString lineEndBlanks = QStringLiteral("     ");

}  // namespace

KaraokeTimeline::KaraokeTimeline(QSize panel) : m_panel(panel) {}

Status KaraokeTimeline::start(const AlbumModel& model)
{
    m_clock = 0;
    m_songNumber = 1;
    if (!model.karaoke.isEmpty())
        return loadScript(model, 0);
    // Nothing of an earlier render may show.
    m_lines.clear();
    m_display = KaraokeDisplay();
    return Status::success();
}

Status KaraokeTimeline::loadScript(const AlbumModel& model, qsizetype row)
{
    m_style = karaokeStyleFor(model.karaoke[row], m_panel);
    Result<QList<KaraokeLine>> script = loadKaraokeScript(model.karaoke[row].path, m_style);
    m_lines = script.ok() ? script.value() : QList<KaraokeLine>{};

    m_display.font = m_style.displayFont;
    m_display.lyricColour = m_style.lyricColour;
    m_display.highlightColour = m_style.highlightColour;
    m_display.lineA.geometry.moveTopLeft(m_style.lineA);
    m_display.highlightA.geometry.moveTopLeft(m_style.lineA);
    m_display.lineB.geometry.moveTop(m_style.lineBTop);
    m_display.highlightB.geometry.moveTop(m_style.lineBTop);

    m_scrolling = false;
    m_scrollLine = 0;
    m_group = 0;
    m_framesInGroup = 0;
    m_steps.clear();
    // A new script must start its first highlight even when it begins on the same key as the
    // last highlight of the previous script.
    m_lastScrollKey.clear();
    m_clockKey = QStringLiteral("00:00");
    clearLabels(false);
    return script.ok() ? Status::success() : Status::failure(script.error());
}

Status KaraokeTimeline::advanceFrame(const AlbumModel& model)
{
    const qsizetype rows = model.karaoke.count();
    if (m_songNumber <= rows) {
        ++m_clock;
        m_clockKey = songTimeKeyOfFrames(m_clock);
    }

    Status status = Status::success();
    const qsizetype song = m_songNumber - 1;
    if (song < model.music.count() && model.music[song].frames.toInt() == m_clock) {
        ++m_songNumber;
        if (m_songNumber <= rows) {
            m_clock = songStartClock;
            status = loadScript(model, m_songNumber - 1);
        }
    }

    if (m_songNumber <= rows)
        advanceDisplay(m_clockKey);
    return status;
}

Status KaraokeTimeline::repeatSongs(const AlbumModel& model)
{
    m_songNumber = 1;
    m_clock = songStartClock;
    if (model.karaoke.isEmpty())
        return Status::success();
    const Status status = loadScript(model, 0);
    advanceDisplay(m_clockKey);
    return status;
}

void KaraokeTimeline::advanceDisplay(const QString& clockKey)
{
    if (m_lines.isEmpty())
        return;
    for (const KaraokeLine& line : m_lines) {
        if (line.appearKey == clockKey) {
            showLine(line);
            break;
        }
    }
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).scrollKey == clockKey) {
            startScroll(i, clockKey);
            break;
        }
    }
    growHighlight();
    if (clockKey == m_lines.last().hideKey)
        clearLabels(true);
}

void KaraokeTimeline::showLine(const KaraokeLine& line)
{
    const bool slotA = line.slot == karaokeSlotA;
    KaraokeLabel& base = slotA ? m_display.lineA : m_display.lineB;
    KaraokeLabel& highlight = slotA ? m_display.highlightA : m_display.highlightB;

    const QString text = line.processedText + lineEndBlanks;
    const QFontMetrics metrics(m_style.measuringFont);
    base.text = text;
    base.geometry.setWidth(metrics.horizontalAdvance(text) + labelPadding);
    base.geometry.setHeight(metrics.height() + labelPadding);
    if (!slotA)
        base.geometry.moveLeft(m_panel.width() - base.geometry.width() - lineBRightMargin);
    base.visible = true;
    m_display.bringToFront(base);

    highlight.text = text;
    highlight.geometry = QRect(base.geometry.topLeft(), QSize(0, base.geometry.height()));
    highlight.visible = false;
    m_display.bringToFront(highlight);
}

void KaraokeTimeline::startScroll(qsizetype lineIndex, const QString& clockKey)
{
    const KaraokeLine& line = m_lines.at(lineIndex);
    KaraokeLabel& highlight = line.slot == karaokeSlotA ? m_display.highlightA : m_display.highlightB;
    highlight.visible = true;
    m_display.bringToFront(highlight);
    m_scrollLine = lineIndex;
    if (clockKey == m_lastScrollKey)
        return;
    m_lastScrollKey = clockKey;

    // One step per timing entry. Entries beyond the text's groups add no width; groups beyond
    // the entries are never reached.
    m_steps.clear();
    int lastCumulative = 0;
    for (qsizetype g = 0; g < line.timingFrames.size(); ++g) {
        HighlightStep step;
        step.frames = line.timingFrames.at(g);
        if (g < line.groups.size()) {
            step.cumulativeWidth = line.groups.at(g).cumulativeWidth;
            step.pixelsPerFrame = line.groups.at(g).pixelsPerFrame;
            lastCumulative = step.cumulativeWidth;
        } else {
            step.cumulativeWidth = lastCumulative;
        }
        m_steps << step;
    }
    m_group = 0;
    m_framesInGroup = 0;
    m_scrolling = true;
}

void KaraokeTimeline::growHighlight()
{
    const int count = int(m_steps.size());
    if (!m_scrolling || m_group >= count)
        return;
    const bool slotA = m_lines.value(m_scrollLine).slot == karaokeSlotA;
    KaraokeLabel& highlight = slotA ? m_display.highlightA : m_display.highlightB;
    KaraokeLabel& otherHighlight = slotA ? m_display.highlightB : m_display.highlightA;
    const KaraokeLabel& otherBase = slotA ? m_display.lineB : m_display.lineA;

    const HighlightStep& step = m_steps.at(m_group);
    const bool lastGroup = m_group == count - 1;
    ++m_framesInGroup;
    // The other line completes at once when this one starts.
    if (otherHighlight.geometry.width() > 0)
        otherHighlight.geometry.setWidth(otherBase.geometry.width());
    if (highlight.geometry.width() < step.cumulativeWidth) {
        // The last group runs twice as fast and is not snapped to its width.
        const int growth = lastGroup ? 2 * step.pixelsPerFrame : step.pixelsPerFrame;
        highlight.geometry.setWidth(highlight.geometry.width() + growth);
    }
    if (m_framesInGroup >= step.frames) {
        if (!lastGroup)
            highlight.geometry.setWidth(step.cumulativeWidth);
        ++m_group;
        m_framesInGroup = 0;
    }
}

void KaraokeTimeline::clearLabels(bool hide)
{
    for (KaraokeLabel* label : {&m_display.lineA, &m_display.highlightA, &m_display.lineB, &m_display.highlightB}) {
        label->text.clear();
        if (hide)
            label->visible = false;
    }
}

}  // namespace xc
