#pragma once

#include "core/record_layout.h"

#include <QString>

#include <array>

namespace xc {

// One photo of the album, in album order (22 columns).
struct PhotoRecord {
    QString seq, path, name, ext, width, height, orientation, templateFolder, templateIndex, fitTag,
        templatePhotoCount, slotName, templatePackage, slotWidth, slotHeight, templateWidths,
        templateHeights, templateOrientations, templateJpgNames, templateFrames, thumbDone, cropDone;
    QString crop;  // the part of the photo its slot shows: "x,y,w,h,turns", empty for the whole photo
    static RecordLayout<PhotoRecord> layout();
};

// One template; the catalogue uses 11 columns, the classified and candidate lists 13.
struct TemplateRecord {
    QString kind, category, photoCount, slotWidths, slotHeights, slotOrientations, slotJpgNames,
        package, classMark, index, landscapeSlots, portraitSlots, frames;
    QString collection;  // the themed collection it belongs to ("温馨家庭"); empty for none
    static RecordLayout<TemplateRecord> catalogueLayout();
    static RecordLayout<TemplateRecord> classifiedLayout();
    static RecordLayout<TemplateRecord> layout() { return classifiedLayout(); }
};

struct MusicRecord {
    QString seq, name, ext, path, duration, frames, lyricsKey, lyricsName;
    static RecordLayout<MusicRecord> layout();
};

struct LyricsRecord {
    QString seq, name, ext, path, musicKey, musicName, colorName, colorValue, fontSize, fontName,
        bold, italic, underline, hAlign, vAlign;
    static RecordLayout<LyricsRecord> layout();
};

struct KaraokeStyleRecord {
    QString seq, name, colorName, highlightColorName, fontName, fontSize, bold, italic, underline,
        path, colorValue, highlightColorValue, script;
    static RecordLayout<KaraokeStyleRecord> layout();
};

struct TextEffectRecord {
    QString text, startTime, endTime, state, motionName, x, y, effectName, colorName, fontName,
        fontSize, bold, italic, underline, colorValue;
    static RecordLayout<TextEffectRecord> layout();
};

// Times are seconds from the album's start ("12.5"); the place is on the 1920 × 1080 album frame
// and the opacity in percent.
struct PictureEffectRecord {
    QString frameCount, startTime, endTime, state, effectName, order, path, left, top, width, height, opacity;
    static RecordLayout<PictureEffectRecord> layout();
};

}  // namespace xc
