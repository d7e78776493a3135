#include "ui/shell/hint_fader.h"

#include <algorithm>

namespace xc::ui {

int HintFader::nextTickMs() const
{
    switch (m_state) {
    case State::Closed: return 0;
    case State::Waiting: return waitMs;
    case State::Holding: return holdMs;
    case State::FadingIn:
    case State::FadingOut: return stepMs;
    }
    return 0;
}

void HintFader::show()
{
    m_state = State::Waiting;
    m_counter = 0;
    m_alpha = 0;
    m_shown = false;
}

void HintFader::hide()
{
    m_state = State::FadingOut;
    m_counter = 255;
    m_alpha = 255;
}

void HintFader::closeNow()
{
    m_state = State::Closed;
    m_counter = 255;
    m_alpha = 255;
    m_shown = false;
}

void HintFader::tick()
{
    switch (m_state) {
    case State::Closed:
        return;
    case State::Waiting:
        m_state = State::FadingIn;
        [[fallthrough]];
    case State::FadingIn:
        m_shown = true;
        m_counter += step;
        m_alpha = std::min(m_counter, 255);
        if (m_counter > 254) {
            m_counter = 255;
            m_alpha = 255;
            m_state = State::Holding;
        }
        return;
    case State::Holding:
        m_state = State::FadingOut;
        [[fallthrough]];
    case State::FadingOut:
        m_counter -= step;
        m_alpha = std::max(m_counter, 0);
        if (m_counter < 0) {
            m_counter = 0;
            m_alpha = 0;
            m_state = State::Closed;
            m_shown = false;
        }
        return;
    }
}

QPoint generalHintPosition(QPoint pointer, QSize hint, const QRect& screen)
{
    // Relative to the screen the pointer is on, so a second screen keeps the same rules.
    const int x = pointer.x() - screen.x();
    const int y = pointer.y() - screen.y();
    int left = x - 20;
    if (left < 0)
        left = 8;
    else if (left + hint.width() > screen.width())
        left = screen.width() - hint.width() - 5;
    int top = y + 10;
    if (top < 0)
        top = 8;
    else if (top + hint.height() > screen.height())
        top = y + 10 - hint.height() - 12;
    return screen.topLeft() + QPoint(left, top);
}

QPoint itemHintPosition(QPoint pointer)
{
    return pointer + QPoint(-20, 10);
}

}  // namespace xc::ui
