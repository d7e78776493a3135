#include "ui/shell/hint_window.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
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
    EXPECT_TRUE(fader.isShown());
    EXPECT_EQ(fader.alpha(), 10);
    EXPECT_EQ(fader.nextTickMs(), 1);
    EXPECT_EQ(1 + ticksWhile(fader, State::FadingIn), 26);
    EXPECT_EQ(fader.state(), State::Holding);
    EXPECT_EQ(fader.counter(), 255);
    EXPECT_EQ(fader.alpha(), 255);
    EXPECT_EQ(fader.nextTickMs(), 2000);

    fader.tick();  // the end of the hold is the first step of the fade-out
    EXPECT_EQ(fader.alpha(), 245);
    EXPECT_EQ(1 + ticksWhile(fader, State::FadingOut), 26);
    EXPECT_EQ(fader.state(), State::Closed);
    EXPECT_EQ(fader.counter(), 0);
    EXPECT_EQ(fader.alpha(), 0);
    EXPECT_FALSE(fader.isShown());
    EXPECT_EQ(fader.nextTickMs(), 0);
}

TEST(HintFader, ShowRestartsTheWaitFromAnyState)
{
    HintFader fader;
    fader.show();
    for (int i = 0; i < 6; ++i)
        fader.tick();
    fader.show();  // the pointer moved on to another command mid-fade
    EXPECT_EQ(fader.state(), State::Waiting);
    EXPECT_EQ(fader.counter(), 0);
    EXPECT_EQ(fader.alpha(), 0);
    EXPECT_FALSE(fader.isShown());
    EXPECT_EQ(fader.nextTickMs(), 2000);
}

TEST(HintFader, HideFadesOutFromFullVisibility)
{
    HintFader fader;
    fader.show();  // left before the wait was over: the fade-out runs closed
    fader.hide();
    EXPECT_EQ(fader.state(), State::FadingOut);
    EXPECT_EQ(fader.alpha(), 255);
    EXPECT_EQ(fader.nextTickMs(), 1);
    for (int i = 0; i < 26; ++i) {
        fader.tick();
        EXPECT_FALSE(fader.isShown());
    }
    EXPECT_EQ(fader.state(), State::Closed);

    fader.show();
    ticksWhile(fader, State::Waiting);
    ticksWhile(fader, State::FadingIn);
    ASSERT_EQ(fader.state(), State::Holding);
    fader.hide();  // clicked: no waiting out the hold
    EXPECT_EQ(fader.state(), State::FadingOut);
    EXPECT_EQ(fader.counter(), 255);
    EXPECT_TRUE(fader.isShown());
    EXPECT_EQ(ticksWhile(fader, State::FadingOut), 26);
    EXPECT_FALSE(fader.isShown());
}

TEST(HintFader, CloseNowClosesWithoutFading)
{
    HintFader fader;
    fader.show();
    fader.tick();
    fader.tick();
    fader.closeNow();
    EXPECT_EQ(fader.state(), State::Closed);
    EXPECT_EQ(fader.counter(), 255);
    EXPECT_EQ(fader.alpha(), 255);
    EXPECT_FALSE(fader.isShown());
    EXPECT_EQ(fader.nextTickMs(), 0);
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
        {{500, 300}, {480, 310}},                 // left of and below the pointer
        {{10, 300}, {8, 310}},                    // left edge: 8 pixels in
        {{1300, 300}, {1366 - 200 - 5, 310}},     // right edge: 5 pixels inside
        {{500, 740}, {480, 740 + 10 - 40 - 12}},  // bottom edge: above the pointer
        {{500, -30}, {480, 8}},                   // above the screen: 8 pixels in
    };
    for (const Case& c : cases)
        EXPECT_EQ(generalHintPosition(c.pointer, hint, screen), c.expected) << c.pointer.x() << "," << c.pointer.y();
    // A second screen keeps the same rules relative to its own area.
    const QRect second(1366, 0, 1920, 1080);
    EXPECT_EQ(generalHintPosition(QPoint(1366 + 500, 300), hint, second), QPoint(1366 + 480, 310));
    EXPECT_EQ(generalHintPosition(QPoint(1366 + 1900, 300), hint, second), QPoint(1366 + 1920 - 205, 310));
    EXPECT_EQ(itemHintPosition(QPoint(1360, 760)), QPoint(1340, 770));
}

TEST(HintWindow, KeepsEightPixelsAroundItsTextAndClipsItsCorners)
{
    HintWindow hint(HintWindow::Kind::Item, QStringLiteral("相片控件渐变提示信息"));
    const QString text = QStringLiteral("名称：<b>春游</b>.jpg\n类型：JPEG\n大小：1024 × 768");
    hint.showHint(text);
    auto* label = hint.findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), text);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->pos(), QPoint(8, 8));
    EXPECT_EQ(label->width(), label->sizeHint().width() + 5);
    EXPECT_GT(label->height(), 2 * label->fontMetrics().height());  // all three lines
    EXPECT_EQ(hint.size(), label->size() + QSize(16, 16));

    const QRegion mask = hint.mask();
    const int right = hint.width() - 1;
    const int bottom = hint.height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
    for (const QPoint edge : {QPoint(1, 0), QPoint(0, 1), QPoint(right - 1, bottom), QPoint(right, bottom - 1)})
        EXPECT_TRUE(mask.contains(edge)) << edge.x() << "," << edge.y();
    EXPECT_FALSE(hint.isVisible());  // not before the wait is over

    hint.closeNow();
    EXPECT_FALSE(hint.isVisible());
    EXPECT_EQ(hint.fader().state(), State::Closed);
}

TEST(HintWindow, HiddenBeforeTheWaitIsOverNeverAppears)
{
    HintWindow hint(HintWindow::Kind::General, QStringLiteral("提示窗口"));
    hint.showHint(QStringLiteral("支持多个相片文件一起添加使用"));
    hint.hideHint();
    EXPECT_EQ(hint.fader().state(), State::FadingOut);
    EXPECT_FALSE(hint.isVisible());
}

TEST(HintWindow, AppearsAfterTheWaitBesideThePointerAndFadesOutWhenHidden)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint pointer(screen.right() - 3, screen.center().y());
    QCursor::setPos(pointer);
    HintWindow hint(HintWindow::Kind::General, QStringLiteral("提示窗口"));
    hint.showHint(QStringLiteral("添加相片"));
    QTest::qWait(1500);
    EXPECT_FALSE(hint.isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return hint.fader().state() == State::Holding; }, 1500));
    EXPECT_TRUE(hint.isVisible());
    EXPECT_DOUBLE_EQ(hint.windowOpacity(), 1.0);
    EXPECT_EQ(hint.pos(), generalHintPosition(QCursor::pos(), hint.size(), screen));
    EXPECT_EQ(hint.geometry().right(), screen.right() - 5);

    hint.hideHint();
    EXPECT_TRUE(hint.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !hint.isVisible(); }, 1000));
    EXPECT_EQ(hint.fader().state(), State::Closed);
}

}  // namespace
}  // namespace xc::ui
