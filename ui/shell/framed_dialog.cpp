#include "ui/shell/framed_dialog.h"

#include "ui/shell/theme.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWindow>

namespace xc::ui {

void startWindowDrag(QWidget* window)
{
    if (QWindow* handle = window->window()->windowHandle())
        handle->startSystemMove();
}

QPushButton* dialogButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setMinimumWidth(96);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QHBoxLayout* buttonRow(const QList<QPushButton*>& buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

QHBoxLayout* FramedDialog::okCancelRow(const QString& okCaption)
{
    QPushButton* ok = dialogButton(okCaption, m_body);
    QPushButton* cancel = dialogButton(QStringLiteral("取消"), m_body);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return buttonRow({ok, cancel});
}

QVBoxLayout* FramedDialog::bodyLayout()
{
    if (auto* existing = qobject_cast<QVBoxLayout*>(m_body->layout()))
        return existing;
    auto* layout = new QVBoxLayout(m_body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    return layout;
}

FramedDialog::FramedDialog(const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_title(new QLabel(this)), m_body(new QWidget(this))
{
    setWindowTitle(caption);
    setModal(true);
    setMouseTracking(true);
    m_title->setObjectName(QStringLiteral("Label_xianshi_chuangkou_biaoti"));
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_title->setFont(uiFont(14, true));
    m_title->move(10, 10);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, dialogTitleHeight + 12, 16, dialogBottomHeight + 14);
    layout->addWidget(m_body);
}

QRect FramedDialog::titleBarRect() const
{
    return QRect(0, 0, width(), dialogTitleHeight);
}

QRect FramedDialog::closeButtonRect() const
{
    const int w = framePieceSize(FramePiece::TitleRightNormal).width();
    return QRect(width() - w, 0, w, dialogTitleHeight);
}

void FramedDialog::setClosePiece(FramePiece piece)
{
    if (m_closePiece == piece)
        return;
    m_closePiece = piece;
    update(closeButtonRect());
}

void FramedDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), theme::windowBackground);
    paintDialogFrame(p, rect(), m_closePiece, devicePixelRatioF());
    // A hairline around the body so the window stands apart from what lies behind it.
    p.setPen(theme::chromeDark);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FramedDialog::showEvent(QShowEvent* event)
{
    // The caption is copied into the title each time the window is shown.
    m_title->setText(windowTitle());
    m_title->adjustSize();
    m_title->raise();
    setClosePiece(FramePiece::TitleRightNormal);
    QDialog::showEvent(event);
}

void FramedDialog::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && closeButtonRect().contains(at)) {
        m_closePressed = true;
        setClosePiece(FramePiece::TitleRightPressed);
        return;
    }
    if (event->button() == Qt::LeftButton && titleBarRect().contains(at)) {
        startWindowDrag(this);
        return;
    }
    QDialog::mousePressEvent(event);
}

void FramedDialog::mouseMoveEvent(QMouseEvent* event)
{
    const bool over = closeButtonRect().contains(event->position().toPoint());
    if (m_closePressed)
        setClosePiece(over ? FramePiece::TitleRightPressed : FramePiece::TitleRightNormal);
    else
        setClosePiece(over ? FramePiece::TitleRightHover : FramePiece::TitleRightNormal);
    QDialog::mouseMoveEvent(event);
}

void FramedDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_closePressed) {
        m_closePressed = false;
        const bool over = closeButtonRect().contains(event->position().toPoint());
        setClosePiece(over ? FramePiece::TitleRightHover : FramePiece::TitleRightNormal);
        if (over)
            reject();  // the window's cancel action
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

void FramedDialog::leaveEvent(QEvent* event)
{
    if (!m_closePressed)
        setClosePiece(FramePiece::TitleRightNormal);
    QDialog::leaveEvent(event);
}

void FramedDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange && m_title) {
        m_title->setText(windowTitle());
        m_title->adjustSize();
    }
    QDialog::changeEvent(event);
}

}  // namespace xc::ui
