#include "audio/lyrics_import.h"

#include "audio/import_completion.h"
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

    const SongAndLyricsTables before = SongAndLyricsTables::of(model);
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

    const Status completed = completeImport(model, workspace, AudioBoard::Lyrics, before, progress);
    if (!completed.ok())
        return completed;
    for (const QString& stale : {QStringLiteral("smxcwjj/tp_0/tp_slt_1_0.png"), QStringLiteral("smxcwjj/tp_0/tp_slt_1_1.png")})
        QFile::remove(workspace.path(stale));
    return Status::success();
}

}  // namespace xc
