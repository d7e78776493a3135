#pragma once

#include "ui/shell/hint_fader.h"

#include <QTimer>
#include <QWidget>

class QLabel;

namespace xc::ui {

// A small fading window that explains what the pointer rests on: the general hint of the
// commands ("提示窗口") or the item hint of a board ("相片控件渐变提示信息" and its music and
// lyrics twins). It appears 2000 ms after showHint, fades in, stays 2000 ms and fades out.
class HintWindow : public QWidget {
    Q_OBJECT
public:
    enum class Kind { General, Item };

    HintWindow(Kind kind, const QString& caption, QWidget* parent = nullptr);

    const HintFader& fader() const { return m_fader; }
    QString text() const;
    // Where the window goes for a pointer at `pointer` (global coordinates).
    QPoint placeFor(QPoint pointer) const;

public Q_SLOTS:
    // Restarts the wait with a new text.
    void showHint(const QString& text);
    // Fades out at once from full visibility (the general hint).
    void hideHint();
    // Closes without a fade (an item hint when the pointer leaves its item).
    void closeNow();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void onTick();
    void follow();
    void roundCorners();

    Kind m_kind;
    QLabel* m_label;
    HintFader m_fader;
    QTimer m_timer;
};

}  // namespace xc::ui
