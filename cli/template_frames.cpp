#include "cli/template_frames.h"

#include "core/album_model.h"
#include "core/album_settings.h"
#include "core/keywords.h"
#include "core/workspace.h"
#include "media/conversion_output_plan.h"
#include "media/flash_template_player.h"
#include "photos/fitting_geometry.h"
#include "photos/photo_fitting.h"
#include "photos/photo_rendering.h"
#include "photos/thumbnail_service.h"
#include "render/start_picture.h"
#include "templates/classification.h"
#include "templates/package_codec.h"
#include "templates/template_stage.h"

#include <QDir>
#include <QFileInfo>

namespace xc::cli {

namespace {

// The sample photos shipped in the data tree (data/samples in the sources).
const QString sampleFolder = QStringLiteral("smxcwjj/samples");

struct SamplePhoto {
    QString path;
    QSize shown;  // as displayed, the EXIF orientation applied
};

// The sample photos of the data tree, by orientation, dealt out in turn.
class SampleDealer {
public:
    explicit SampleDealer(const Workspace& workspace)
    {
        const QDir folder(workspace.path(sampleFolder));
        for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.jpg"), QStringLiteral("*.JPG")}, QDir::Files, QDir::Name)) {
            const Result<PhotoInfo> info = probePhotoFile(file.absoluteFilePath());
            if (!info.ok())
                continue;
            const QSize shown = info.value().displayed;
            (shown.height() > shown.width() ? m_portrait : m_landscape).append({file.absoluteFilePath(), shown});
        }
    }

    bool empty() const { return m_landscape.isEmpty() && m_portrait.isEmpty(); }

    // A sample for a slot of the given orientation keyword; "shuheng" slots alternate.
    const SamplePhoto& next(const QString& orientation)
    {
        bool portrait = orientation == kw::slotPortrait;
        if (orientation != kw::slotPortrait && orientation != kw::slotLandscape)
            portrait = (m_eitherTurns++ % 2) == 1;
        const QList<SamplePhoto>& pool = (portrait && !m_portrait.isEmpty()) || m_landscape.isEmpty() ? m_portrait : m_landscape;
        int& turn = &pool == &m_portrait ? m_portraitTurn : m_landscapeTurn;
        return pool.at(turn++ % pool.size());
    }

private:
    QList<SamplePhoto> m_landscape, m_portrait;
    int m_landscapeTurn = 0, m_portraitTurn = 0, m_eitherTurns = 0;
};

struct Slot {
    QSize size;
    QString orientation;
};


QList<Slot> slotsOf(const TemplateRecord& record)
{
    const QStringList widths = parseSlotList(record.slotWidths);
    const QStringList heights = parseSlotList(record.slotHeights);
    const QStringList orientations = parseSlotList(record.slotOrientations);
    QList<Slot> slots;
    for (qsizetype k = 0; k < orientations.size(); ++k)
        slots.append({slotSizeOf(widths.value(k), heights.value(k)), orientations.at(k)});
    return slots;
}

// Fits a sample photo to its slot as an import does and writes it where the movie reads it.
Status placeSlotPicture(const SamplePhoto& sample, QSize slot, const QString& target)
{
    const AlbumSettings defaults;
    const FitGeometry geometry = fitGeometry(sample.shown, slot, defaults.landscapeCrop, defaults.portraitCrop);
    const Result<RenderedPhoto> photo = renderPhotoFile(sample.path, PhotoRenderRequest{geometry, std::nullopt});
    if (!photo.ok())
        return Status::failure(photo.error());
    return writeFittedPhoto(photo.value().canvas, target);
}

// Plays one movie package from a temporary materialised-template layout and returns its frames
// at the given positions, full size.
Result<QList<QImage>> playPackage(const QString& package, const QImage& startPicture, const QList<Slot>& slots, SampleDealer& samples,
                                  const QList<double>& positions)
{
    using R = Result<QList<QImage>>;
    const TemplateStage stage;
    if (!stage.isValid())
        return R::failure(QStringLiteral("cannot create a temporary folder"));
    const QString moviePath = stage.moviePath();
    if (Status decoded = decodePackage(package, stage.scratchPrefix(), moviePath); !decoded.ok())
        return R::failure(decoded.error());
    if (Status written = writeFittedPhoto(startPicture, stage.pictureFolder() + QStringLiteral("picture_0.rar")); !written.ok())
        return R::failure(written.error());
    for (qsizetype k = 0; k < slots.size(); ++k) {
        const QString target = stage.movieFolder() + QStringLiteral("picture_%1.rar").arg(k + 1);
        if (Status placed = placeSlotPicture(samples.next(slots[k].orientation), slots[k].size, target); !placed.ok())
            return R::failure(placed.error());
    }

    FlashTemplatePlayer player(kAlbumCanvas);
    if (Status loaded = player.Movie(moviePath); !loaded.ok())
        return R::failure(loaded.error());
    QList<QImage> frames;
    for (double position : positions) {
        player.FrameNum(int((player.TotalFrames() - 1) * position));
        frames.append(player.paintFrame());
    }
    return R::success(frames);
}

QString slotText(const Slot& slot)
{
    if (slot.size.isEmpty())
        return QStringLiteral("%1 全屏").arg(slot.orientation);
    return QStringLiteral("%1 %2×%3").arg(slot.orientation).arg(slot.size.width()).arg(slot.size.height());
}

PlayedTemplate play(PlayedTemplate played, QImage& startPicture, const QList<Slot>& slots, SampleDealer& samples,
                    const QList<double>& positions)
{
    const Result<QList<QImage>> frames = playPackage(played.package, startPicture, slots, samples, positions);
    if (!frames.ok()) {
        played.error = frames.error();
        return played;
    }
    startPicture = frames.value().last();
    played.frames = frames.value();
    return played;
}

}  // namespace

Result<QList<PlayedTemplate>> playShippedTemplates(const AlbumModel& model, const Workspace& workspace,
                                                   const QList<double>& positions)
{
    using R = Result<QList<PlayedTemplate>>;
    if (model.catalogue.isEmpty())
        return R::failure(QStringLiteral("no templates to show"));
    SampleDealer samples(workspace);
    if (samples.empty())
        return R::failure(QStringLiteral("no sample photos in %1").arg(workspace.path(sampleFolder)));
    const Result<QImage> designed = StartPicture::designed(workspace, kAlbumCanvas);
    if (!designed.ok())
        return R::failure(designed.error());

    QImage startPicture = designed.value();
    QList<PlayedTemplate> played;
    for (const TemplateRecord& record : model.catalogue) {
        const QList<Slot> slots = slotsOf(record);
        QStringList slotLines;
        for (const Slot& slot : slots)
            slotLines << slotText(slot);
        PlayedTemplate entry{record.package, QFileInfo(record.package).completeBaseName(),
                             {record.kind + QStringLiteral(" · ") + record.category
                                  + (record.collection.isEmpty() ? QString() : QStringLiteral(" · ") + record.collection),
                              QStringLiteral("类别 %1 · %2 帧").arg(record.classMark, record.frames), slotLines.join(QStringLiteral(", "))},
                             {}, {}};
        played.append(play(entry, startPicture, slots, samples, positions));
    }
    const QString closing = workspace.path(paths::closingPackage);
    played.append(play(PlayedTemplate{closing, QStringLiteral("wj_1"), {QStringLiteral("片尾模板")}, {}, {}}, startPicture, {}, samples,
                       positions));
    return R::success(played);
}

}  // namespace xc::cli
