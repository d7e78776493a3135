#pragma once

#include "core/board_views.h"
#include "core/records.h"
#include "ui/shell/framed_dialog.h"

#include <optional>

class QTreeWidget;

namespace xc::ui {

class Dialogs;

// The binding window "绑定": the rows of the other table, one to pick. "确定" without a pick
// shows `noSelectionNotice` and keeps the window open.
class BindWindow : public FramedDialog {
    Q_OBJECT
public:
    BindWindow(const ListViewRows& rows, const QString& noSelectionNotice, Dialogs& dialogs, QWidget* parent = nullptr);
    int picked() const { return m_picked; }

private:
    QTreeWidget* m_list;
    int m_picked = -1;
};

// The music and lyrics boards' own windows, behind one interface so tests can answer them.
class AudioWindows {
public:
    virtual ~AudioWindows() = default;
    // The row picked in the binding window; nothing when it was cancelled.
    virtual std::optional<int> pickPartner(QWidget* parent, const ListViewRows& rows, const QString& noSelectionNotice,
                                           Dialogs& dialogs);
    // "歌词设置" on a lyrics row; true when the row took the new style.
    virtual bool editLyricStyle(QWidget* parent, LyricsRecord& row);
};

}  // namespace xc::ui
