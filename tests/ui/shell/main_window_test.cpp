#include "ui/shell/main_window.h"

#include "core/album_model.h"
#include "core/keywords.h"
#include "photos/random_source.h"
#include "tests/support/test_tree.h"
#include "templates/startup.h"
#include "ui/boards/board_area.h"
#include "ui/shell/side_panel.h"
#include "tests/ui/support/recording_dialogs.h"
#include "tests/ui/support/recording_render_windows.h"
#include "tests/ui/support/recording_tool_windows.h"
#include "ui/render/render_launcher.h"
#include "ui/widgets/hint_button.h"

#include <QDir>
#include <QMap>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : window(model, tree.workspace(), dialogs, *random)
    {
        startUp(model, tree.workspace());
        window.renderLauncher().setWindows(renderWindows);
        window.setToolWindows(toolWindows);
    }

    test::TestTree tree{test::TestTree::Contents::BuiltDataTree};
    AlbumModel model;
    test::RecordingDialogs dialogs;
    test::RecordingRenderWindows renderWindows;
    test::RecordingToolWindows toolWindows;
    std::unique_ptr<RandomSource> random = seededRandomSource(1);
    MainWindow window;
};

enum class Outcome { Karaoke, MusicDialog, LyricsDialog, TextEffects, PictureEffects, IntroVideo, LyricsMaker, NeedsPhotos, PhotoDialog, ExitQuestion, ShowsMusic, ShowsLyrics, ShowsPhotos, Layout, AlbumLength, OtherSettings };

struct CommandCase {
    Command command;
    const char* caption;
    const char* hint;
    Outcome outcome;
};

TEST_F(MainWindowTest, EveryCommandShowsItsCaptionAndHintAndActs)
{
    const QList<CommandCase> cases{
        {Command::AddPhotos, "添加相片", "支持多个相片文件一起添加使用", Outcome::PhotoDialog},
        {Command::AddMusic, "添加音乐", "支持多个音乐文件一起添加使用", Outcome::MusicDialog},
        {Command::AddLyrics, "添加歌词", "支持多个歌词文件一起添加使用", Outcome::LyricsDialog},
        {Command::AlbumLength, "相册长度", "两种同步：以相册长度为准,以音乐长度为准", Outcome::AlbumLength},
        {Command::TextEffects, "文字特效", "支持多条文字特效,支持指定时间显示,颜色,字体,大小,字型等设置", Outcome::TextEffects},
        {Command::Karaoke, "卡拉OK设置", "", Outcome::Karaoke},
        {Command::OtherSettings, "其它设置", "支持PAL,NTSC电视制式,画质效果支持一般画质,高清画质", Outcome::OtherSettings},
        {Command::MakeVcd, "VCD", "画面效果最高达到1280*720", Outcome::NeedsPhotos},
        {Command::MakeSvcd, "SVCD", "画面效果最高达到1280*720", Outcome::NeedsPhotos},
        {Command::MakeDvd, "DVD", "画面效果最高达到1920*1080", Outcome::NeedsPhotos},
        {Command::MakeAvi, "AVI", "画面效果最高达到1920*1080", Outcome::NeedsPhotos},
        {Command::MakeMp4, "MP4", "适合手机、电脑和网络播放，画面效果最高达到1920*1080", Outcome::NeedsPhotos},
        {Command::MakeImageSequence, "序列图", "生成序列图片, 支持输出JPG,BMP,TGA,PCX, 画面效果最高达到1920*1080", Outcome::NeedsPhotos},
        {Command::PictureEffects, "画面特效", "支持多条画面特效,支持指定时间显示", Outcome::PictureEffects},
        {Command::PhotoCropping, "相片剪裁", "对相片剪裁处理,达到高清最佳显示效果", Outcome::NeedsPhotos},
        {Command::TemplateManager, "模板管理", "对模板进行了横照,竖照,单张,多张,全屏效果等更多分类,为相片更换模板或模板指定相片",
         Outcome::NeedsPhotos},
        {Command::IntroVideo, "片头视频", "添加片头视频文件,支持AVI格式的视频文件", Outcome::IntroVideo},
        {Command::LyricsMaker, "歌词制作", "LRC歌词制作,支持导入txt文件,lrc文件,更改歌词时间,预览歌词", Outcome::LyricsMaker},
        {Command::ShowMusic, "音乐区域", "显示音乐文件的缩略图区域", Outcome::ShowsMusic},
        {Command::ShowLyrics, "歌词区域", "显示歌词文件的缩略图区域", Outcome::ShowsLyrics},
        {Command::ShowPhotos, "相片区域", "显示相片文件的缩略图区域", Outcome::ShowsPhotos},
        {Command::StartLayout, "", "启动窗体", Outcome::Layout},
        {Command::RestoredLayout, "", "窗体放大", Outcome::Layout},
        {Command::FullScreenLayout, "", "全屏", Outcome::Layout},
        {Command::Exit, "", "退出软件", Outcome::ExitQuestion},
    };
    dialogs.confirmAnswer = false;
    window.applyLayout(QStringLiteral("kaishibuju"));
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.caption[0] ? c.caption : c.hint);
        HintButton* button = window.commandButton(c.command);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(button->hint(), QString::fromUtf8(c.hint));
        EXPECT_FALSE(button->objectName().isEmpty());

        dialogs.messages.clear();
        dialogs.confirmations.clear();
        dialogs.photoDialogsOpened = 0;
        renderWindows.opened.clear();
        toolWindows.opened.clear();
        dialogs.openFilters.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        switch (c.outcome) {
        case Outcome::PictureEffects:
            EXPECT_EQ(toolWindows.opened, QStringList{QStringLiteral("pictureEffects")});
            break;
        case Outcome::IntroVideo:
            EXPECT_EQ(toolWindows.opened, QStringList{QStringLiteral("introVideo")});
            break;
        case Outcome::LyricsMaker:
            EXPECT_EQ(toolWindows.opened, QStringList{QStringLiteral("lyricsMaker")});
            break;
        case Outcome::NeedsPhotos:
            EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("没有添加相片文件！")});
            EXPECT_TRUE(renderWindows.opened.isEmpty());  // neither the size nor the render window
            EXPECT_TRUE(toolWindows.opened.isEmpty());
            break;
        case Outcome::PhotoDialog:
            EXPECT_EQ(dialogs.photoDialogsOpened, 1);
            EXPECT_TRUE(dialogs.messages.isEmpty());
            break;
        case Outcome::ExitQuestion:
            EXPECT_EQ(dialogs.confirmations, QStringList{QStringLiteral("确定要退出本软件吗？")});
            break;
        case Outcome::ShowsMusic:
            EXPECT_EQ(window.shownBoard(), BoardKind::Music);
            break;
        case Outcome::ShowsLyrics:
            EXPECT_EQ(window.shownBoard(), BoardKind::Lyrics);
            break;
        case Outcome::ShowsPhotos:
            EXPECT_EQ(window.shownBoard(), BoardKind::Photos);
            break;
        case Outcome::Layout:
            EXPECT_TRUE(dialogs.messages.isEmpty());
            break;
        case Outcome::Karaoke:
            EXPECT_EQ(renderWindows.opened, QStringList{QStringLiteral("karaoke")});
            break;
        case Outcome::MusicDialog:
            EXPECT_EQ(dialogs.openFilters, QStringList{QStringLiteral("添加音乐文件(MP3)|*.mp3;")});
            EXPECT_TRUE(dialogs.messages.isEmpty());
            break;
        case Outcome::LyricsDialog:
            EXPECT_EQ(dialogs.openFilters, QStringList{QStringLiteral("添加歌词文件(LRC)|*.lrc;")});
            EXPECT_TRUE(dialogs.messages.isEmpty());
            break;
        case Outcome::TextEffects:
            EXPECT_EQ(renderWindows.opened, QStringList{QStringLiteral("textEffects")});
            break;
        case Outcome::AlbumLength:
            EXPECT_EQ(renderWindows.opened, QStringList{QStringLiteral("albumLength")});
            break;
        case Outcome::OtherSettings:
            EXPECT_EQ(renderWindows.opened, QStringList{QStringLiteral("otherSettings")});
            break;
        }
    }
}

TEST_F(MainWindowTest, MusicAndLyricsCommandsOnEmptyTablesAndSwitchingForgetsTheSelection)
{
    model.settings.selectedId = QStringLiteral("2");
    window.showBoard(BoardKind::Music);
    EXPECT_EQ(model.settings.selectedId, kw::none);
    // With no songs and no lyrics most commands do nothing; binding from the lyrics board says the
    // songs are missing, the previews say what is missing.
    const QMap<QString, QString> notices{{QStringLiteral("音乐预览"), QStringLiteral("没有添加音乐文件,不能音乐预览！")},
                                         {QStringLiteral("歌词预览"), QStringLiteral("没有添加歌词文件,不能歌词预览！")},
                                        };
    const QStringList needSongs{QStringLiteral("绑定"), QStringLiteral("解绑"), QStringLiteral("自动绑")};
    for (BoardKind kind : {BoardKind::Music, BoardKind::Lyrics}) {
        for (HintButton* button : window.boardArea(kind)->buttons()) {
            dialogs.messages.clear();
            dialogs.confirmations.clear();
            window.showBoard(kind);
            QTest::mouseClick(button, Qt::LeftButton);
            QStringList expected;
            if (notices.contains(button->text()))
                expected << notices.value(button->text());
            if (kind == BoardKind::Lyrics && needSongs.contains(button->text()))
                expected << QStringLiteral("没有找到音乐文件！");
            EXPECT_EQ(dialogs.messages, expected) << button->text().toStdString();
            EXPECT_TRUE(dialogs.confirmations.isEmpty()) << button->text().toStdString();
        }
    }
}

TEST_F(MainWindowTest, ConfirmedExitCleansTheWorkingFolders)
{
    dialogs.confirmAnswer = true;
    bool finished = false;
    QObject::connect(&window, &MainWindow::exitFinished, [&] { finished = true; });
    window.requestExit();
    EXPECT_TRUE(QDir(tree.path(QStringLiteral("smxcwjj/tp_wj"))).exists());  // the clean-up waits for the next tick
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 2000));
    EXPECT_FALSE(QDir(tree.path(QStringLiteral("smxcwjj/tp_wj"))).exists());
    EXPECT_FALSE(QDir(tree.path(QStringLiteral("smxcwjj/tp_wjj"))).exists());
}

TEST_F(MainWindowTest, CancelledExitTouchesNothing)
{
    dialogs.confirmAnswer = false;
    bool finished = false;
    QObject::connect(&window, &MainWindow::exitFinished, [&] { finished = true; });
    window.requestExit();
    QTest::qWait(50);
    EXPECT_FALSE(finished);
    EXPECT_TRUE(QDir(tree.path(QStringLiteral("smxcwjj/tp_wj/tp_slt_1"))).exists());
}

TEST_F(MainWindowTest, FilesFromOutsideGoToTheirBoards)
{
    window.addFiles({QStringLiteral("/notes/readme.txt")});
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("没有可以添加的文件：支持JPG相片、MP3音乐、LRC歌词和KSC卡拉OK歌词。")});
    EXPECT_TRUE(model.photos.isEmpty());

    dialogs.messages.clear();
    window.showBoard(BoardKind::Lyrics);
    const QString sample = test::builtPath(QStringLiteral("smxcwjj/samples/landscape_sunset_sea.jpg"));
    window.addFiles({QStringLiteral("/notes/readme.txt"), sample});
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(' ').toStdString();
    ASSERT_EQ(model.photos.count(), 1);
    EXPECT_EQ(model.photos[0].path, sample);
    EXPECT_EQ(dialogs.photoDialogsOpened, 0);  // named files need no dialog
    EXPECT_EQ(window.shownBoard(), BoardKind::Photos);
}

TEST_F(MainWindowTest, BoardMenuCroppingIsTheCommandsCropping)
{
    window.boardArea(BoardKind::Photos)->commandTriggered(AreaCommand::Cropping);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("没有添加相片文件！")});
}

TEST(SidePanel, HelpTextScrollsUpAndStartsAgainBelowTheTop)
{
    SidePanel panel;
    panel.resize(206, 560);
    panel.show();
    const int start = panel.helpTop();
    panel.scrollHelp();
    EXPECT_EQ(panel.helpTop(), start - 1);
    for (int i = 0; i < 5000 && panel.helpTop() != 50; ++i)
        panel.scrollHelp();
    EXPECT_EQ(panel.helpTop(), 50);
}

TEST(SidePanel, LabelsFollowTheSettings)
{
    EXPECT_EQ(qualityLabel(kw::qualityNormal), QStringLiteral("一般画质"));
    EXPECT_EQ(qualityLabel(kw::qualityHigh), QStringLiteral("高清画质"));
    EXPECT_EQ(tvSystemLabel(kw::tvPal), QStringLiteral("PAL制式"));
    EXPECT_EQ(tvSystemLabel(kw::tvNtsc), QStringLiteral("NTSC制式"));
    EXPECT_EQ(albumLengthLabel(kw::syncPhotos), QStringLiteral("相片为准"));
    EXPECT_EQ(albumLengthLabel(kw::syncMusic), QStringLiteral("音乐为准"));
}

}  // namespace
}  // namespace xc::ui
