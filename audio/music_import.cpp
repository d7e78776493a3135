#include "audio/music_import.h"

#include "audio/import_completion.h"
#include "audio/imported_file.h"
#include "audio/song_time_key.h"
#include "media/song_pcm_decoder.h"

namespace xc {

QString musicDurationText(qint64 lengthMs)
{
    const qint64 seconds = lengthMs / 1000;
    return QStringLiteral("00:") + twoDigits(seconds / 60) + QLatin1Char(':') + twoDigits(seconds % 60);
}

QString musicFrameCount(qint64 lengthMs) { return QString::number(lengthMs / 1000 * albumFramesPerSecond); }

Status importMusic(AlbumModel& model, const Workspace& workspace, const QStringList& files, Progress& progress)
{
    if (files.isEmpty())
        return Status::success();
    QList<qint64> lengths;
    for (const QString& file : files) {
        const Result<qint64> length = measureSongLengthMs(file);
        if (!length.ok())
            return Status::failure(length.error());
        lengths << length.value();
    }

    const SongAndLyricsTables before = SongAndLyricsTables::of(model);
    progress.setTotal(int(files.size() + model.music.count() + files.size()));
    for (qsizetype i = 0; i < files.size(); ++i) {
        const ImportedFileNames file = importedFileNames(files.at(i));
        model.music.append(MusicRecord{QString::number(model.music.count() + 1), file.name, file.ext, file.path,
                                       musicDurationText(lengths.at(i)), musicFrameCount(lengths.at(i)), kw::none,
                                       kw::none});
        progress.advance();
    }

    return completeImport(model, workspace, AudioBoard::Music, before, progress);
}

}  // namespace xc
