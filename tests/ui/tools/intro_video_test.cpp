#include "ui/tools/intro_video_window.h"

#include "core/album_settings.h"
#include "tests/conversion/test_video.h"
#include "tests/ui/support/recording_dialogs.h"

#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

TEST(IntroVideoWindow, AReadableVideoIsTakenWithItsSoundChoiceOnlyOnOk)
{
    QTemporaryDir dir;
    AlbumSettings settings;
    test::RecordingDialogs dialogs;
    IntroVideoWindow window(settings, dialogs);

    const QString broken = dir.filePath(QStringLiteral("坏.mp4"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("no video here") > 0);
    file.close();
    EXPECT_FALSE(window.chooseVideo(broken));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("无法读取片头视频文件：坏.mp4")});
    EXPECT_TRUE(window.video().isEmpty());

    const QString video = test::writeTestVideo(dir.filePath(QStringLiteral("片头.avi")), 50, QSize(320, 180), Qt::blue, Qt::blue);
    ASSERT_TRUE(window.chooseVideo(video));
    EXPECT_LT(std::abs(window.shownPicture().pixelColor(240, 135).blue() - 255), 30);
    EXPECT_TRUE(settings.introVideo.isEmpty());  // waits for "确定"
    for (QRadioButton* button : window.findChildren<QRadioButton*>())
        if (button->text().startsWith(QStringLiteral("相册音乐从第一帧开始")))
            button->setChecked(true);
    window.accept();
    EXPECT_EQ(settings.introVideo, video);
    EXPECT_EQ(settings.introFrames, 50);
    EXPECT_TRUE(settings.musicFromStart);

    IntroVideoWindow again(settings, dialogs);
    EXPECT_EQ(again.video(), video);  // opens on the album's intro
    again.removeVideo();
    again.accept();
    EXPECT_TRUE(settings.introVideo.isEmpty());
    EXPECT_EQ(settings.introFrames, 0);
}

}  // namespace
}  // namespace xc::ui
