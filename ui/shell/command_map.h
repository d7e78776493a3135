#pragma once

#include <QList>
#include <QString>

namespace xc::ui {

// What a command of the main window does; the main window maps each to its window or operation.
enum class Command {
    AddPhotos, AddMusic, AddLyrics, AlbumLength, TextEffects, Karaoke, OtherSettings,
    MakeVcd, MakeSvcd, MakeDvd, MakeAvi, MakeMp4, MakeImageSequence,
    PictureEffects, PhotoCropping, TemplateManager, IntroVideo, LyricsMaker,
    ShowPhotos, ShowMusic, ShowLyrics, TemplatePage,
    StartLayout, RestoredLayout, FullScreenLayout, Exit,
};

struct CommandEntry {
    Command command;
    QString objectName;
    QString caption;
    QString hint;  // empty: the command has no hint
};

// The left command column, top to bottom.
const QList<CommandEntry>& commandColumn();
// The bottom row: the three areas and the template page.
const QList<CommandEntry>& bottomRow();
// The title-bar buttons, left to right.
const QList<CommandEntry>& titleButtons();

// True for the commands that open a tool window (photo cropping, template manager, LRC maker,
// picture effects, intro video).
bool isTool(Command command);
// True for the commands that first need photos in the album.
bool needsPhotos(Command command);

inline const QString noPhotosNotice = QStringLiteral("没有添加相片文件！");

}  // namespace xc::ui

namespace xc::ui {

// The three boards of the content area.
enum class BoardKind { Photos, Music, Lyrics };

// The commands above each board and in its context menu.
enum class AreaCommand {
    Tiles, List, Delete, DeleteAll, Preview, Cropping,
    Bind, Unbind, UnbindAll, AutoBind, MusicPreview, LyricsSettings, LyricsPreview,
};

struct AreaCommandEntry {
    AreaCommand command;
    QString caption;
    QString hint;
};

// The buttons above the board, left to right.
const QList<AreaCommandEntry>& areaButtons(BoardKind board);
// The board's context menu, top to bottom (no hints).
const QList<AreaCommandEntry>& contextMenu(BoardKind board);

}  // namespace xc::ui
