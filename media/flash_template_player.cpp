#include "media/flash_template_player.h"

#include "media/movie_picture.h"
#include "media/movie_source.h"
#include "media/movie_frame_painter.h"
#include "media/serial_painting.h"

#include <rlottie.h>

#include <QFileInfo>
#include <QPainter>

#include <algorithm>

namespace xc {

struct FlashTemplatePlayer::Impl {
    explicit Impl(QSize size) : hostSize(size), framePainter(size) {}

    QSize hostSize;
    MovieFramePainter framePainter;
    std::unique_ptr<rlottie::Animation> animation;
    QString path;
    QHash<QString, QString> variables;
    QList<FittedPicture> pictures;
    int frame = 0;
    // Counts loads, so that a notification queued for an earlier load is dropped.
    quint64 loadCount = 0;

    qreal resolution() const
    {
        size_t width = 0, height = 0;
        animation->size(width, height);
        if (width == 0 || height == 0)
            return 1;
        return std::min(qreal(hostSize.width()) / qreal(width), qreal(hostSize.height()) / qreal(height));
    }
};

FlashTemplatePlayer::FlashTemplatePlayer(QSize hostSize, QObject* parent) : QObject(parent), m_impl(std::make_unique<Impl>(hostSize)) {}

FlashTemplatePlayer::~FlashTemplatePlayer() = default;

QSize FlashTemplatePlayer::hostSize() const { return m_impl->hostSize; }

Status FlashTemplatePlayer::Movie(const QString& path)
{
    Impl& d = *m_impl;
    ++d.loadCount;
    d.animation.reset();
    d.path.clear();
    d.variables.clear();
    d.pictures.clear();
    d.frame = 0;
    d.framePainter = MovieFramePainter(d.hostSize);  // nothing remembered from the last movie

    Result<MovieSource> source = readMovieSource(path);
    if (!source.ok())
        return Status::failure(source.error());
    const QString marker = source.value().variables.value(movie::templateMarkerName);
    if (marker != movie::templateMarkerValue) {
        return Status::failure(marker.isEmpty() ? QStringLiteral("the movie %1 has no template marker %2").arg(path, movie::templateMarkerName)
                                                : QStringLiteral("the movie %1 has a wrong template marker %2=%3").arg(path, movie::templateMarkerName, marker));
    }

    // cachePolicy=false: the engine must never hand back a model (with its pictures) from an
    // earlier load of the same movie.
    const std::string folder = QFileInfo(path).absolutePath().toStdString() + "/";
    std::unique_ptr<rlottie::Animation> animation =
        rlottie::Animation::loadFromData(source.value().engineJson.toStdString(), path.toStdString(), folder, false);
    if (!animation || animation->totalFrame() == 0)
        return Status::failure(QStringLiteral("the movie %1 could not be parsed as a Lottie animation").arg(path));
    d.animation = std::move(animation);

    const qreal resolution = d.resolution();
    QList<FittedPicture> pictures;
    for (const MovieImageAsset& asset : source.value().imageAssets) {
        const QImage picture = asset.picturePath.isEmpty() ? readPicture(asset.embeddedData) : readPicture(asset.picturePath);
        if (picture.isNull() && asset.isStartPicture) {
            d.animation.reset();
            return Status::failure(QStringLiteral("the start picture %1 of the movie %2 cannot be read").arg(asset.picturePath, path));
        }
        pictures.append(fitPicture(picture, asset.box, resolution));
    }

    d.pictures = std::move(pictures);
    d.variables = source.value().variables;
    d.path = path;
    const quint64 load = d.loadCount;
    QMetaObject::invokeMethod(
        this,
        [this, load] {
            if (m_impl->loadCount == load && m_impl->animation)
                Q_EMIT FSCommand(movie::startPictureCommand, QString());
        },
        Qt::QueuedConnection);
    return Status::success();
}

bool FlashTemplatePlayer::hasMovie() const { return m_impl->animation != nullptr; }

QString FlashTemplatePlayer::moviePath() const { return m_impl->path; }

void FlashTemplatePlayer::SetVariable(const QString& name, const QString& value) { m_impl->variables.insert(name, value); }

QString FlashTemplatePlayer::GetVariable(const QString& name) const { return m_impl->variables.value(name); }

void FlashTemplatePlayer::FrameNum(int frame) { m_impl->frame = std::clamp(frame, 0, std::max(0, TotalFrames() - 1)); }

int FlashTemplatePlayer::CurrentFrame() const { return m_impl->frame; }

int FlashTemplatePlayer::TotalFrames() const { return m_impl->animation ? int(m_impl->animation->totalFrame()) : 0; }

void FlashTemplatePlayer::Stop() {}

double FlashTemplatePlayer::frameRate() const { return m_impl->animation ? m_impl->animation->frameRate() : 0.0; }

void FlashTemplatePlayer::paintFrame(QImage& target)
{
    if (target.size() != m_impl->hostSize || target.format() != QImage::Format_ARGB32_Premultiplied)
        target = QImage(m_impl->hostSize, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::black);
    QPainter painter(&target);
    paintFrame(painter);
}

QImage FlashTemplatePlayer::paintFrame()
{
    QImage frame;
    paintFrame(frame);
    return frame;
}

void FlashTemplatePlayer::paintFrame(QPainter& painter)
{
    Impl& d = *m_impl;
    if (!d.animation)
        return;
    paintSerially([&] {
        const LOTLayerNode* tree = d.animation->renderTree(size_t(d.frame), size_t(d.hostSize.width()), size_t(d.hostSize.height()));
        if (tree)
            d.framePainter.paint(painter, *tree, d.pictures);
    });
}

}  // namespace xc
