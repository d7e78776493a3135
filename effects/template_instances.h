#pragma once

#include <QList>
#include <QString>

namespace xc {

struct AlbumModel;
class Workspace;

// One template instance as the render walks it (ListView_moban_shiyong_shuliang).
struct RenderTemplateRecord {
    QString seq, folder, templateIndex, photoCount, package, orientations, jpgNames, frames, movie;
};

// The instance's movie in its working folder: tp_wjj_n/w_j_n + ext1.
QString instanceMoviePath(const Workspace& workspace, const QString& extension, int instance);

// One row per template number 1 … T (T = the template counter); each row takes its fields from
// the last photo of that instance in album order, "0" where no photo carries the number.
QList<RenderTemplateRecord> buildTemplateInstances(const AlbumModel& model, const Workspace& workspace);

}  // namespace xc
