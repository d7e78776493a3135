#include "audio/import_completion.h"

#include "audio/binding.h"

namespace xc {

namespace {

template <typename Record>
QStringList namesOf(const RecordTable<Record>& table)
{
    QStringList names;
    for (const Record& row : table)
        names << row.name;
    return names;
}

}  // namespace

Status completeImport(AlbumModel& model, const Workspace& workspace, AudioBoard board, const SongAndLyricsTables& before,
                      Progress& progress)
{
    pairUnboundByPosition(model);
    const QStringList names = board == AudioBoard::Music ? namesOf(model.music) : namesOf(model.lyrics);
    const Status drawn = redrawBoardTiles(workspace, model.settings, board, names, progress);
    if (!drawn.ok()) {
        model.music = before.music;
        model.lyrics = before.lyrics;
        return drawn;
    }
    model.settings.boardView = kw::boardIcons;
    model.settings.selectedId = kw::none;
    return Status::success();
}

}  // namespace xc
