#pragma once

#include <QString>
#include <QStringList>

namespace xc {

struct AlbumModel;

// The entries of a "|"-delimited slot list: |heng|shu| gives heng and shu; text before the first
// and after the last "|" is ignored; fewer than two "|" give no entries.
QStringList parseSlotList(const QString& text);

// Marks every catalogue row by its slot orientations and fills the landscape, portrait and
// advanced lists with copies.
void sortTemplates(AlbumModel& model);

// Counts the landscape and portrait slots of every classified row.
void countSlots(AlbumModel& model);

}  // namespace xc
