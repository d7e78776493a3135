#include "cli/template_sheet.h"

#include "cli/template_frames.h"

#include <QFont>
#include <QPainter>

namespace xc::cli {

namespace {

using namespace sheet;

const QColor sheetBackground(38, 38, 43);
const QColor textColour(236, 236, 240);
const QColor mutedColour(170, 170, 180);
const QColor errorColour(255, 120, 110);

QImage drawSheet(const QList<PlayedTemplate>& rows)
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
        const PlayedTemplate& row = rows[i];
        const int top = cellOrigin(int(i), 0).y();
        painter.setPen(textColour);
        painter.setFont(titleFont);
        painter.drawText(QRect(gap, top, labelWidth - gap, 26), Qt::AlignLeft | Qt::AlignVCenter, row.name);
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
            painter.drawImage(cellOrigin(int(i), int(column)),
                              row.frames[column].scaled(cellSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    return image;
}

}  // namespace

Result<QImage> renderTemplateSheet(const AlbumModel& model, const Workspace& workspace)
{
    QList<double> positions;
    for (int column = 0; column < columnCount; ++column)
        positions.append(double(column) / (columnCount - 1));
    const Result<QList<PlayedTemplate>> played = playShippedTemplates(model, workspace, positions);
    if (!played.ok())
        return Result<QImage>::failure(played.error());
    return Result<QImage>::success(drawSheet(played.value()));
}

}  // namespace xc::cli
