#include "ui/shell/frame_artwork.h"

#include "ui/shell/theme.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace xc::ui {

namespace {

QLinearGradient titleGradient(int height, FrameLook look)
{
    QLinearGradient gradient(0, 0, 0, height);
    const QColor top = look == FrameLook::Highlighted ? theme::chromeLight.lighter(115) : theme::chromeLight;
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, theme::chromeDark);
    return gradient;
}

void paintTitleBackground(QPainter& p, const QRect& rect, FrameLook look)
{
    p.fillRect(rect, titleGradient(rect.height(), look));
    // A fine light line along the top edge and a dark one at the bottom give the bar depth.
    p.setPen(QColor(255, 255, 255, 28));
    p.drawLine(rect.topLeft(), rect.topRight());
    p.setPen(QColor(0, 0, 0, 120));
    p.drawLine(rect.bottomLeft(), rect.bottomRight());
}

void paintCloseButton(QPainter& p, const QRect& rect, FramePiece state)
{
    const QRectF button = QRectF(rect).adjusted(9, 8, -9, -7);
    if (state != FramePiece::TitleRightNormal) {
        const QColor fill = state == FramePiece::TitleRightPressed ? QColor(168, 52, 46) : QColor(200, 70, 60);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(button, 4, 4);
    }
    QPen cross(state == FramePiece::TitleRightNormal ? theme::textMuted : QColor(255, 255, 255), 1.8);
    cross.setCapStyle(Qt::RoundCap);
    p.setPen(cross);
    const QPointF c = button.center() + (state == FramePiece::TitleRightPressed ? QPointF(0.5, 0.5) : QPointF());
    const qreal r = 5.0;
    p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
    p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
}

}  // namespace

QSize framePieceSize(FramePiece piece)
{
    switch (piece) {
    case FramePiece::TitleLeft: return {170, dialogTitleHeight};
    case FramePiece::TitleMiddle: return {50, dialogTitleHeight};
    case FramePiece::TitleRightNormal:
    case FramePiece::TitleRightHover:
    case FramePiece::TitleRightPressed: return {42, dialogTitleHeight};
    case FramePiece::BottomEdge: return {50, dialogBottomHeight};
    }
    return {};
}

QPixmap framePiece(FramePiece piece, qreal devicePixelRatio, FrameLook look)
{
    const QSize size = framePieceSize(piece);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect rect(QPoint(0, 0), size);
    switch (piece) {
    case FramePiece::TitleLeft:
        paintTitleBackground(p, rect, look);
        break;
    case FramePiece::TitleMiddle:
        paintTitleBackground(p, rect, look);
        break;
    case FramePiece::TitleRightNormal:
    case FramePiece::TitleRightHover:
    case FramePiece::TitleRightPressed:
        paintTitleBackground(p, rect, look);
        paintCloseButton(p, rect, piece);
        break;
    case FramePiece::BottomEdge:
        p.fillRect(rect, theme::chromeDark);
        p.fillRect(QRect(0, 0, rect.width(), 1), theme::accent.darker(160));
        break;
    }
    return pixmap;
}

void paintDialogFrame(QPainter& painter, const QRect& rect, FramePiece rightPiece, qreal devicePixelRatio)
{
    const QPixmap left = framePiece(FramePiece::TitleLeft, devicePixelRatio);
    const QPixmap middle = framePiece(FramePiece::TitleMiddle, devicePixelRatio);
    const QPixmap right = framePiece(rightPiece, devicePixelRatio);
    const QPixmap bottom = framePiece(FramePiece::BottomEdge, devicePixelRatio);
    const int leftWidth = framePieceSize(FramePiece::TitleLeft).width();
    const int rightWidth = framePieceSize(rightPiece).width();
    painter.drawPixmap(QRect(rect.left(), rect.top(), leftWidth, dialogTitleHeight), left);
    painter.drawPixmap(QRect(rect.left() + leftWidth, rect.top(), rect.width() - leftWidth - rightWidth, dialogTitleHeight), middle);
    painter.drawPixmap(QRect(rect.right() + 1 - rightWidth, rect.top(), rightWidth, dialogTitleHeight), right);
    painter.drawPixmap(QRect(rect.left(), rect.bottom() + 1 - dialogBottomHeight, rect.width(), dialogBottomHeight), bottom);
}

void paintMainTitleBar(QPainter& painter, const QRect& rect)
{
    paintTitleBackground(painter, rect, FrameLook::Normal);
}

void paintStatusStrip(QPainter& painter, const QRect& rect)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, theme::chromeDark);
    gradient.setColorAt(1.0, theme::chromeDark.darker(115));
    painter.fillRect(rect, gradient);
    painter.setPen(QColor(255, 255, 255, 20));
    painter.drawLine(rect.topLeft(), rect.topRight());
}

QPixmap applicationIcon(int size, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // A photo print, tilted, with a sun over hills: the album in one picture.
    p.translate(s / 2, s / 2);
    p.rotate(-8);
    const QRectF print(-s * 0.40, -s * 0.34, s * 0.80, s * 0.68);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 246, 236));
    p.drawRoundedRect(print, s * 0.06, s * 0.06);
    const QRectF picture = print.adjusted(s * 0.07, s * 0.07, -s * 0.07, -s * 0.12);
    QLinearGradient sky(picture.topLeft(), picture.bottomLeft());
    sky.setColorAt(0, QColor(120, 170, 210));
    sky.setColorAt(1, QColor(240, 200, 140));
    p.setBrush(sky);
    p.drawRect(picture);
    p.setBrush(theme::accent);
    p.drawEllipse(QPointF(picture.right() - s * 0.14, picture.top() + s * 0.12), s * 0.07, s * 0.07);
    QPainterPath hills;
    hills.moveTo(picture.bottomLeft());
    hills.lineTo(picture.left(), picture.bottom() - s * 0.12);
    hills.quadTo(picture.left() + s * 0.2, picture.bottom() - s * 0.30, picture.center().x(), picture.bottom() - s * 0.10);
    hills.quadTo(picture.right() - s * 0.12, picture.bottom() - s * 0.26, picture.right(), picture.bottom() - s * 0.08);
    hills.lineTo(picture.bottomRight());
    hills.closeSubpath();
    p.setBrush(QColor(70, 120, 90));
    p.drawPath(hills);
    return pixmap;
}

}  // namespace xc::ui
