#pragma once

#include <QtGlobal>

class QWidget;

namespace xc {
struct AlbumModel;
class RandomSource;
class Workspace;
}  // namespace xc

namespace xc::ui {

class Dialogs;

// Everything a tool window works on.
struct ToolContext {
    QWidget* parent = nullptr;
    AlbumModel& model;
    const Workspace& workspace;
    Dialogs& dialogs;
    RandomSource& random;
    qsizetype selectedPhoto = -1;  // the photo board's selection, −1 for none
};

// The tool windows of the command column, behind one seam so that tests note which one a
// command opens instead of running it. Each returns true when it changed the album, so the
// boards are built again.
class ToolWindows {
public:
    virtual ~ToolWindows() = default;
    virtual bool photoCropping(const ToolContext& context);
    virtual bool templateManager(const ToolContext& context);
    virtual bool lyricsMaker(const ToolContext& context);
    virtual bool pictureEffects(const ToolContext& context);
    virtual bool introVideo(const ToolContext& context);
};

}  // namespace xc::ui
