#include "ui/shell/main_layout.h"

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

struct LayoutCase {
    QString layout;
    QSize screen;
    QRect expected;
};

TEST(MainWindowLayout, WindowSizeAndPlaceFollowTheScreen)
{
    const QList<LayoutCase> cases{
        {layoutKeyword::start, {1366, 768}, {86, 45, 1194, 678}},
        {layoutKeyword::start, {1280, 1024}, {81, 194, 1118, 635}},  // both sides from the width
        {layoutKeyword::start, {1024, 768}, {11, 103, 1002, 561}},
        {layoutKeyword::start, {1920, 1080}, {320, 180, 1280, 720}},
        {layoutKeyword::start, {2560, 1440}, {640, 360, 1280, 720}},
        {layoutKeyword::start, {1920, 1200}, {320, 240, 1280, 720}},  // taller than 1080
        {layoutKeyword::fullScreen, {1366, 768}, {0, 0, 1366, 768}},
        {layoutKeyword::restored, {1366, 768}, {50, 50, 1266, 668}},
    };
    for (const LayoutCase& c : cases)
        EXPECT_EQ(mainWindowGeometry(c.layout, QRect(QPoint(0, 0), c.screen)), c.expected)
            << c.layout.toStdString() << " on " << c.screen.width() << "x" << c.screen.height();
}

TEST(MainWindowLayout, SecondScreenKeepsItsOrigin)
{
    EXPECT_EQ(mainWindowGeometry(layoutKeyword::start, QRect(1920, 0, 1366, 768)), QRect(1920 + 86, 45, 1194, 678));
}

TEST(MainWindowLayout, PiecesSitWhereTheWindowDesignPutsThem)
{
    const MainPieces pieces = layoutMainPieces(QSize(1194, 678), 18, 4);
    ASSERT_EQ(pieces.commands.size(), 18);
    EXPECT_EQ(pieces.commands[0], QRect(3, 60, 170, 25));
    EXPECT_EQ(pieces.commands[17], QRect(3, 60 + 17 * 26, 170, 25));
    EXPECT_EQ(pieces.contentArea.left(), 175);
    EXPECT_EQ(pieces.contentArea.top(), 60);
    EXPECT_EQ(pieces.contentArea.height(), 578);
    EXPECT_LE(pieces.contentArea.right(), pieces.sidePanel.left());
    const int buttonWidth = pieces.contentArea.width() / 8;
    ASSERT_EQ(pieces.bottomButtons.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(pieces.bottomButtons[i], QRect(175 + i * (buttonWidth + 5), 678 - 33, buttonWidth, 27));
    ASSERT_EQ(pieces.titleButtons.size(), 4);
    EXPECT_EQ(pieces.titleButtons[3].left(), 1194 - 45);
    for (const QRect& button : pieces.titleButtons)
        EXPECT_EQ(button.width(), 32);
    // The whole column fits above the status strip even on the smallest start layout.
    EXPECT_LT(pieces.commands.last().bottom(), pieces.statusStrip.top());
}

}  // namespace
}  // namespace xc::ui
