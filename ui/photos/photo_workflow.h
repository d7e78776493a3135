#pragma once

#include "core/result.h"

#include <QObject>
#include <QStringList>

class QWidget;

namespace xc {
struct AlbumModel;
class Workspace;
class RandomSource;
}  // namespace xc

namespace xc::ui {

class Dialogs;
class RefillWindows;

// The photo commands of the main window, each running its windows over the core operations:
// "添加相片" (open dialog, import window), "删除" and "全删" (confirmation, refill windows) and the
// single-photo template preview. The main window rebuilds its board when `photosChanged` fires.
// Every notice goes through `dialogs`; a refused file leaves the album as it was.
class PhotoWorkflow : public QObject {
    Q_OBJECT
public:
    PhotoWorkflow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, RandomSource& random,
                  QWidget* parentWindow);

    // "添加相片": asks for files when `files` is empty; then the import window does the work.
    void addPhotos(const QStringList& files = {});
    // "删除" for photo row `row` (0-based; −1 for no selection).
    void deletePhoto(qsizetype row);
    // "全删".
    void deleteAllPhotos();
    // "预览效果" for photo row `row` (0-based; −1 for no selection).
    void previewTemplate(qsizetype row);

    // The refill windows to ask (tests answer them themselves).
    void setRefillWindows(RefillWindows& windows) { m_refillWindows = &windows; }

Q_SIGNALS:
    // The photo table changed (rows added, removed or refilled); the board must be rebuilt.
    void photosChanged();

private:
    void refillThenDelete(qsizetype row);
    // Tells the user about a failed operation; true when it succeeded.
    bool succeeded(const Status& status);

    AlbumModel& m_model;
    const Workspace& m_workspace;
    Dialogs& m_dialogs;
    RandomSource& m_random;
    QWidget* m_parentWindow;
    RefillWindows* m_refillWindows;
};

}  // namespace xc::ui
