#include "render/lyrics_type_choice.h"

#include "core/album_model.h"

namespace xc {

bool lyricsTypeChoiceNeeded(const AlbumModel& model) { return !model.music.isEmpty() && !model.karaoke.isEmpty(); }

bool lrcLinesShown(const AlbumModel& model, const QString& choice)
{
    return !model.lyrics.isEmpty() && !model.music.isEmpty()
           && (model.karaoke.isEmpty() || choice == lyricsType::lrc || choice == lyricsType::both);
}

bool karaokeShown(const AlbumModel& model, const QString& choice)
{
    return lyricsTypeChoiceNeeded(model) && (choice == lyricsType::karaoke || choice == lyricsType::both);
}

}  // namespace xc
