#pragma once

#include "core/album_model.h"
#include "core/board_views.h"

#include <QString>

namespace xc {

// Songs and LRC lyrics are bound by a shared key: a song's MusicRecord.lyricsKey equals its
// lyrics' LyricsRecord.musicKey and is not "wu". A song has at most one lyrics file; one lyrics
// file may serve several songs.

// A new binding key: the local date and time as text followed by `number`. A key that some row
// already holds (two bindings within one second) gets a further ".2", ".3", … so that separate
// bindings never share a key by accident.
QString newBindingKey(const AlbumModel& model, int number);

// Import pairing: song q and lyrics row q (same position) are bound when both are unbound, each
// pair with its own key.
void pairUnboundByPosition(AlbumModel& model);

// Bind from the music board: the song takes the lyrics row's key (a new one when it has none).
void bindSongToLyrics(AlbumModel& model, qsizetype song, qsizetype lyrics);
// Bind from the lyrics board: the song takes the lyrics row's key (a new one when it has none).
void bindLyricsToSong(AlbumModel& model, qsizetype lyrics, qsizetype song);

// Brings every lyrics row's bound name in line with the songs holding its key: none → unbound,
// one → that song's name, N ≥ 2 → "绑定N个音乐".
void reconcileLyricsRows(AlbumModel& model);

// Unbinds a song; its lyrics row is unbound too unless another song still shares the key.
void unbindSong(AlbumModel& model, qsizetype song);
// Unbinds a lyrics row and every song bound to it.
void unbindLyrics(AlbumModel& model, qsizetype lyrics);
void unbindAll(AlbumModel& model);
// Unbinds every lyrics row holding the key, whatever songs still share it.
void unbindLyricsWithKey(AlbumModel& model, const QString& key);

// Automatic pairing: unbind all, then bind song i to lyrics row i while both exist. Returns the
// notice about songs left unbound, or the empty text when every song is bound.
QString pairAutomatically(AlbumModel& model);

// Which binding command is asked for, and on which board.
enum class BindingCommand { Bind, Unbind, UnbindAll, Automatic };
enum class BindingBoard { Music, Lyrics };

// Whether a binding command may go on; when it may not, `notice` is the message to show (empty:
// the command does nothing silently).
struct CommandCheck {
    bool proceed = false;
    QString notice;
};
CommandCheck checkBindingCommand(BindingCommand command, BindingBoard board, const AlbumModel& model, bool hasSelection);

// The karaoke matching view: song k beside karaoke row k, as many rows as the longer side:
// sequence number, song name, "<--->", karaoke script name.
ListViewRows karaokeMatchingRows(const AlbumModel& model);

}  // namespace xc
