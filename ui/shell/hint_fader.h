#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace xc::ui {

// The timing of a fading hint, as a state machine driven by ticks so it can be followed step by
// step: it waits 2000 ms, fades in by 10 per 1 ms tick, holds fully visible for 2000 ms, then
// fades out by 10 per tick and closes.
class HintFader {
public:
    enum class State { Closed, Waiting, FadingIn, Holding, FadingOut };

    static constexpr int waitMs = 2000;
    static constexpr int holdMs = 2000;
    static constexpr int stepMs = 1;
    static constexpr int step = 10;

    State state() const { return m_state; }
    int counter() const { return m_counter; }
    int alpha() const { return m_alpha; }
    // Whether the window is open: from the first fade-in step until it closes. A hint told to
    // fade out before it ever appeared runs its fade-out closed, so it never flashes up.
    bool isShown() const { return m_shown; }
    // The time until the next tick is due; 0 when no tick is due.
    int nextTickMs() const;

    // Starts again from the wait, whatever the state.
    void show();
    // Fades out from full visibility at once (the general hint when its command is left or used).
    void hide();
    // Closes at once without a fade (an item hint when the pointer leaves its item).
    void closeNow();
    // One tick of whichever timer is running.
    void tick();

private:
    State m_state = State::Closed;
    int m_counter = 0;
    int m_alpha = 0;
    bool m_shown = false;
};

// Where a hint window goes for the pointer at `pointer`: left of and below the pointer. The
// general hint is kept on `screen` (the available area of the screen under the pointer); an item
// hint is not.
QPoint generalHintPosition(QPoint pointer, QSize hint, const QRect& screen);
QPoint itemHintPosition(QPoint pointer);

}  // namespace xc::ui
