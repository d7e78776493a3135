#include "ui/shell/hint_window.h"

#include "ui/shell/theme.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QRegion>
#include <QScreen>

namespace xc::ui {

namespace {

constexpr int margin = 8;
constexpr int labelSlack = 5;  // keeps the last glyph clear of the margin

}  // namespace

HintWindow::HintWindow(Kind kind, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), m_kind(kind),
      m_label(new QLabel(this))
{
    setWindowTitle(caption);
    setObjectName(caption);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The hint must never take the pointer from the command or item it explains.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    m_label->setFont(uiFont(13));
    // Item hints show file names, which must not be read as markup.
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
    m_fader.show();
    follow();
    m_label->setText(text);
    m_label->adjustSize();
    m_label->resize(m_label->width() + labelSlack, m_label->height());
    resize(m_label->width() + 2 * margin, m_label->height() + 2 * margin);
    clipCorners();
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
    if (!screen)
        return itemHintPosition(pointer);
    return generalHintPosition(pointer, size(), screen->availableGeometry());
}

void HintWindow::onTick()
{
    // While fading in the hint follows the pointer, so it appears where the pointer rests.
    const HintFader::State before = m_fader.state();
    if (before == HintFader::State::Waiting || before == HintFader::State::FadingIn)
        move(placeFor(QCursor::pos()));
    m_fader.tick();
    follow();
}

void HintWindow::follow()
{
    m_timer.stop();
    setWindowOpacity(m_fader.alpha() / 255.0);
    if (m_fader.isShown())
        show();
    else
        hide();
    if (const int next = m_fader.nextTickMs(); next > 0)
        m_timer.start(next);
}

void HintWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), theme::hintBackground);
    p.setPen(QPen(theme::hintBorder, 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void HintWindow::clipCorners()
{
    // Corner ellipses of 3 × 3 pixels: each corner loses its outermost pixel, a hard edge that
    // stays crisp at any scale.
    const QRect r = rect();
    setMask(QRegion(r.adjusted(1, 0, -1, 0)).united(QRegion(r.adjusted(0, 1, 0, -1))));
}

}  // namespace xc::ui
