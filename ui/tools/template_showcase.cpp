#include "ui/tools/template_showcase.h"

#include "core/album_model.h"
#include "core/workspace.h"
#include "photos/fitting_geometry.h"
#include "photos/photo_fitting.h"
#include "photos/photo_rendering.h"
#include "photos/template_change.h"
#include "render/start_picture.h"
#include "templates/classification.h"
#include "templates/package_codec.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace xc::ui {

namespace {

QSize scaledBy(QSize size, double factor)
{
    return QSize(qMax(1, qRound(size.width() * factor)), qMax(1, qRound(size.height() * factor)));
}

}  // namespace

TemplateShowcase::TemplateShowcase(const AlbumModel& model, const Workspace& workspace) : m_model(model), m_workspace(workspace)
{
    const QDir folder(workspace.path(QStringLiteral("smxcwjj/samples")));
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.jpg"), QStringLiteral("*.JPG")}, QDir::Files, QDir::Name)) {
        const Result<PhotoInfo> info = probePhotoFile(file.absoluteFilePath());
        if (!info.ok())
            continue;
        const QSize shown = info.value().displayed;
        (shown.height() > shown.width() ? m_portrait : m_landscape).append({file.absoluteFilePath(), shown});
    }
}

TemplateShowcase::~TemplateShowcase() = default;

const TemplateShowcase::Sample* TemplateShowcase::sampleFor(const QString& slotOrientation)
{
    const int turn = m_turn++;
    bool portrait = slotOrientation == kw::slotPortrait;
    if (slotOrientation != kw::slotPortrait && slotOrientation != kw::slotLandscape)
        portrait = turn % 2 == 1;
    const QList<Sample>& pool = (portrait && !m_portrait.isEmpty()) || m_landscape.isEmpty() ? m_portrait : m_landscape;
    return pool.isEmpty() ? nullptr : &pool[turn % pool.size()];
}

Result<QString> TemplateShowcase::stage(const TemplateRecord& t, const QList<qsizetype>& photos, QSize hostSize)
{
    using R = Result<QString>;
    m_stage = std::make_unique<TemplateStage>();
    if (!m_stage->isValid())
        return R::failure(QStringLiteral("无法创建临时文件夹，模板不能预览！"));
    const QString movie = m_stage->moviePath();
    if (Status decoded = decodePackage(t.package, m_stage->scratchPrefix(), movie); !decoded.ok())
        return R::failure(decoded.error());

    const double factor = double(hostSize.width()) / screenWidth;
    const Result<QImage> designed = StartPicture::designed(m_workspace, hostSize);
    QImage start = designed.ok() ? designed.value() : QImage(hostSize, QImage::Format_RGB32);
    if (!designed.ok())
        start.fill(Qt::black);
    if (Status written = writeFittedPhoto(start, m_stage->pictureFolder() + QStringLiteral("picture_0") + m_model.settings.ext2);
        !written.ok())
        return R::failure(written.error());

    const QStringList orientations = parseSlotList(t.slotOrientations);
    const QStringList widths = parseSlotList(t.slotWidths), heights = parseSlotList(t.slotHeights);
    QList<qsizetype> waiting = photos;
    m_turn = 0;
    for (int k = 0; k < t.photoCount.toInt() && k < orientations.size(); ++k) {
        QString path;
        QSize shown;
        const auto own = std::find_if(waiting.begin(), waiting.end(),
                                      [&](qsizetype row) { return slotAccepts(orientations[k], m_model.photos[row].orientation); });
        if (own != waiting.end()) {
            const PhotoRecord& photo = m_model.photos[*own];
            path = photo.path;
            shown = QSize(photo.width.toInt(), photo.height.toInt());
            waiting.erase(own);
        } else if (const Sample* sample = sampleFor(orientations[k])) {
            path = sample->path;
            shown = sample->shown;
        } else {
            continue;  // no picture: the slot stays empty, as a missing picture does in the album
        }
        const FitGeometry full = fitGeometry(shown, slotSizeOf(widths.value(k), heights.value(k)), m_model.settings.landscapeCrop,
                                             m_model.settings.portraitCrop);
        const FitGeometry small{scaledBy(full.scaled, factor), scaledBy(full.canvas, factor)};
        const Result<RenderedPhoto> fitted = renderPhotoFile(path, PhotoRenderRequest{small, std::nullopt});
        if (!fitted.ok())
            return R::failure(fitted.error());
        const QString target = m_stage->movieFolder() + QStringLiteral("picture_%1").arg(k + 1) + m_model.settings.ext2;
        if (Status written = writeFittedPhoto(fitted.value().canvas, target); !written.ok())
            return R::failure(written.error());
    }
    return R::success(movie);
}

}  // namespace xc::ui
