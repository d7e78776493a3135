#include "render/output_settings.h"

#include "core/album_model.h"
#include "core/file_ops.h"
#include "core/keywords.h"
#include "media/conversion_output_plan.h"
#include "render/encoder_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace xc {

const QList<VideoLauncher>& videoLaunchers()
{
    static const QList<VideoLauncher> launchers{
        {kw::kindVcd, QStringLiteral("VCD 格式相册"), QStringLiteral("*.mpg"), QStringLiteral(".mpg")},
        {kw::kindSvcd, QStringLiteral("SVCD 格式相册"), QStringLiteral("*.mpg"), QStringLiteral(".mpg")},
        {kw::kindDvd, QStringLiteral("DVD 格式相册"), QStringLiteral("*.mpg"), QStringLiteral(".mpg")},
        {kw::kindAvi, QStringLiteral("AVI 格式相册"), QStringLiteral("*.avi"), QStringLiteral(".avi")},
        {kw::kindMp4, QStringLiteral("MP4 格式相册"), QStringLiteral("*.mp4"), QStringLiteral(".mp4")},
    };
    return launchers;
}

std::optional<VideoLauncher> videoLauncher(const QString& kind)
{
    for (const VideoLauncher& launcher : videoLaunchers()) {
        if (launcher.kind == kind)
            return launcher;
    }
    return std::nullopt;
}

OutputSizeList outputSizeList(const QString& kind)
{
    static const QList<QSize> all{{320, 176}, {464, 256}, {640, 368}, {800, 480},
                                  {1280, 720}, {1440, 816}, {1600, 896}, {1920, 1080}};
    if (kind == kw::kindVcd)
        return {all.mid(0, 5), 4};
    if (kind == kw::kindDvd)
        return {all + QList<QSize>{dvdVideoPal, dvdVideoNtsc}, int(all.size()) - 1};
    return {all, int(all.size()) - 1};
}

QString outputSizeEntry(QSize size)
{
    const QString entry = QString::number(size.width()) + QStringLiteral(" × ") + QString::number(size.height());
    if (size == dvdVideoPal)
        return entry + QStringLiteral("（DVD光盘 PAL）");
    if (size == dvdVideoNtsc)
        return entry + QStringLiteral("（DVD光盘 NTSC）");
    return entry;
}

OutputSizeLimits outputSizeLimits(const QString& kind, const QString& quality)
{
    // At a disc's constant rate a VCD picture smaller than this leaves the encoder more bits than
    // it can spend on a frame.
    const QSize minimum = kind == kw::kindVcd ? QSize(320, 176) : QSize(32, 32);
    return {minimum, frameFormatFor(kind, quality).value_or(kAlbumCanvas)};
}

Result<QSize> checkedOutputSize(const QString& kind, const QString& quality, QSize asked)
{
    const OutputSizeLimits limits = outputSizeLimits(kind, quality);
    const QSize even(asked.width() & ~1, asked.height() & ~1);
    if (even.width() < limits.minimum.width() || even.height() < limits.minimum.height() || even.width() > limits.maximum.width()
        || even.height() > limits.maximum.height()) {
        return Result<QSize>::failure(QStringLiteral("%1 pictures are from %2x%3 to %4x%5 (odd sizes are rounded down to even)")
                                          .arg(kind == kw::kindImages ? QStringLiteral("XLTP") : kind)
                                          .arg(limits.minimum.width())
                                          .arg(limits.minimum.height())
                                          .arg(limits.maximum.width())
                                          .arg(limits.maximum.height()));
    }
    return Result<QSize>::success(even);
}

Status checkPhotosPresent(const AlbumModel& model)
{
    if (model.photos.isEmpty())
        return Status::failure(QStringLiteral("没有添加相片文件！"));
    return Status::success();
}

QString videoOutputPath(const VideoLauncher& launcher, const QString& chosenName)
{
    if (chosenName.endsWith(launcher.extension, Qt::CaseInsensitive))
        return chosenName;
    return chosenName + launcher.extension;
}

QString videoOutputDisplayName(const QString& outputPath) { return QFileInfo(outputPath).fileName().chopped(4); }

const QStringList& imageSequenceFormats()
{
    static const QStringList formats{QStringLiteral("JPG"), QStringLiteral("BMP"), QStringLiteral("TGA"),
                                     QStringLiteral("PCX")};
    return formats;
}

QString imageSequenceSaveFilter(const QString& format)
{
    return QStringLiteral("生成 ") + format + QStringLiteral(" 序列图片") + QStringLiteral("|*.") + format;
}

Result<QString> prepareImageSequenceFolder(const QString& folder, const QString& format)
{
    if (QFileInfo::exists(folder))
        return Result<QString>::failure(QStringLiteral("输入的文件名存在, 请更换保存的文件名！"));
    if (!ensureFolder(folder))
        return Result<QString>::failure(folderNotCreatedMessage(folder));
    return Result<QString>::success(QDir::cleanPath(folder) + QStringLiteral("/01.") + format);
}

void removeUnfinishedOutput(const QString& kind, const QString& outputPath)
{
    if (kind == kw::kindImages)
        QDir(QFileInfo(outputPath).absolutePath()).removeRecursively();
    else
        QFile::remove(outputPath);
}

}  // namespace xc
