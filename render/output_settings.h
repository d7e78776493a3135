#pragma once

#include "core/result.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace xc {

struct AlbumModel;

// One of the video launchers "VCD", "SVCD", "DVD", "AVI".
struct VideoLauncher {
    QString kind;
    QString filterDescription;  // "DVD 格式相册"
    QString filterPattern;      // "*.mpg"
    QString extension;          // ".mpg"

    // The save dialog's filter: description, "|", pattern.
    QString saveFilter() const { return filterDescription + QLatin1Char('|') + filterPattern; }
};

const QList<VideoLauncher>& videoLaunchers();
std::optional<VideoLauncher> videoLauncher(const QString& kind);

// The output-size window's entries for an output kind (width and height paired by position),
// and the entry selected when it opens (VCD: 1280 × 720; the others: 1920 × 1080).
struct OutputSizeList {
    QList<QSize> sizes;
    int defaultIndex = 0;
    QSize defaultSize() const { return sizes.value(defaultIndex); }
};
OutputSizeList outputSizeList(const QString& kind);
QString outputSizeEntry(QSize size);  // "1280 × 720", "720 × 576（DVD光盘 PAL）"

// The sizes a kind can write: the encoders' smallest pictures that still come out right, up to
// the frame format; widths and heights are used even (an odd one is rounded down).
struct OutputSizeLimits {
    QSize minimum;
    QSize maximum;
};
OutputSizeLimits outputSizeLimits(const QString& kind, const QString& quality);
// The size asked for, made even, or one sentence that gives the kind's limits.
Result<QSize> checkedOutputSize(const QString& kind, const QString& quality, QSize asked);

// Every launcher's first check: "没有添加相片文件！" when the album has no photos.
Status checkPhotosPresent(const AlbumModel& model);

// The output file for the name given in the save dialog: the launcher's extension is appended
// unless the name already ends with it (in any letter case).
QString videoOutputPath(const VideoLauncher& launcher, const QString& chosenName);
// The render window's name display: the output file's name without its last four characters.
QString videoOutputDisplayName(const QString& outputPath);

// Image sequences ("XLTP").
const QStringList& imageSequenceFormats();  // "JPG", "BMP", "TGA", "PCX"; "JPG" preselected
QString imageSequenceSaveFilter(const QString& format);  // "生成 JPG 序列图片|*.JPG"
// Creates the new output folder (with missing parents) and returns the output path handed to
// the render: folder + "/01." + format. A folder that exists already is refused with
// "输入的文件名存在, 请更换保存的文件名！" and nothing is created.
Result<QString> prepareImageSequenceFolder(const QString& folder, const QString& format);

// An output a render did not finish is removed: the file, or for "XLTP" the pictures and the
// folder the launcher created for them.
void removeUnfinishedOutput(const QString& kind, const QString& outputPath);

}  // namespace xc
