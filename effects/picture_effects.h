#pragma once

#include "core/record_table.h"
#include "core/records.h"
#include "core/result.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

namespace xc {

// The album frame the places of picture effects refer to.
inline constexpr QSize pictureEffectFrame(1920, 1080);

// A picture placed over the album for a while, as the editor and the command line give it.
struct PictureEffectDraft {
    QString path;
    double startSeconds = 0;
    double durationSeconds = 5;
    QRect box{1440, 60, 420, 236};  // on the album frame
    int opacity = 100;              // percent, 1 … 100
};

// The pictures of one effect ready to paint on a surface: every frame of an animated picture (a
// still picture has one), fitted into the box with its aspect kept, each with its own duration.
struct PictureEffectFrames {
    QList<QImage> frames;
    QList<int> durationsMs;  // how long each picture frame shows (at least 10 ms)
    QRect geometry;       // of the pictures on the surface
    qreal opacity = 1.0;
    qint64 firstFrame = 0;  // the 0-based album frames it is shown on: [firstFrame, endFrame)
    qint64 endFrame = 0;

    bool shownAt(qint64 albumFrame) const { return albumFrame >= firstFrame && albumFrame < endFrame; }
    // The picture for a 0-based album frame while it is shown; animations loop.
    const QImage& pictureAt(qint64 albumFrame) const;
};

// Checks a draft (a readable picture, a box on the frame, a positive duration, an opacity of
// 1 … 100) and appends it as the last row, numbered in order. Nothing changes on failure.
Status addPictureEffect(RecordTable<PictureEffectRecord>& table, const PictureEffectDraft& draft);
PictureEffectDraft pictureEffectDraftOf(const PictureEffectRecord& record);

// Reads a row's picture for a surface of the given size (the box scales with it).
Result<PictureEffectFrames> loadPictureEffect(const PictureEffectRecord& record, QSize surface);

// "FILE|start|duration|x,y,w,h|opacity", times in seconds, the box on the 1920 × 1080 frame.
Result<PictureEffectDraft> parsePictureEffectSpec(const QString& spec);

}  // namespace xc
