#include "ui/shell/hint_window.h"

#include <QTest>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

using State = HintFader::State;

// Ticks until the state changes; returns how many ticks that took.
int ticksWhile(HintFader& fader, State state)
{
    int ticks = 0;
    while (fader.state() == state && ticks < 1000) {
        fader.tick();
        ++ticks;
    }
    return ticks;
}

TEST(HintFader, WaitsFadesInHoldsAndFadesOut)
{
    HintFader fader;
    fader.show();
    EXPECT_EQ(fader.state(), State::Waiting);
    EXPECT_EQ(fader.nextTickMs(), 2000);
    EXPECT_FALSE(fader.isShown());

    fader.tick();  // the end of the wait is the first step of the fade
    EXPECT_EQ(fader.state(), State::FadingIn);
    EXPECT_EQ(fader.alpha(), 10);
    EXPECT_EQ(fader.nextTickMs(), 1);
    EXPECT_EQ(1 + ticksWhile(fader, State::FadingIn), 26);
    EXPECT_EQ(fader.state(), State::Holding);
    EXPECT_EQ(fader.alpha(), 255);
    EXPECT_EQ(fader.nextTickMs(), 2000);

    EXPECT_EQ(ticksWhile(fader, State::Holding) + ticksWhile(fader, State::FadingOut), 26);
    EXPECT_EQ(fader.state(), State::Closed);
    EXPECT_EQ(fader.alpha(), 0);
    EXPECT_EQ(fader.nextTickMs(), 0);
}

TEST(HintFader, ShowRestartsTheWaitHideFadesOutAndCloseNowCloses)
{
    HintFader fader;
    fader.show();
    for (int i = 0; i < 6; ++i)
        fader.tick();
    fader.show();  // the pointer moved on to another command
    EXPECT_EQ(fader.state(), State::Waiting);
    EXPECT_EQ(fader.alpha(), 0);

    fader.hide();  // left before the hint appeared: it never shows
    EXPECT_EQ(fader.state(), State::Closed);

    fader.show();
    fader.tick();
    fader.tick();
    fader.hide();
    EXPECT_EQ(fader.state(), State::FadingOut);
    EXPECT_EQ(fader.alpha(), 255);
    EXPECT_EQ(fader.nextTickMs(), 1);

    fader.closeNow();
    EXPECT_EQ(fader.state(), State::Closed);
    EXPECT_FALSE(fader.isShown());
}

TEST(HintPlacement, GeneralHintStaysOnTheScreenItemHintDoesNot)
{
    const QRect screen(0, 0, 1366, 768);
    const QSize hint(200, 40);
    struct Case {
        QPoint pointer;
        QPoint expected;
    };
    const QList<Case> cases{
        {{500, 300}, {480, 310}},          // left of and below the pointer
        {{10, 300}, {8, 310}},             // left edge: 8 pixels in
        {{1300, 300}, {1366 - 200 - 5, 310}},  // right edge: 5 pixels inside
        {{500, 740}, {480, 740 + 10 - 40 - 12}},  // bottom edge: above the pointer
    };
    for (const Case& c : cases)
        EXPECT_EQ(generalHintPosition(c.pointer, hint, screen), c.expected) << c.pointer.x() << "," << c.pointer.y();
    EXPECT_EQ(generalHintPosition(QPoint(1366 + 500, 300), hint, QRect(1366, 0, 1920, 1080)), QPoint(1366 + 480, 310));
    EXPECT_EQ(itemHintPosition(QPoint(1360, 760)), QPoint(1340, 770));
}

TEST(HintWindow, KeepsEightPixelsAroundItsTextAndRoundsItsCorners)
{
    HintWindow hint(HintWindow::Kind::General, QStringLiteral("提示窗口"));
    hint.showHint(QStringLiteral("支持多个相片文件一起添加使用"));
    EXPECT_EQ(hint.text(), QStringLiteral("支持多个相片文件一起添加使用"));
    const QRect label = hint.childrenRect();
    EXPECT_EQ(label.topLeft(), QPoint(8, 8));
    EXPECT_EQ(hint.width(), label.width() + 16);
    EXPECT_EQ(hint.height(), label.height() + 16);
    EXPECT_FALSE(hint.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(hint.mask().contains(QPoint(hint.width() / 2, hint.height() / 2)));
    EXPECT_FALSE(hint.isVisible());  // not before the wait is over
}

}  // namespace
}  // namespace xc::ui
