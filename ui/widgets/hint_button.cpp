#include "ui/widgets/hint_button.h"

#include "ui/shell/theme.h"

#include <QPainter>

namespace xc::ui {

HintButton::HintButton(const QString& caption, const QString& hint, QWidget* parent)
    : QPushButton(caption, parent), m_hint(hint)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void HintButton::enterEvent(QEnterEvent* event)
{
    if (!m_hint.isEmpty())
        Q_EMIT hintRequested(m_hint);
    QPushButton::enterEvent(event);
}

void HintButton::leaveEvent(QEvent* event)
{
    Q_EMIT hintDismissed();
    QPushButton::leaveEvent(event);
}

void HintButton::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT hintDismissed();
    QPushButton::mousePressEvent(event);
}

TitleButton::TitleButton(TitleGlyph glyph, const QString& hint, QWidget* parent)
    : HintButton(QString(), hint, parent), m_glyph(glyph)
{
    setAttribute(Qt::WA_Hover);
}

void TitleButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool down = isDown();
    const bool hot = underMouse();
    const bool closing = m_glyph == TitleGlyph::Close;
    const QRectF box = QRectF(rect()).adjusted(2, 2, -2, -2);
    if (down || hot) {
        QColor fill = closing ? QColor(200, 70, 60) : theme::chromeLight.lighter(125);
        if (down)
            fill = closing ? QColor(160, 48, 42) : theme::accent.darker(130);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(box, 5, 5);
    }
    QPen pen(down || (hot && closing) ? QColor(255, 255, 255) : theme::text, 1.6);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // The pressed picture sits half a pixel lower, like a key going down.
    const QPointF c = box.center() + (down ? QPointF(0.5, 0.8) : QPointF());
    switch (m_glyph) {
    case TitleGlyph::StartLayout:
        p.drawRoundedRect(QRectF(c.x() - 6, c.y() - 4.5, 12, 9), 1.5, 1.5);
        p.drawLine(QPointF(c.x() - 6, c.y() - 1.5), QPointF(c.x() + 6, c.y() - 1.5));
        break;
    case TitleGlyph::RestoredLayout:
        p.drawRect(QRectF(c.x() - 6, c.y() - 3, 9, 9));
        p.drawPolyline(QPolygonF{QPointF(c.x() - 3, c.y() - 3), QPointF(c.x() - 3, c.y() - 6), QPointF(c.x() + 6, c.y() - 6),
                                 QPointF(c.x() + 6, c.y() + 3), QPointF(c.x() + 3, c.y() + 3)});
        break;
    case TitleGlyph::FullScreen:
        for (const QPointF& corner : {QPointF(-1, -1), QPointF(1, -1), QPointF(1, 1), QPointF(-1, 1)}) {
            const QPointF tip = c + corner * 7;
            p.drawLine(tip, tip - QPointF(corner.x() * 4, 0));
            p.drawLine(tip, tip - QPointF(0, corner.y() * 4));
        }
        break;
    case TitleGlyph::Close:
        p.drawLine(c + QPointF(-5.5, -5.5), c + QPointF(5.5, 5.5));
        p.drawLine(c + QPointF(-5.5, 5.5), c + QPointF(5.5, -5.5));
        break;
    }
}

}  // namespace xc::ui
