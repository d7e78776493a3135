#pragma once

#include "core/result.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace xc {

// One syllable group of a karaoke line: a single character, or the text of a "[…]" group.
struct KaraokeGroup {
    QString text;
    int frames = 0;           // from the timing entry of the same number; 0 when there is none
    int width = 0;            // pixels of the text in the measuring font
    int cumulativeWidth = 0;  // this and all earlier groups of the line
    int pixelsPerFrame = 0;
};

inline const QString karaokeSlotA = QStringLiteral("A");  // upper line, left-aligned
inline const QString karaokeSlotB = QStringLiteral("B");  // lower line, right-aligned

// One karaoke.add statement of a script.
struct KaraokeLine {
    QString start;   // "mm:ss.xxx"
    QString end;
    QString text;    // "[" and "]" mark multi-character groups
    QString timing;  // milliseconds per group, separated by ","
    QString appearKey;  // time key of (start seconds − 1)
    QString hideKey;    // time key of (end seconds + 1)
    QString scrollKey;  // the first 5 characters of start
    QString slot;       // karaokeSlotA for lines 0, 2, 4, …; karaokeSlotB for the others
    QList<int> timingFrames;    // frames of each timing entry
    QList<KaraokeGroup> groups;  // texts and frames; widths once measured
    QString processedText;      // the group texts joined, in the style's script, once measured
};

// Frames of a duration at 25 frames per second: ms ÷ 1000 ÷ 0.04 in extended precision, rounded
// to the nearest integer with halves to even (180 ms gives 5, 100 ms gives 2, 20 ms gives 0).
int karaokeFramesOfMs(int ms);

// The groups of a line's text: every character outside brackets is a group, a bracketed part is
// one group without its brackets. A stray "]" is dropped, a "[" inside brackets starts a new group
// and a "[" that is never closed groups the rest of the text.
QStringList karaokeGroupTexts(const QString& text);

// The karaoke lines of a script's decoded lines. Only lines that start with "karaoke.add" count;
// their first four '…'-quoted fields are start, end, text and timing (further arguments are
// ignored). A statement with fewer than four fields or a start or end not of the form mm:ss is
// skipped. Widths and processed text are left for measuring.
QList<KaraokeLine> parseKaraokeScript(const QStringList& lines);

// Reads and parses a script file; fails only when it cannot be read.
Result<QList<KaraokeLine>> readKaraokeScript(const QString& path);

}  // namespace xc
