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
    // A general hint stays on the screen and is dismissed with a fade (hideHint); an item hint
    // sits beside the pointer wherever that is and is dismissed at once (closeNow).
    enum class Kind { General, Item };

    HintWindow(Kind kind, const QString& caption, QWidget* parent = nullptr);

    const HintFader& fader() const { return m_fader; }
    QString text() const;

public Q_SLOTS:
    // Restarts the wait with a new text (several lines allowed, shown as plain text).
    void showHint(const QString& text);
    // Fades out at once from full visibility; a hint still waiting never appears.
    void hideHint();
    // Closes without a fade.
    void closeNow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onTick();
    void follow();
    QPoint placeFor(QPoint pointer) const;
    void clipCorners();

    Kind m_kind;
    QLabel* m_label;
    HintFader m_fader;
    QTimer m_timer;
};

}  // namespace xc::ui
