#pragma once

#include "core/board_views.h"
#include "ui/shell/command_map.h"

#include <QWidget>

class QMenu;
class QStackedLayout;
class QTreeWidget;

namespace xc::ui {

class HintButton;

// One content area of the main window: its row of commands, its tile board and its list form
// laid over the board. Commands from the buttons and from the context menu arrive as one signal.
class BoardArea : public QWidget {
    Q_OBJECT
public:
    // `board` is the area's tile board; the area takes it over.
    BoardArea(BoardKind kind, QWidget* board, const QString& listObjectName, QWidget* parent = nullptr);

    BoardKind kind() const { return m_kind; }
    QWidget* board() const { return m_board; }
    QTreeWidget* listView() const { return m_list; }
    QList<HintButton*> buttons() const { return m_buttons; }

    void showTiles();
    void showList();
    bool isListShown() const;

    // Rebuilds the list form from the rows the core derives; keeps the selected row where it can.
    void setListRows(const QStringList& columns, const ListViewRows& rows);
    // The list's selected row, −1 for none.
    int selectedListRow() const;

    // Opens the board's context menu at `globalPos`.
    void popUpContextMenu(const QPoint& globalPos);

Q_SIGNALS:
    void commandTriggered(AreaCommand command);
    void hintRequested(const QString& hint);
    void hintDismissed();

private:
    BoardKind m_kind;
    QWidget* m_board;
    QTreeWidget* m_list;
    QStackedLayout* m_stack;
    QMenu* m_menu;
    QList<HintButton*> m_buttons;
};

}  // namespace xc::ui
