#include "audio/binding.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>

namespace xc {

namespace {

void unbind(MusicRecord& song)
{
    song.lyricsKey = kw::none;
    song.lyricsName = kw::none;
}

void unbind(LyricsRecord& lyrics)
{
    lyrics.musicKey = kw::none;
    lyrics.musicName = kw::none;
}

bool keyInUse(const AlbumModel& model, const QString& key)
{
    for (const MusicRecord& song : model.music) {
        if (song.lyricsKey == key)
            return true;
    }
    for (const LyricsRecord& lyrics : model.lyrics) {
        if (lyrics.musicKey == key)
            return true;
    }
    return false;
}

void bindPair(AlbumModel& model, qsizetype index, const QString& key)
{
    MusicRecord& song = model.music[index];
    LyricsRecord& lyrics = model.lyrics[index];
    song.lyricsKey = key;
    song.lyricsName = lyrics.name;
    lyrics.musicKey = key;
    lyrics.musicName = song.name;
}

}  // namespace

QString newBindingKey(const AlbumModel& model, int number)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QString key = QLocale::system().toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ')
                      + now.time().toString(QStringLiteral("HH:mm:ss")) + QString::number(number);
    QString unique = key;
    for (int repeat = 2; keyInUse(model, unique); ++repeat)
        unique = key + QLatin1Char('.') + QString::number(repeat);
    return unique;
}

void pairUnboundByPosition(AlbumModel& model)
{
    const qsizetype pairs = std::min(model.music.count(), model.lyrics.count());
    for (qsizetype q = 0; q < pairs; ++q) {
        if (model.music[q].lyricsKey == kw::none && model.lyrics[q].musicKey == kw::none)
            bindPair(model, q, newBindingKey(model, int(q + 1)));
    }
}

void bindSongToLyrics(AlbumModel& model, qsizetype song, qsizetype lyrics)
{
    LyricsRecord& chosen = model.lyrics[lyrics];
    if (chosen.musicKey == kw::none)
        chosen.musicKey = newBindingKey(model, 1);
    model.music[song].lyricsKey = chosen.musicKey;
    model.music[song].lyricsName = chosen.name;
    // Gives the lyrics row the song's name, or the count of songs that share its key.
    reconcileLyricsRows(model);
}

void bindLyricsToSong(AlbumModel& model, qsizetype lyrics, qsizetype song) { bindSongToLyrics(model, song, lyrics); }

void reconcileLyricsRows(AlbumModel& model)
{
    for (LyricsRecord& lyrics : model.lyrics) {
        const MusicRecord* only = nullptr;
        int songs = 0;
        for (const MusicRecord& song : model.music) {
            if (song.lyricsKey != kw::none && song.lyricsKey == lyrics.musicKey) {
                only = &song;
                ++songs;
            }
        }
        if (songs == 0)
            unbind(lyrics);
        else if (songs == 1)
            lyrics.musicName = only->name;
        else
            lyrics.musicName = QStringLiteral("绑定%1个音乐").arg(songs);
    }
}

void unbindSong(AlbumModel& model, qsizetype song)
{
    const QString key = model.music[song].lyricsKey;
    unbind(model.music[song]);
    if (key == kw::none)
        return;
    for (const MusicRecord& other : model.music) {
        if (other.lyricsKey == key)
            return;
    }
    unbindLyricsWithKey(model, key);
}

void unbindLyrics(AlbumModel& model, qsizetype lyrics)
{
    const QString key = model.lyrics[lyrics].musicKey;
    unbind(model.lyrics[lyrics]);
    if (key == kw::none)
        return;
    for (MusicRecord& song : model.music) {
        if (song.lyricsKey == key)
            unbind(song);
    }
}

void unbindLyricsWithKey(AlbumModel& model, const QString& key)
{
    for (LyricsRecord& lyrics : model.lyrics) {
        if (lyrics.musicKey == key)
            unbind(lyrics);
    }
}

void unbindAll(AlbumModel& model)
{
    for (MusicRecord& song : model.music)
        unbind(song);
    for (LyricsRecord& lyrics : model.lyrics)
        unbind(lyrics);
}

QString pairAutomatically(AlbumModel& model)
{
    unbindAll(model);
    pairUnboundByPosition(model);
    qsizetype unboundSongs = 0;
    for (const MusicRecord& song : model.music) {
        if (song.lyricsKey == kw::none)
            ++unboundSongs;
    }
    if (unboundSongs == 0)
        return {};
    return QStringLiteral("添加的歌词数量与添加的音乐数量不一致,还有 %1 个音乐没有绑定").arg(unboundSongs);
}

CommandCheck checkBindingCommand(BindingCommand command, BindingBoard board, const AlbumModel& model, bool hasSelection)
{
    const bool fromMusic = board == BindingBoard::Music;
    if (command == BindingCommand::UnbindAll)
        return {!model.music.isEmpty() && !model.lyrics.isEmpty(), {}};
    // The music table is checked first. The board's own table empty: nothing happens; the other
    // table empty: a notice.
    if (fromMusic) {
        if (model.music.isEmpty())
            return {false, {}};
        if (model.lyrics.isEmpty())
            return {false, QStringLiteral("没有找到歌词文件！")};
    } else {
        if (model.music.isEmpty())
            return {false, QStringLiteral("没有找到音乐文件！")};
        if (model.lyrics.isEmpty())
            return {false, {}};
    }
    if (command != BindingCommand::Automatic && !hasSelection)
        return {false, fromMusic ? QStringLiteral("没有选中音乐文件！") : QStringLiteral("没有选中歌词文件！")};
    return {true, {}};
}

ListViewRows karaokeMatchingRows(const AlbumModel& model)
{
    ListViewRows rows;
    const qsizetype count = std::max(model.music.count(), model.karaoke.count());
    for (qsizetype k = 0; k < count; ++k) {
        rows << QStringList{QString::number(k + 1), k < model.music.count() ? model.music[k].name : QString(),
                            QStringLiteral("<--->"), k < model.karaoke.count() ? model.karaoke[k].name : QString()};
    }
    return rows;
}

}  // namespace xc
