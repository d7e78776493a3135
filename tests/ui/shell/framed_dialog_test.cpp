#include "ui/shell/message_window.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

TEST(FramedDialog, CloseButtonShowsItsThreePicturesAndClosesOnRelease)
{
    MessageWindow window(QStringLiteral("没有添加相片文件！"));
    window.resize(360, 160);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label_xianshi_chuangkou_biaoti"))->text(), QStringLiteral("提示信息"));
    EXPECT_EQ(window.text(), QStringLiteral("没有添加相片文件！"));

    const QPoint close(window.width() - 21, 18);
    QTest::mouseMove(&window, close);
    EXPECT_EQ(window.closePiece(), FramePiece::TitleRightHover);
    QTest::mousePress(&window, Qt::LeftButton, {}, close);
    EXPECT_EQ(window.closePiece(), FramePiece::TitleRightPressed);
    EXPECT_TRUE(window.isVisible());  // acts on release only
    QTest::mouseRelease(&window, Qt::LeftButton, {}, close);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST(FramedDialog, ReleaseAwayFromTheCloseButtonKeepsTheWindow)
{
    MessageWindow window(QStringLiteral("x"));
    window.resize(360, 160);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(window.width() - 21, 18));
    QTest::mouseMove(&window, QPoint(100, 100));
    EXPECT_EQ(window.closePiece(), FramePiece::TitleRightNormal);
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace xc::ui
