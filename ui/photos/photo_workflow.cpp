#include "ui/photos/photo_workflow.h"

#include "core/album_model.h"
#include "core/board_views.h"
#include "core/keywords.h"
#include "photos/photo_deletion.h"
#include "photos/photo_import.h"
#include "ui/photos/refill_windows.h"
#include "ui/photos/template_preview_window.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/import_window.h"

#include <QApplication>

namespace xc::ui {

namespace {

const QString deleteCaption = QStringLiteral("删除相片");
const QString deleteButton = QStringLiteral("确定删除");

RefillWindows& defaultRefillWindows()
{
    static RefillWindows windows;
    return windows;
}

// Short photo operations run with a busy pointer instead of a window of their own.
template <typename Operation>
Status busy(Operation operation)
{
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const Status status = operation();
    QApplication::restoreOverrideCursor();
    return status;
}

}  // namespace

PhotoWorkflow::PhotoWorkflow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, RandomSource& random,
                             QWidget* parentWindow)
    : QObject(parentWindow), m_model(model), m_workspace(workspace), m_dialogs(dialogs), m_random(random),
      m_parentWindow(parentWindow), m_refillWindows(&defaultRefillWindows())
{
}

bool PhotoWorkflow::succeeded(const Status& status)
{
    if (!status.ok())
        m_dialogs.message(m_parentWindow, status.error());
    return status.ok();
}

void PhotoWorkflow::addPhotos(const QStringList& files)
{
    const QStringList chosen = files.isEmpty() ? m_dialogs.openPhotoFiles(m_parentWindow) : files;
    if (chosen.isEmpty())
        return;
    const Status imported = ImportWindow::run(m_parentWindow, [&](Progress& progress) {
        return importPhotos(m_model, m_workspace, chosen, progress, m_random);
    });
    if (!succeeded(imported))
        return;
    m_model.settings.boardView = kw::boardIcons;
    Q_EMIT photosChanged();
}

void PhotoWorkflow::deletePhoto(qsizetype row)
{
    if (m_model.photos.isEmpty())
        return;
    if (row < 0 || row >= m_model.photos.count()) {
        m_dialogs.message(m_parentWindow, QStringLiteral("没有选中相片文件！"));
        return;
    }
    if (!m_dialogs.confirm(m_parentWindow, deleteCaption, QStringLiteral("确定删除此张相片吗？"), deleteButton))
        return;
    if (xc::deletePhoto(m_model, m_workspace, row) == DeletionOutcome::RefillNeeded)
        refillThenDelete(row);
    else
        Q_EMIT photosChanged();
}

void PhotoWorkflow::refillThenDelete(qsizetype row)
{
    switch (m_refillWindows->askRefill(m_parentWindow)) {
    case RefillChoice::Cancel:
        return;
    case RefillChoice::Random:
        if (succeeded(busy([&] { return refillWithRandomAlbumPhoto(m_model, m_workspace, row, m_random); })))
            Q_EMIT photosChanged();
        return;
    case RefillChoice::Manual:
        break;
    }
    const QList<qsizetype> candidates = refillCandidates(m_model, row);
    ListViewRows rows;
    for (qsizetype candidate : candidates)
        rows.append(photoListRow(m_model.photos[candidate], candidate));
    RefillActions actions;
    actions.withAlbumPhoto = [&](qsizetype index) {
        if (index < 0 || index >= candidates.count())
            return Status::failure(QStringLiteral("没有选中相片文件！"));
        return busy([&] { return refillWithAlbumPhoto(m_model, m_workspace, row, candidates[index]); });
    };
    actions.withNewPhoto = [&](const QString& path) {
        return busy([&] { return refillWithNewPhoto(m_model, m_workspace, row, path); });
    };
    if (m_refillWindows->refillByHand(m_parentWindow, rows, m_dialogs, actions))
        Q_EMIT photosChanged();
}

void PhotoWorkflow::deleteAllPhotos()
{
    if (m_model.photos.isEmpty())
        return;
    if (!m_dialogs.confirm(m_parentWindow, deleteCaption, QStringLiteral("确定删除全部相片吗？"), deleteButton))
        return;
    succeeded(xc::deleteAllPhotos(m_model, m_workspace));
    Q_EMIT photosChanged();
}

void PhotoWorkflow::previewTemplate(qsizetype row)
{
    TemplatePreviewWindow::open(m_parentWindow, m_model, m_workspace, m_dialogs, row);
}

}  // namespace xc::ui
