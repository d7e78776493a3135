#include "ui/audio/audio_board_controller.h"

#include "core/album_model.h"
#include "core/keywords.h"
#include "photos/random_source.h"
#include "templates/startup.h"
#include "tests/support/test_tree.h"
#include "tests/ui/support/recording_dialogs.h"
#include "audio/lyric_styles.h"
#include "ui/audio/audio_windows.h"
#include "audio/karaoke_style.h"
#include "audio/karaoke_timeline.h"
#include "audio/song_time_key.h"
#include "ui/audio/karaoke_manager_window.h"
#include "ui/audio/karaoke_style_window.h"
#include "ui/audio/lyric_settings_window.h"
#include "ui/audio/song_preview_window.h"
#include "ui/boards/board_area.h"
#include "ui/boards/tile_board.h"
#include "ui/shell/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <QRadioButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

// Picks the given row in the binding window.
class ScriptedBinding : public AudioWindows {
public:
    std::optional<int> pick;
    std::optional<int> pickPartner(QWidget*, const ListViewRows&, const QString&, Dialogs&) override { return pick; }
};

struct AudioBoards {
    AudioBoards() : window(model, tree.workspace(), dialogs, *random)
    {
        startUp(model, tree.workspace());
        music()->setWindows(binding);
        lyrics()->setWindows(binding);
    }
    AudioBoardController* music() const { return window.audioBoard(BoardKind::Music); }
    AudioBoardController* lyrics() const { return window.audioBoard(BoardKind::Lyrics); }
    QString sample(const char* extension) const { return tree.path(QStringLiteral("yinyuegeci/甜蜜蜜.") + QLatin1String(extension)); }
    QString listCell(BoardKind board, int row, int column) const
    {
        return window.boardArea(board)->listView()->topLevelItem(row)->text(column);
    }

    test::TestTree tree{test::TestTree::Contents::BuiltDataTree};
    AlbumModel model;
    test::RecordingDialogs dialogs;
    ScriptedBinding binding;
    std::unique_ptr<RandomSource> random = seededRandomSource(1);
    MainWindow window;
};

TEST(AudioBoards, ASongAndItsLyricsArePairedShownUnboundAndBoundAgain)
{
    AudioBoards boards;
    boards.window.addFiles({boards.sample("mp3"), boards.sample("lrc")});
    EXPECT_TRUE(boards.dialogs.messages.isEmpty()) << boards.dialogs.messages.join(' ').toStdString();
    ASSERT_EQ(boards.model.music.count(), 1);
    ASSERT_EQ(boards.model.lyrics.count(), 1);
    EXPECT_EQ(boards.music()->board()->count(), 1);
    EXPECT_EQ(boards.lyrics()->board()->count(), 1);
    EXPECT_NE(boards.model.music[0].lyricsKey, kw::none);  // paired by position on import
    EXPECT_EQ(boards.model.music[0].lyricsKey, boards.model.lyrics[0].musicKey);

    boards.model.settings.selectedId = QStringLiteral("0");
    boards.music()->runCommand(AreaCommand::Unbind);
    EXPECT_EQ(boards.dialogs.confirmations, QStringList{QStringLiteral("确定解除绑定吗？")});
    EXPECT_EQ(boards.model.music[0].lyricsKey, kw::none);
    EXPECT_EQ(boards.model.lyrics[0].musicKey, kw::none);
    EXPECT_EQ(boards.listCell(BoardKind::Lyrics, 0, 4), QStringLiteral("未绑定音乐"));

    boards.model.settings.selectedId = QStringLiteral("0");
    boards.binding.pick = 0;
    boards.lyrics()->runCommand(AreaCommand::Bind);
    EXPECT_EQ(boards.model.music[0].lyricsKey, boards.model.lyrics[0].musicKey);
    EXPECT_EQ(boards.model.lyrics[0].musicName, boards.model.music[0].name);
}

TEST(AudioBoards, DeletingASongUnbindsItsLyricsAndNeedsASelection)
{
    AudioBoards boards;
    boards.window.addFiles({boards.sample("mp3"), boards.sample("lrc")});
    boards.model.settings.selectedId = kw::none;
    boards.music()->runCommand(AreaCommand::Delete);
    EXPECT_EQ(boards.dialogs.messages, QStringList{QStringLiteral("没有选中音乐文件！")});

    boards.model.settings.selectedId = QStringLiteral("0");
    boards.dialogs.confirmAnswer = false;
    boards.music()->runCommand(AreaCommand::Delete);
    EXPECT_EQ(boards.model.music.count(), 1);

    // Through the board as a person does it: switch to the music board, press the tile, "删除".
    boards.dialogs.confirmAnswer = true;
    boards.window.resize(1366, 768);
    boards.window.show();
    boards.window.runCommand(Command::ShowMusic);
    TileBoard* tiles = boards.music()->board();
    QTest::mouseMove(tiles, tiles->tileRect(0).center());
    QTest::mouseClick(tiles, Qt::LeftButton, {}, tiles->tileRect(0).center());
    boards.window.boardArea(BoardKind::Music)->commandTriggered(AreaCommand::Delete);
    EXPECT_EQ(boards.dialogs.confirmations.last(), QStringLiteral("确定删除这个音乐文件吗？"));
    EXPECT_TRUE(boards.model.music.isEmpty());
    EXPECT_EQ(boards.music()->board()->count(), 0);
    EXPECT_EQ(boards.model.lyrics[0].musicKey, kw::none);
}

TEST(AudioBoards, AnUnreadableSongIsNamedAndNothingIsAdded)
{
    AudioBoards boards;
    boards.window.addFiles({boards.tree.path(QStringLiteral("yinyuegeci/missing.mp3"))});
    ASSERT_EQ(boards.dialogs.messages.size(), 1);
    EXPECT_TRUE(boards.dialogs.messages[0].contains(QStringLiteral("missing.mp3"))) << boards.dialogs.messages[0].toStdString();
    EXPECT_TRUE(boards.model.music.isEmpty());
}

TEST(LyricSettings, ChoicesMoveTheSampleAndAreKeptOnlyWithOk)
{
    LyricsRecord row;
    applyDefaultLyricStyle(row);
    LyricSettingsWindow window(row);
    const QRect centred = window.sample().geometry;
    int checked = 0;
    for (QRadioButton* button : window.findChildren<QRadioButton*>())
        checked += button->isChecked() ? 1 : 0;
    EXPECT_EQ(checked, 2);  // "居中" and "下面", one in each row
    for (QRadioButton* button : window.findChildren<QRadioButton*>())
        if (button->text() == QStringLiteral("右边") || button->text() == QStringLiteral("上面"))
            button->click();
    for (QComboBox* box : window.findChildren<QComboBox*>())
        if (box->findText(QStringLiteral("20")) >= 0)
            box->setCurrentText(QStringLiteral("20"));
    EXPECT_EQ(window.style().hAlign, kw::alignRight);
    EXPECT_EQ(window.style().vAlign, kw::alignTop);
    EXPECT_EQ(window.style().fontSize, QStringLiteral("20"));
    EXPECT_EQ(window.sample().geometry.top(), 10);
    EXPECT_EQ(window.sample().geometry.left() + window.sample().geometry.width(), 513 - 10);
    EXPECT_GT(window.sample().geometry.height(), centred.height());  // a bigger size, a taller line
    EXPECT_EQ(row.hAlign, kw::alignCentre);  // the row itself waits for "确定"
}

TEST(KaraokeManager, ImportsPreviewsInTimeAndDeletes)
{
    AudioBoards boards;
    boards.window.addFiles({boards.sample("mp3")});
    KaraokeManagerWindow manager(boards.model, boards.tree.workspace(), boards.dialogs);
    boards.dialogs.files = {boards.sample("ksc")};
    manager.importScripts();
    ASSERT_EQ(boards.model.karaoke.count(), 1);
    ASSERT_EQ(manager.scriptList()->topLevelItemCount(), 1);
    EXPECT_EQ(manager.scriptList()->topLevelItem(0)->text(6), QStringLiteral("使用"));  // bold by default

    manager.play();
    EXPECT_EQ(boards.dialogs.messages.last(), QStringLiteral("没有导入卡拉OK歌词文件！"));  // none chosen yet
    manager.chooseScript(0);
    // The first line (00:05–00:10) appears a second early and is half sung by 00:07.
    for (qint64 ms = 0; ms <= 7000; ms += 40)
        manager.showAt(ms);
    EXPECT_EQ(manager.currentTime(), QStringLiteral("00:00:07"));
    const KaraokeDisplay& display = manager.timeline().display();
    EXPECT_TRUE(display.lineA.visible);
    EXPECT_EQ(display.lineA.text.trimmed(), QStringLiteral("晚风轻轻吹过河岸"));
    EXPECT_GT(display.highlightA.geometry.width(), 0);
    EXPECT_LT(display.highlightA.geometry.width(), display.lineA.geometry.width());

    manager.scriptList()->topLevelItem(0)->setSelected(true);
    manager.deleteSelected();
    EXPECT_EQ(boards.dialogs.messages.last(), QStringLiteral("卡拉OK歌词已经删除！"));
    EXPECT_TRUE(boards.model.karaoke.isEmpty());
}

bool sameLabel(const KaraokeLabel& a, const KaraokeLabel& b)
{
    return a.visible == b.visible && (!a.visible || (a.text == b.text && a.geometry == b.geometry));
}

TEST(KaraokeManager, TheHighlightIsTheAlbumsFrameForFrameEvenWithLateTicks)
{
    AudioBoards boards;
    boards.window.addFiles({boards.sample("mp3")});
    KaraokeManagerWindow manager(boards.model, boards.tree.workspace(), boards.dialogs);
    boards.dialogs.files = {boards.sample("ksc")};
    manager.importScripts();
    manager.chooseScript(0);

    KaraokeTimeline album(manager.timeline().panel());
    ASSERT_TRUE(album.start(boards.model).ok());
    int compared = 0;
    for (int frame = 1; frame <= 12 * albumFramesPerSecond; ++frame) {
        ASSERT_TRUE(album.advanceFrame(boards.model).ok());
        // Ticks land anywhere inside a frame, and every seventh frame none comes at all.
        if (frame % 7 == 0)
            continue;
        manager.showAt(frame * 40 + frame % 3 * 13);
        EXPECT_EQ(manager.shownPositionMs(), frame * 40);
        const KaraokeDisplay& shown = manager.timeline().display();
        const KaraokeDisplay& rendered = album.display();
        ASSERT_TRUE(sameLabel(shown.lineA, rendered.lineA) && sameLabel(shown.highlightA, rendered.highlightA) &&
                    sameLabel(shown.lineB, rendered.lineB) && sameLabel(shown.highlightB, rendered.highlightB))
            << "frame " << frame;
        compared += rendered.highlightA.visible || rendered.highlightB.visible;
    }
    EXPECT_GT(compared, 100);  // the sample's lines were sung in the frames compared
}

TEST(KaraokeStyle, TheChoicesMakeTheRow)
{
    KaraokeStyleRecord row;
    applyDefaultKaraokeStyle(row);
    KaraokeStyleWindow window(row);
    EXPECT_EQ(window.style().bold, kw::flagTrue);
    for (QRadioButton* button : window.findChildren<QRadioButton*>())
        if (button->text() == QStringLiteral("繁体"))
            button->click();
    for (QCheckBox* box : window.findChildren<QCheckBox*>())
        if (box->text() == QStringLiteral("粗体"))
            box->click();
    EXPECT_EQ(window.style().script, kw::scriptTraditional);
    EXPECT_EQ(window.style().bold, kw::flagFalse);
    EXPECT_EQ(window.style().highlightColorName, row.highlightColorName);
}

TEST(SongPreview, ShowsTheLineOfTheCurrentSecondInItsStyle)
{
    AudioBoards boards;
    boards.window.addFiles({boards.sample("mp3"), boards.sample("lrc")});
    SongPreviewWindow preview(SongPreviewWindow::Kind::Lyrics, boards.model, boards.dialogs);
    preview.play();
    EXPECT_EQ(boards.dialogs.messages, QStringList{QStringLiteral("没有选择歌词文件！")});
    preview.chooseLyrics(0);
    preview.chooseSong(0);
    struct Case {
        qint64 ms;
        QString time;
        QString line;
    };
    // Lines come at whole seconds and stay until the next one: 00:05 and 00:10 in the sample.
    for (const Case& c : {Case{4900, "00:04", ""}, Case{5000, "00:05", "晚风轻轻吹过河岸"}, Case{9990, "00:09", "晚风轻轻吹过河岸"},
                          Case{10400, "00:10", "星星一颗一颗点亮"}}) {
        preview.showAt(c.ms);
        EXPECT_EQ(preview.currentTime(), c.time);
        EXPECT_EQ(preview.line().text, c.line) << c.ms;
    }
    EXPECT_EQ(preview.line().colour, QColor(Qt::white));  // the lyrics' default style
    preview.play();
    EXPECT_TRUE(preview.isPlaying());
    preview.stop();
    EXPECT_FALSE(preview.isPlaying());
    EXPECT_EQ(preview.currentTime(), QStringLiteral("00:00"));
}

}  // namespace
}  // namespace xc::ui
