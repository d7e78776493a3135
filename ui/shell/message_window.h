#pragma once

#include "ui/shell/framed_dialog.h"

class QLabel;
class QPushButton;

namespace xc::ui {

// The one message window of the program ("提示信息"): a notice and "确定".
class MessageWindow : public FramedDialog {
    Q_OBJECT
public:
    explicit MessageWindow(const QString& text, QWidget* parent = nullptr);
    QString text() const;

private:
    QLabel* m_text;
};

// A framed question with two buttons: `okCaption` (accept) and "取消" (reject).
class ConfirmWindow : public FramedDialog {
    Q_OBJECT
public:
    ConfirmWindow(const QString& title, const QString& text, const QString& okCaption, QWidget* parent = nullptr);
};

}  // namespace xc::ui
