#pragma once

#include "ui/shell/frame_artwork.h"

#include <QDialog>
#include <QVBoxLayout>

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace xc::ui {

// A borderless secondary window framed like the main window: a title bar with the window's
// caption at (10, 10), a close button with its three pictures (normal, pointer over, pressed)
// that acts on release, a bottom edge, and dragging by the title bar. Subclasses put their
// controls into body().
class FramedDialog : public QDialog {
    Q_OBJECT
public:
    explicit FramedDialog(const QString& caption, QWidget* parent = nullptr);

    QWidget* body() const { return m_body; }
    // The body's column of controls, made on first use.
    QVBoxLayout* bodyLayout();
    // `okCaption` (the default button, accepting) and "取消" (rejecting) at the right edge.
    QHBoxLayout* okCancelRow(const QString& okCaption = QStringLiteral("确定"));
    // The picture the close button shows now (for tests and painting).
    FramePiece closePiece() const { return m_closePiece; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRect closeButtonRect() const;
    QRect titleBarRect() const;
    void setClosePiece(FramePiece piece);

    QLabel* m_title;
    QWidget* m_body;
    FramePiece m_closePiece = FramePiece::TitleRightNormal;
    bool m_closePressed = false;
};

// Asks the window system to move `window` with the pointer (the title-bar drag of every window).
void startWindowDrag(QWidget* window);

// A button of the dialogs' look, and a row of them at the window's right edge.
QPushButton* dialogButton(const QString& caption, QWidget* parent);
QHBoxLayout* buttonRow(const QList<QPushButton*>& buttons);

}  // namespace xc::ui
