#include "ui/tools/lrc_maker_window.h"

#include "audio/lrc_reader.h"
#include "audio/music_import.h"
#include "audio/song_time_key.h"
#include "core/album_model.h"
#include "core/keywords.h"
#include "templates/startup.h"
#include "tests/support/test_tree.h"
#include "tests/ui/support/recording_dialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace xc::ui {
namespace {

struct LrcMaker {
    explicit LrcMaker(int songs = 1)
    {
        startUp(model, tree.workspace());
        QStringList files{tree.path(QStringLiteral("yinyuegeci/甜蜜蜜.mp3"))};
        if (songs > 1) {
            QFile::copy(files[0], tree.path(QStringLiteral("yinyuegeci/second.mp3")));
            files << tree.path(QStringLiteral("yinyuegeci/second.mp3"));
        }
        EXPECT_TRUE(importMusic(model, tree.workspace(), files).ok());
        tree.writeFile(QStringLiteral("lines.txt"), QStringLiteral("晚风轻轻吹过河岸\n\n星星一颗一颗点亮\n我们坐在小船上\n").toUtf8());
        window = std::make_unique<LrcMakerWindow>(model, tree.workspace(), dialogs);
    }
    QString path(const char* relative) const { return tree.path(QString::fromUtf8(relative)); }
    QList<std::optional<qint64>> times() const
    {
        QList<std::optional<qint64>> all;
        for (const TimedLyricLine& line : window->sheet().lines)
            all << line.timeMs;
        return all;
    }
    QTreeWidget* table() const { return window->findChild<QTreeWidget*>(QStringLiteral("LrcMakerLines")); }

    test::TestTree tree{test::TestTree::Contents::BuiltDataTree};
    AlbumModel model;
    test::RecordingDialogs dialogs;
    std::unique_ptr<LrcMakerWindow> window;
};

TEST(LrcMaker, StampedLinesSaveAsAnLrcTheReaderFindsAtTheirTimes)
{
    LrcMaker maker;
    maker.dialogs.files = {maker.path("lines.txt")};
    maker.window->importLyrics();
    ASSERT_EQ(maker.window->sheet().lines.size(), 3);
    EXPECT_EQ(maker.window->selectedLine(), 0);

    maker.window->stampAt(5230);
    maker.window->stampAt(10000);
    EXPECT_EQ(maker.window->selectedLine(), 2);
    // A line left without a time: saving is refused before any file is chosen.
    maker.dialogs.saveName = maker.path("made.lrc");
    EXPECT_FALSE(maker.window->save());
    EXPECT_EQ(maker.dialogs.messages, QStringList{QStringLiteral("还有 1 行歌词没有时间，全部打点后才能保存")});
    EXPECT_TRUE(maker.dialogs.saveFilters.isEmpty());

    maker.window->stampAt(15990);
    EXPECT_EQ(maker.window->selectedLine(), -1);
    maker.window->stampAt(20000);  // past the last line: nothing to stamp
    EXPECT_EQ(maker.times(), (QList<std::optional<qint64>>{5230, 10000, 15990}));

    // The preview follows the stamps.
    for (const auto& [at, line] : QList<std::pair<qint64, int>>{{0, -1}, {5229, -1}, {5230, 0}, {12000, 1}, {99000, 2}}) {
        maker.window->showAt(at);
        EXPECT_EQ(maker.window->previewLine(), line) << at;
    }

    maker.dialogs.saveName = maker.path("made");  // the extension is added
    ASSERT_TRUE(maker.window->save()) << maker.dialogs.messages.join(' ').toStdString();
    LrcTimedLines read;
    ASSERT_TRUE(read.parse(maker.path("made.lrc")).ok());
    EXPECT_EQ(read.find(songTimeKeyOfMs(5230)), QStringLiteral("晚风轻轻吹过河岸"));
    EXPECT_EQ(read.find(songTimeKeyOfMs(10000)), QStringLiteral("星星一颗一颗点亮"));
    EXPECT_EQ(read.find(songTimeKeyOfMs(15990)), QStringLiteral("我们坐在小船上"));
    EXPECT_EQ(read.find(QStringLiteral("ti")), QStringLiteral("甜蜜蜜"));  // the song's name
    const Result<LyricTimingSheet> again = readLyricsForTiming(maker.path("made.lrc"));
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.value().lines, maker.window->sheet().lines);
    EXPECT_FALSE(maker.window->albumChanged());
    EXPECT_TRUE(maker.model.lyrics.isEmpty());

    // Saving again over its own earlier output asks first.
    maker.dialogs.confirmAnswer = false;
    EXPECT_FALSE(maker.window->save());
    EXPECT_EQ(maker.dialogs.confirmations.size(), 1);

    // Opened again for more work, the file it came from is never written over.
    maker.dialogs.confirmAnswer = true;
    maker.window->importLyrics(maker.path("made.lrc"));
    EXPECT_EQ(maker.dialogs.confirmations.size(), 2);  // the stamps made here would be replaced
    EXPECT_EQ(maker.window->sheet().lines, again.value().lines);
    const QByteArray saved = test::readFile(maker.path("made.lrc"));
    maker.window->selectLine(0);
    maker.window->nudge(100);
    EXPECT_FALSE(maker.window->save());
    EXPECT_TRUE(maker.dialogs.messages.last().contains(QStringLiteral("不能覆盖"))) << maker.dialogs.messages.last().toStdString();
    EXPECT_EQ(test::readFile(maker.path("made.lrc")), saved);
}

TEST(LrcMaker, KeysStampNudgeAndClearTheSelectedLine)
{
    LrcMaker maker;
    maker.window->importLyrics(maker.path("lines.txt"));
    QTreeWidget* table = maker.table();
    ASSERT_NE(table, nullptr);

    // Space stamps only while the song plays.
    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_EQ(maker.dialogs.messages.size(), 1);
    EXPECT_EQ(maker.times()[0], std::nullopt);

    maker.window->stampAt(300);
    maker.window->selectLine(0);
    const QList<std::tuple<Qt::Key, Qt::KeyboardModifiers, std::optional<qint64>>> steps{
        {Qt::Key_Left, Qt::NoModifier, 200},     {Qt::Key_Left, Qt::ShiftModifier, 0},      {Qt::Key_Left, Qt::NoModifier, 0},
        {Qt::Key_Right, Qt::NoModifier, 100},    {Qt::Key_Right, Qt::ShiftModifier, 1100}, {Qt::Key_Delete, Qt::NoModifier, std::nullopt},
        {Qt::Key_Right, Qt::NoModifier, std::nullopt},  // an unstamped line has nothing to nudge
    };
    for (const auto& [key, modifiers, expected] : steps) {
        QTest::keyClick(table, key, modifiers);
        EXPECT_EQ(maker.times()[0], expected) << key;
    }
    EXPECT_EQ(table->topLevelItem(0)->text(1), QStringLiteral("--:--.--"));
    maker.window->stampAt(2500);
    maker.window->selectLine(0);
    maker.window->nudge(-1000);
    EXPECT_EQ(table->topLevelItem(0)->text(1), QStringLiteral("00:01.50"));
}

TEST(LrcMaker, ThePlayingSongGivesTheStampItsPosition)
{
    LrcMaker maker;
    maker.window->importLyrics(maker.path("lines.txt"));
    ASSERT_EQ(maker.window->songPath(), maker.model.music[0].path);
    maker.window->play();
    ASSERT_TRUE(maker.window->isPlaying());
    QTest::qWait(400);
    QTest::keyClick(maker.table(), Qt::Key_Space);
    maker.window->pause();
    ASSERT_TRUE(maker.times()[0].has_value());
    EXPECT_GT(*maker.times()[0], 200);
    EXPECT_LT(*maker.times()[0], 3000);
    EXPECT_EQ(maker.window->selectedLine(), 1);
    EXPECT_TRUE(maker.dialogs.messages.isEmpty()) << maker.dialogs.messages.join(' ').toStdString();
}

TEST(LrcMaker, FilesThatCannotBeUsedAreNamedAndChangeNothing)
{
    LrcMaker maker;
    maker.window->importLyrics(maker.path("lines.txt"));
    maker.window->stampAt(1000);
    const LyricTimingSheet before = maker.window->sheet();
    maker.tree.writeFile(QStringLiteral("broken.lrc"), "[00:01.00]ok\n[0x:02.00]bad\n");

    for (const char* bad : {"missing.txt", "broken.lrc"}) {
        maker.dialogs.files = {maker.path(bad)};
        maker.window->importLyrics();
        ASSERT_FALSE(maker.dialogs.messages.isEmpty()) << bad;
        EXPECT_TRUE(maker.dialogs.messages.last().contains(maker.path(bad))) << maker.dialogs.messages.last().toStdString();
        EXPECT_EQ(maker.window->sheet(), before) << bad;
        EXPECT_EQ(maker.table()->topLevelItemCount(), 3);
    }

    const QString song = maker.window->songPath();
    maker.window->openSongFile(maker.path("lines.txt"));
    EXPECT_TRUE(maker.dialogs.messages.last().contains(maker.path("lines.txt")));
    EXPECT_EQ(maker.window->songPath(), song);
}

TEST(LrcMaker, AddingToTheAlbumBindsTheNewLyricsToTheChosenSongOnly)
{
    LrcMaker maker(2);
    ASSERT_EQ(maker.model.music.count(), 2);
    maker.window->importLyrics(maker.path("lines.txt"));
    maker.window->chooseAlbumSong(1);
    for (qint64 at : {1000, 2000, 3000})
        maker.window->stampAt(at);
    auto* add = maker.window->findChild<QCheckBox*>(QStringLiteral("LrcMakerAddToAlbum"));
    ASSERT_TRUE(add && add->isEnabled());
    add->setChecked(true);
    maker.dialogs.saveName = maker.path("second.lrc");
    ASSERT_TRUE(maker.window->save()) << maker.dialogs.messages.join(' ').toStdString();

    EXPECT_TRUE(maker.window->albumChanged());
    ASSERT_EQ(maker.model.lyrics.count(), 1);
    EXPECT_EQ(maker.model.lyrics[0].path, maker.path("second.lrc"));
    EXPECT_NE(maker.model.music[1].lyricsKey, kw::none);
    EXPECT_EQ(maker.model.lyrics[0].musicKey, maker.model.music[1].lyricsKey);
    EXPECT_EQ(maker.model.lyrics[0].musicName, maker.model.music[1].name);
    // The import's pairing by position must not leave the first song bound as well.
    EXPECT_EQ(maker.model.music[0].lyricsKey, kw::none);

    // A song from outside the album cannot be bound.
    maker.window->openSongFile(maker.path("yinyuegeci/甜蜜蜜.mp3"));
    EXPECT_TRUE(add->isEnabled());  // the same file as an album song counts as that song
    QFile::copy(maker.path("yinyuegeci/甜蜜蜜.mp3"), maker.path("outside.mp3"));
    maker.window->openSongFile(maker.path("outside.mp3"));
    EXPECT_FALSE(add->isEnabled());
    EXPECT_FALSE(add->isChecked());
}

}  // namespace
}  // namespace xc::ui
