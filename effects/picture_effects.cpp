#include "effects/picture_effects.h"

#include "core/keywords.h"

#include <QFileInfo>
#include <QImageReader>

#include <cmath>

namespace xc {

namespace {

// An animation longer than this keeps its first frames only, so one decoration cannot take the
// render's memory.
constexpr int maximumPictureFrames = 250;
constexpr int frameMs = 1000 / 25;

QString secondsText(double seconds) { return QString::number(seconds, 'f', 1); }

qint64 albumFrameAt(double seconds) { return qint64(std::llround(seconds * 25.0)); }

QString unreadableMessage(const QString& path, const QString& why)
{
    return QStringLiteral("画面特效图片无法读取：%1（%2）").arg(QFileInfo(path).fileName(), why);
}

QRect scaledBox(const QRect& box, QSize surface)
{
    const double sx = double(surface.width()) / pictureEffectFrame.width();
    const double sy = double(surface.height()) / pictureEffectFrame.height();
    return QRect(int(std::lround(box.x() * sx)), int(std::lround(box.y() * sy)), std::max(1, int(std::lround(box.width() * sx))),
                 std::max(1, int(std::lround(box.height() * sy))));
}

// The picture's size fitted into the box, its aspect kept.
QSize fittedSize(QSize picture, QSize box)
{
    return picture.isEmpty() ? box : picture.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

}  // namespace

const QImage& PictureEffectFrames::pictureAt(qint64 albumFrame) const
{
    // Timed in milliseconds, so an animation keeps its own pace on the album's 25 frames a second.
    qint64 cycleMs = 0;
    for (int duration : durationsMs)
        cycleMs += duration;
    qint64 into = cycleMs > 0 ? (albumFrame - firstFrame) * frameMs % cycleMs : 0;
    for (qsizetype i = 0; i < frames.size(); ++i) {
        if (into < durationsMs[i])
            return frames[i];
        into -= durationsMs[i];
    }
    return frames.last();
}

Status addPictureEffect(RecordTable<PictureEffectRecord>& table, const PictureEffectDraft& draft)
{
    QImageReader reader(draft.path);
    if (!reader.canRead())
        return Status::failure(unreadableMessage(draft.path, reader.errorString()));
    if (draft.durationSeconds <= 0 || draft.startSeconds < 0)
        return Status::failure(QStringLiteral("画面特效的开始时间不能为负，显示时长必须大于0秒！"));
    if (draft.box.width() < 1 || draft.box.height() < 1 || !QRect(QPoint(0, 0), pictureEffectFrame).intersects(draft.box))
        return Status::failure(QStringLiteral("画面特效的位置和大小必须在画面之内！"));
    if (draft.opacity < 1 || draft.opacity > 100)
        return Status::failure(QStringLiteral("画面特效的不透明度必须在1到100之间！"));
    PictureEffectRecord record;
    record.frameCount = QString::number(std::max(1, reader.imageCount()));
    record.startTime = secondsText(draft.startSeconds);
    record.endTime = secondsText(draft.startSeconds + draft.durationSeconds);
    record.state = kw::stopped;
    record.effectName = QFileInfo(draft.path).fileName();
    record.order = QString::number(table.count() + 1);
    record.path = draft.path;
    record.left = QString::number(draft.box.x());
    record.top = QString::number(draft.box.y());
    record.width = QString::number(draft.box.width());
    record.height = QString::number(draft.box.height());
    record.opacity = QString::number(draft.opacity);
    table.append(record);
    return Status::success();
}

PictureEffectDraft pictureEffectDraftOf(const PictureEffectRecord& record)
{
    PictureEffectDraft draft;
    draft.path = record.path;
    draft.startSeconds = record.startTime.toDouble();
    draft.durationSeconds = record.endTime.toDouble() - draft.startSeconds;
    draft.box = QRect(record.left.toInt(), record.top.toInt(), record.width.toInt(), record.height.toInt());
    draft.opacity = record.opacity.toInt();
    return draft;
}

Result<PictureEffectFrames> loadPictureEffect(const PictureEffectRecord& record, QSize surface)
{
    const PictureEffectDraft draft = pictureEffectDraftOf(record);
    const QRect box = scaledBox(draft.box, surface);
    QImageReader reader(draft.path);
    reader.setAutoTransform(true);
    // A still picture is decoded straight at its painted size.
    const bool animated = reader.supportsAnimation() && reader.imageCount() != 1;
    const QSize size = fittedSize(reader.size(), box.size());
    if (!animated && reader.supportsOption(QImageIOHandler::ScaledSize) && reader.size().isValid())
        reader.setScaledSize(size);

    PictureEffectFrames effect;
    while (effect.frames.size() < maximumPictureFrames) {
        const int delayMs = reader.nextImageDelay();
        QImage frame = reader.read();
        if (frame.isNull())
            break;
        if (frame.size() != size)
            frame = frame.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        effect.frames.append(frame.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        effect.durationsMs.append(std::max(10, delayMs));
        if (!animated)
            break;
    }
    if (effect.frames.isEmpty())
        return Result<PictureEffectFrames>::failure(unreadableMessage(draft.path, reader.errorString()));
    effect.geometry = QRect(QPoint(0, 0), effect.frames.first().size());
    effect.geometry.moveCenter(box.center());
    effect.opacity = std::clamp(draft.opacity, 1, 100) / 100.0;
    effect.firstFrame = albumFrameAt(draft.startSeconds);
    effect.endFrame = albumFrameAt(draft.startSeconds + draft.durationSeconds);
    return Result<PictureEffectFrames>::success(effect);
}

Result<PictureEffectDraft> parsePictureEffectSpec(const QString& spec)
{
    const auto fail = [&spec](const QString& why) {
        return Result<PictureEffectDraft>::failure(QStringLiteral("make: --overlay '%1': %2").arg(spec, why));
    };
    const QStringList fields = spec.split(QLatin1Char('|'));
    if (fields.size() != 5)
        return fail(QStringLiteral("needs five fields FILE|start|duration|x,y,w,h|opacity"));
    PictureEffectDraft draft;
    draft.path = QFileInfo(fields[0]).absoluteFilePath();
    bool startOk = false, durationOk = false, opacityOk = false;
    draft.startSeconds = fields[1].toDouble(&startOk);
    draft.durationSeconds = fields[2].toDouble(&durationOk);
    draft.opacity = fields[4].toInt(&opacityOk);
    if (!startOk || !durationOk)
        return fail(QStringLiteral("start and duration are seconds, for example 3 or 2.5"));
    const QStringList box = fields[3].split(QLatin1Char(','));
    QList<int> numbers;
    for (const QString& number : box) {
        bool ok = false;
        numbers << number.trimmed().toInt(&ok);
        if (!ok)
            break;
    }
    if (numbers.size() != 4 || box.size() != 4)
        return fail(QStringLiteral("the place is x,y,w,h in pixels of the 1920x1080 frame"));
    draft.box = QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
    if (!opacityOk)
        return fail(QStringLiteral("the opacity is a percentage, 1 … 100"));
    return Result<PictureEffectDraft>::success(draft);
}

}  // namespace xc
