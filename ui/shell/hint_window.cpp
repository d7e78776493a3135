#include "ui/shell/hint_window.h"

#include "ui/shell/theme.h"

#include <QBitmap>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace xc::ui {

namespace {

constexpr int margin = 8;
constexpr int cornerRadius = 3;

}  // namespace

HintWindow::HintWindow(Kind kind, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), m_kind(kind),
      m_label(new QLabel(this))
{
    setWindowTitle(caption);
    setObjectName(caption);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    m_label->setFont(uiFont(13));
    m_label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(theme::hintText.name()));
    m_label->move(margin, margin);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &HintWindow::onTick);
}

QString HintWindow::text() const
{
    return m_label->text();
}

void HintWindow::showHint(const QString& text)
{
    m_timer.stop();
    hide();
    setWindowOpacity(0.0);
    m_label->setText(text);
    m_label->adjustSize();
    m_label->resize(m_label->width() + 5, m_label->height());
    resize(m_label->width() + 2 * margin, m_label->height() + 2 * margin);
    roundCorners();
    m_fader.show();
    m_timer.start(m_fader.nextTickMs());
}

void HintWindow::hideHint()
{
    m_fader.hide();
    follow();
}

void HintWindow::closeNow()
{
    m_fader.closeNow();
    follow();
}

QPoint HintWindow::placeFor(QPoint pointer) const
{
    if (m_kind == Kind::Item)
        return itemHintPosition(pointer);
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return generalHintPosition(pointer, size(), screen->geometry());
}

void HintWindow::onTick()
{
    const bool wasWaiting = m_fader.state() == HintFader::State::Waiting;
    m_fader.tick();
    // The hint appears where the pointer rests at the end of the wait.
    if (wasWaiting)
        move(placeFor(QCursor::pos()));
    follow();
}

void HintWindow::follow()
{
    m_timer.stop();
    if (m_fader.isShown()) {
        setWindowOpacity(m_fader.alpha() / 255.0);
        if (!isVisible())
            show();
    } else {
        hide();
    }
    if (const int next = m_fader.nextTickMs(); next > 0)
        m_timer.start(next);
}

void HintWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(theme::hintBorder, 1));
    p.setBrush(theme::hintBackground);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
}

void HintWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    roundCorners();
}

void HintWindow::roundCorners()
{
    // The window's shape is a rounded rectangle of its full size.
    QBitmap shape(size());
    shape.fill(Qt::color0);
    QPainter p(&shape);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::color1);
    p.drawRoundedRect(rect(), cornerRadius, cornerRadius);
    p.end();
    setMask(shape);
}

}  // namespace xc::ui
