#pragma once

#include "core/result.h"
#include "templates/template_stage.h"

#include <QList>
#include <QSize>
#include <QString>

#include <memory>

namespace xc {
struct AlbumModel;
struct TemplateRecord;
class Workspace;
}  // namespace xc

namespace xc::ui {

// Lays one template out for playing outside the album: its movie decoded onto a stage of its
// own, the album's start picture, and a picture in every slot — the album photos given, where
// their orientation suits the slot, else the sample photos of the data tree. Pictures are
// fitted as an import fits them, at the size the movie is shown, so staging stays quick.
// The album and its work area are never touched.
class TemplateShowcase {
public:
    TemplateShowcase(const AlbumModel& model, const Workspace& workspace);
    ~TemplateShowcase();

    // Stages `t` with album photo rows `photos` (by priority) for a host of `hostSize` pixels
    // and returns the movie's path; the stage of the previous call is gone.
    Result<QString> stage(const TemplateRecord& t, const QList<qsizetype>& photos, QSize hostSize);

private:
    struct Sample {
        QString path;
        QSize shown;
    };
    const Sample* sampleFor(const QString& slotOrientation);

    const AlbumModel& m_model;
    const Workspace& m_workspace;
    std::unique_ptr<TemplateStage> m_stage;
    QList<Sample> m_landscape, m_portrait;
    int m_turn = 0;
};

}  // namespace xc::ui
