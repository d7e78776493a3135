#include "audio/lyrics_import.h"

#include "audio/binding.h"
#include "audio/board_thumbnails.h"
#include "audio/imported_file.h"
#include "audio/lyric_styles.h"

#include <QFile>

namespace xc {

Status importLyrics(AlbumModel& model, const Workspace& workspace, const QStringList& files, Progress& progress)
{
    if (files.isEmpty())
        return Status::success();
    const Status readable = checkReadableFiles(files, QStringLiteral("歌词文件"));
    if (!readable.ok())
        return readable;

    // Bindings made by the pairing are undone with the rows when a thumbnail cannot be saved.
    const RecordTable<MusicRecord> musicBefore = model.music;
    const RecordTable<LyricsRecord> lyricsBefore = model.lyrics;
    progress.setTotal(int(files.size() + model.lyrics.count() + files.size()));
    for (const QString& file : files) {
        const ImportedFileNames names = importedFileNames(file);
        LyricsRecord row;
        row.seq = QString::number(model.lyrics.count() + 1);
        row.name = names.name;
        row.ext = names.ext;
        row.path = names.path;
        row.musicKey = kw::none;
        row.musicName = kw::none;
        applyDefaultLyricStyle(row);
        model.lyrics.append(row);
        progress.advance();
    }

    pairUnboundByPosition(model);
    QStringList names;
    for (const auto& row : model.lyrics)
        names << row.name;
    const Status drawn = redrawBoardTiles(workspace, model.settings, AudioBoard::Lyrics, names, progress);
    if (!drawn.ok()) {
        model.music = musicBefore;
        model.lyrics = lyricsBefore;
        return drawn;
    }
    for (const QString& stale : {QStringLiteral("smxcwjj/tp_0/tp_slt_1_0.png"), QStringLiteral("smxcwjj/tp_0/tp_slt_1_1.png")})
        QFile::remove(workspace.path(stale));
    model.settings.boardView = kw::boardIcons;
    model.settings.selectedId = kw::none;
    return Status::success();
}

}  // namespace xc
