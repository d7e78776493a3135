#pragma once

#include "core/board_views.h"
#include "core/result.h"
#include "ui/shell/framed_dialog.h"

#include <functional>

class QTreeWidget;

namespace xc::ui {

class Dialogs;

// The choices offered when a photo that shares a multi-photo template is deleted: its slot must
// be refilled first.
enum class RefillChoice { Random, Manual, Cancel };

// Tries to refill the slot with the album photo of candidate `index`, or with a new photo file;
// a failure is shown and the window stays open.
struct RefillActions {
    std::function<Status(qsizetype candidate)> withAlbumPhoto;
    std::function<Status(const QString& path)> withNewPhoto;
};

// The refill window and the manual refill window, behind one interface so tests can answer them.
class RefillWindows {
public:
    virtual ~RefillWindows() = default;
    // "确定删除" (random album photo), "手动为模板补充相片" or "取消".
    virtual RefillChoice askRefill(QWidget* parent);
    // The candidates and "从已添加的相片中选择一张用来补充模板", "添加新相片用来补充", "取消";
    // true once a refill was carried out.
    virtual bool refillByHand(QWidget* parent, const ListViewRows& candidates, Dialogs& dialogs, const RefillActions& actions);
};

// The refill window ("删除相片").
class RefillWindow : public FramedDialog {
    Q_OBJECT
public:
    explicit RefillWindow(QWidget* parent = nullptr);
    RefillChoice choice() const { return m_choice; }

private:
    RefillChoice m_choice = RefillChoice::Cancel;
};

// The manual refill window ("删除相片") with its candidate list.
class ManualRefillWindow : public FramedDialog {
    Q_OBJECT
public:
    ManualRefillWindow(const ListViewRows& candidates, Dialogs& dialogs, RefillActions actions, QWidget* parent = nullptr);

private:
    void refillWithSelected();
    void refillWithNewFile();
    // Shows a failure and keeps the window; closes it after a refill.
    void finish(const Status& outcome);

    Dialogs& m_dialogs;
    RefillActions m_actions;
    QTreeWidget* m_list;
};

}  // namespace xc::ui
