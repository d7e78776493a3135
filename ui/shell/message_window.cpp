#include "ui/shell/message_window.h"

#include "ui/shell/theme.h"

#include <QLabel>
#include <QPushButton>

namespace xc::ui {

namespace {

QLabel* noticeLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label_xianshi_xiaoxi"));
    label->setWordWrap(true);
    label->setFont(uiFont(14));
    label->setMinimumWidth(300);
    label->setMaximumWidth(560);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setContentsMargins(6, 4, 6, 10);
    return label;
}

}  // namespace

MessageWindow::MessageWindow(const QString& text, QWidget* parent)
    : FramedDialog(QStringLiteral("提示信息"), parent), m_text(noticeLabel(text, body()))
{
    auto* ok = dialogButton(QStringLiteral("确定"), body());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    bodyLayout()->addWidget(m_text);
    bodyLayout()->addLayout(buttonRow({ok}));
    setMinimumWidth(340);
}

QString MessageWindow::text() const
{
    return m_text->text();
}

ConfirmWindow::ConfirmWindow(const QString& title, const QString& text, const QString& okCaption, QWidget* parent)
    : FramedDialog(title, parent)
{
    bodyLayout()->addWidget(noticeLabel(text, body()));
    bodyLayout()->addLayout(okCancelRow(okCaption));
    setMinimumWidth(340);
}

}  // namespace xc::ui
