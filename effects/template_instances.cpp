#include "effects/template_instances.h"

#include "core/album_model.h"
#include "core/workspace.h"
#include "templates/materialisation.h"

namespace xc {

QString instanceMoviePath(const Workspace& workspace, const QString& extension, int instance)
{
    const QString n = QString::number(instance);
    return instanceFolderPath(workspace, n) + instanceMovieName(n, extension);
}

QList<RenderTemplateRecord> buildTemplateInstances(const AlbumModel& model, const Workspace& workspace)
{
    const int count = qMax(0, model.settings.templateCounter.toInt());
    const QString zero = QStringLiteral("0");
    QList<RenderTemplateRecord> rows;
    rows.reserve(count);
    for (int n = 1; n <= count; ++n) {
        const QString number = QString::number(n);
        RenderTemplateRecord row{number, number, zero, zero, zero, zero, zero, zero,
                                 instanceMoviePath(workspace, model.settings.ext1, n)};
        for (const PhotoRecord& photo : model.photos) {
            if (photo.templateFolder != number)
                continue;
            row.templateIndex = photo.templateIndex;
            row.photoCount = photo.templatePhotoCount;
            row.package = photo.templatePackage;
            row.orientations = photo.templateOrientations;
            row.jpgNames = photo.templateJpgNames;
            row.frames = photo.templateFrames;
        }
        rows.append(row);
    }
    return rows;
}

}  // namespace xc
