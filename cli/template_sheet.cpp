#include "cli/template_sheet.h"

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
#include <QFont>
#include <QPainter>

namespace xc::cli {

namespace {

using namespace sheet;

// The sample photos shipped in the data tree (data/samples in the sources).
const QString sampleFolder = QStringLiteral("smxcwjj/samples");
const QColor sheetBackground(38, 38, 43);
const QColor textColour(236, 236, 240);
const QColor mutedColour(170, 170, 180);
const QColor errorColour(255, 120, 110);

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

struct SheetRow {
    QString title;
    QStringList details;
    QList<QImage> frames;  // cell-sized
    QString error;
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
// at the sheet's columns, full size.
Result<QList<QImage>> playPackage(const QString& package, const QImage& startPicture, const QList<Slot>& slots, SampleDealer& samples)
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
    for (int column = 0; column < columnCount; ++column) {
        player.FrameNum((player.TotalFrames() - 1) * column / (columnCount - 1));
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

SheetRow playRow(SheetRow row, const QString& package, QImage& startPicture, const QList<Slot>& slots, SampleDealer& samples)
{
    const Result<QList<QImage>> frames = playPackage(package, startPicture, slots, samples);
    if (!frames.ok()) {
        row.error = frames.error();
        return row;
    }
    startPicture = frames.value().last();
    for (const QImage& frame : frames.value())
        row.frames.append(frame.scaled(cellSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return row;
}

QImage drawSheet(const QList<SheetRow>& rows)
{
    const int width = cellOrigin(0, columnCount).x();
    const int height = cellOrigin(int(rows.size()), 0).y() + gap;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(sheetBackground);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QFont font = painter.font();
    font.setPixelSize(15);
    QFont titleFont = font;
    titleFont.setBold(true);
    titleFont.setPixelSize(17);

    painter.setFont(font);
    painter.setPen(mutedColour);
    for (int column = 0; column < columnCount; ++column) {
        const QRect header(cellOrigin(0, column).x(), 0, cellSize.width(), headerHeight);
        painter.drawText(header, Qt::AlignCenter, QStringLiteral("%1 %").arg(column * 100 / (columnCount - 1)));
    }
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const SheetRow& row = rows[i];
        const int top = cellOrigin(int(i), 0).y();
        painter.setPen(textColour);
        painter.setFont(titleFont);
        painter.drawText(QRect(gap, top, labelWidth - gap, 26), Qt::AlignLeft | Qt::AlignVCenter, row.title);
        painter.setFont(font);
        painter.setPen(mutedColour);
        painter.drawText(QRect(gap, top + 30, labelWidth - 2 * gap, cellSize.height() - 30), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         row.details.join(QLatin1Char('\n')));
        if (!row.error.isEmpty()) {
            painter.setPen(errorColour);
            painter.drawText(QRect(cellOrigin(int(i), 0), QPoint(width - gap, top + cellSize.height())),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, row.error);
            continue;
        }
        for (qsizetype column = 0; column < row.frames.size(); ++column)
            painter.drawImage(cellOrigin(int(i), int(column)), row.frames[column]);
    }
    return image;
}

}  // namespace

Result<QImage> renderTemplateSheet(const AlbumModel& model, const Workspace& workspace)
{
    using R = Result<QImage>;
    if (model.catalogue.isEmpty())
        return R::failure(QStringLiteral("no templates to show"));
    SampleDealer samples(workspace);
    if (samples.empty())
        return R::failure(QStringLiteral("no sample photos in %1").arg(workspace.path(sampleFolder)));
    const Result<QImage> designed = StartPicture::designed(workspace, kAlbumCanvas);
    if (!designed.ok())
        return R::failure(designed.error());

    QImage startPicture = designed.value();
    QList<SheetRow> rows;
    for (const TemplateRecord& record : model.catalogue) {
        const QList<Slot> slots = slotsOf(record);
        QStringList slotLines;
        for (const Slot& slot : slots)
            slotLines << slotText(slot);
        SheetRow row{QFileInfo(record.package).completeBaseName(),
                     {record.kind + QStringLiteral(" · ") + record.category,
                      QStringLiteral("类别 %1 · %2 帧").arg(record.classMark, record.frames), slotLines.join(QStringLiteral(", "))},
                     {}, {}};
        rows.append(playRow(row, record.package, startPicture, slots, samples));
    }
    SheetRow closing{QStringLiteral("wj_1"), {QStringLiteral("片尾模板")}, {}, {}};
    rows.append(playRow(closing, workspace.path(paths::closingPackage), startPicture, {}, samples));
    return R::success(drawSheet(rows));
}

}  // namespace xc::cli
