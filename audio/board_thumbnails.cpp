#include "audio/board_thumbnails.h"

#include "core/file_ops.h"
#include "core/font_mapping.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace xc {

namespace {

constexpr QSize tileSize(130, 115);
const QRect nameLabel(5, 98, 124, 12);
constexpr int namePixels = 12;
constexpr int measuringPixels = 11;
const QString nameFace = QStringLiteral("宋体");

QString prefixOf(AudioBoard board)
{
    return board == AudioBoard::Music ? QStringLiteral("tp_slt_2_") : QStringLiteral("tp_slt_3_");
}

QFont nameFont(int pixels)
{
    QFont font;
    font.setFamilies({installedFontFamily(nameFace)});
    font.setPixelSize(pixels);
    return font;
}

// Two beamed eighth notes with their heads at `left` and `right`.
void drawNotes(QPainter& painter, QPointF left, QPointF right, qreal stem, const QColor& colour)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (const QPointF head : {left, right}) {
        painter.save();
        painter.translate(head);
        painter.rotate(-20);
        painter.drawEllipse(QRectF(-6.5, -4.5, 13, 9));
        painter.restore();
    }
    painter.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::FlatCap));
    const QPointF leftTop(left.x() + 5.5, left.y() - stem);
    const QPointF rightTop(right.x() + 5.5, right.y() - stem);
    painter.drawLine(QPointF(left.x() + 5.5, left.y() - 1), leftTop);
    painter.drawLine(QPointF(right.x() + 5.5, right.y() - 1), rightTop);
    painter.setPen(QPen(colour, 5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(leftTop + QPointF(-1, 2), rightTop + QPointF(1, 2));
    painter.restore();
}

// The whole tile in a gradient from its top-left to its bottom-right corner.
void fillDiagonal(QPainter& painter, const QColor& from, qreal middleAt, const QColor& middle, const QColor& to)
{
    QLinearGradient gradient(0, 0, tileSize.width(), tileSize.height());
    gradient.setColorAt(0.0, from);
    gradient.setColorAt(middleAt, middle);
    gradient.setColorAt(1.0, to);
    painter.fillRect(QRect(QPoint(0, 0), tileSize), gradient);
}

void drawMusicBackground(QPainter& painter)
{
    fillDiagonal(painter, QColor(0x3A, 0x1C, 0x71), 0.55, QColor(0xA4, 0x3F, 0x82), QColor(0xF2, 0x8C, 0x6B));

    // A record with its grooves, a label and a soft shine.
    const QPointF centre(46, 47);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawEllipse(centre + QPointF(2, 3), 36, 36);
    QRadialGradient vinyl(centre, 36);
    vinyl.setColorAt(0.0, QColor(0x2B, 0x2B, 0x3C));
    vinyl.setColorAt(1.0, QColor(0x12, 0x12, 0x1C));
    painter.setBrush(vinyl);
    painter.drawEllipse(centre, 36, 36);
    painter.setBrush(Qt::NoBrush);
    for (int radius = 16; radius <= 33; radius += 3) {
        painter.setPen(QPen(QColor(255, 255, 255, radius % 2 ? 22 : 38), 0.8));
        painter.drawEllipse(centre, radius, radius);
    }
    QConicalGradient shine(centre, 45);
    shine.setColorAt(0.0, QColor(255, 255, 255, 0));
    shine.setColorAt(0.08, QColor(255, 255, 255, 60));
    shine.setColorAt(0.16, QColor(255, 255, 255, 0));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    shine.setColorAt(0.58, QColor(255, 255, 255, 45));
    shine.setColorAt(0.66, QColor(255, 255, 255, 0));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawEllipse(centre, 35, 35);
    QRadialGradient label(centre, 12);
    label.setColorAt(0.0, QColor(0xFF, 0xD8, 0x6B));
    label.setColorAt(1.0, QColor(0xF0, 0x9A, 0x2E));
    painter.setBrush(label);
    painter.drawEllipse(centre, 12, 12);
    painter.setBrush(QColor(0x12, 0x12, 0x1C));
    painter.drawEllipse(centre, 2.2, 2.2);

    drawNotes(painter, QPointF(93, 70), QPointF(114, 63), 32, QColor(255, 255, 255, 235));
}

void drawLyricsBackground(QPainter& painter)
{
    fillDiagonal(painter, QColor(0x0F, 0x4C, 0x75), 0.6, QColor(0x11, 0x8A, 0x8E), QColor(0x56, 0xC5, 0x96));

    // A sheet of lyrics, slightly turned, with its shadow and lines of text.
    painter.save();
    painter.translate(52, 48);
    painter.rotate(-6);
    const QRectF sheet(-30, -38, 60, 76);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(sheet.translated(3, 3), 4, 4);
    painter.setBrush(QColor(0xFD, 0xFB, 0xF5));
    painter.drawRoundedRect(sheet, 4, 4);
    painter.setBrush(QColor(0xF0, 0x9A, 0x2E));
    painter.drawRoundedRect(QRectF(-22, -30, 30, 6), 2, 2);
    painter.setBrush(QColor(0x9A, 0xA8, 0xB8));
    const qreal lineLengths[] = {44, 38, 42, 30, 40, 26};
    for (int i = 0; i < 6; ++i)
        painter.drawRoundedRect(QRectF(-22, -17 + i * 9, lineLengths[i], 3), 1.5, 1.5);
    painter.restore();

    drawNotes(painter, QPointF(95, 74), QPointF(116, 67), 30, QColor(255, 255, 255, 235));
}

}  // namespace

QString boardThumbnailFolder(const Workspace& workspace, AudioBoard board)
{
    return workspace.path(board == AudioBoard::Music ? paths::musicThumbnails : paths::lyricsThumbnails);
}

QString boardThumbnailPath(const Workspace& workspace, const AlbumSettings& settings, AudioBoard board, qsizetype number)
{
    return boardThumbnailFolder(workspace, board) + prefixOf(board) + QString::number(number) + settings.ext7;
}

QString boardSwapParkingPath(const Workspace& workspace, const AlbumSettings& settings, AudioBoard board)
{
    return boardThumbnailFolder(workspace, board) + prefixOf(board) + QStringLiteral("000") + settings.ext7;
}

QImage drawBoardTile(AudioBoard board, const QString& name)
{
    QImage tile(tileSize, QImage::Format_RGB32);
    QPainter painter(&tile);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    if (board == AudioBoard::Music)
        drawMusicBackground(painter);
    else
        drawLyricsBackground(painter);

    // A dark band keeps the white name readable on any part of the picture.
    QLinearGradient band(0, 90, 0, tileSize.height());
    band.setColorAt(0.0, QColor(0, 0, 0, 0));
    band.setColorAt(0.35, QColor(0, 0, 0, 110));
    band.setColorAt(1.0, QColor(0, 0, 0, 140));
    painter.fillRect(QRect(0, 90, tileSize.width(), tileSize.height() - 90), band);

    const bool tooWide = QFontMetrics(nameFont(measuringPixels)).horizontalAdvance(name) >= tileSize.width();
    painter.setFont(nameFont(namePixels));
    painter.setPen(Qt::white);
    painter.setClipRect(QRect(nameLabel.left(), 0, nameLabel.width(), tileSize.height()));
    // The label is as tall as the characters; the line box around them is centred on it.
    const QRect lineBox(nameLabel.left(), nameLabel.top() - 4, tooWide ? 4096 : nameLabel.width(), nameLabel.height() + 8);
    painter.drawText(lineBox, (tooWide ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter | Qt::TextSingleLine, name);
    return tile;
}

Status saveBoardTile(const Workspace& workspace, const AlbumSettings& settings, AudioBoard board, qsizetype number,
                     const QString& name)
{
    const QString folder = boardThumbnailFolder(workspace, board);
    if (Status made = makeFolder(folder); !made.ok())
        return made;
    const QString path = boardThumbnailPath(workspace, settings, board, number);
    // The content is a bitmap whatever the configured extension says.
    if (!drawBoardTile(board, name).save(path, "BMP"))
        return Status::failure(QStringLiteral("无法保存缩略图：%1").arg(path));
    return Status::success();
}

Status redrawBoardTiles(const Workspace& workspace, const AlbumSettings& settings, AudioBoard board,
                        const QStringList& names, Progress& progress)
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        const Status saved = saveBoardTile(workspace, settings, board, i + 1, names.at(i));
        if (!saved.ok())
            return saved;
        progress.advance();
    }
    return Status::success();
}

}  // namespace xc
