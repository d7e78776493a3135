#include "ui/boards/board_area.h"

#include "ui/shell/theme.h"
#include "ui/widgets/hint_button.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QStackedLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace xc::ui {

BoardArea::BoardArea(BoardKind kind, QWidget* board, const QString& listObjectName, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_board(board), m_list(new QTreeWidget(this)), m_stack(new QStackedLayout),
      m_menu(new QMenu(this))
{
    auto* commands = new QHBoxLayout;
    commands->setContentsMargins(0, 0, 0, 0);
    commands->setSpacing(4);
    for (const AreaCommandEntry& entry : areaButtons(kind)) {
        auto* button = new HintButton(entry.caption, entry.hint, this);
        button->setObjectName(QStringLiteral("AreaButton_") + entry.caption);
        button->setFixedHeight(26);
        button->setMinimumWidth(56);
        connect(button, &QPushButton::clicked, this, [this, command = entry.command] { Q_EMIT commandTriggered(command); });
        connect(button, &HintButton::hintRequested, this, &BoardArea::hintRequested);
        connect(button, &HintButton::hintDismissed, this, &BoardArea::hintDismissed);
        commands->addWidget(button);
        m_buttons.append(button);
    }
    commands->addStretch();

    for (const AreaCommandEntry& entry : contextMenu(kind))
        m_menu->addAction(entry.caption, this, [this, command = entry.command] { Q_EMIT commandTriggered(command); });

    m_list->setObjectName(listObjectName);
    m_list->setRootIsDecorated(false);
    m_list->setAlternatingRowColors(true);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->header()->setStretchLastSection(true);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popUpContextMenu(m_list->viewport()->mapToGlobal(at)); });

    board->setParent(this);
    m_stack->addWidget(board);
    m_stack->addWidget(m_list);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addLayout(commands);
    layout->addLayout(m_stack, 1);
}

void BoardArea::showTiles()
{
    m_stack->setCurrentWidget(m_board);
}

void BoardArea::showList()
{
    m_stack->setCurrentWidget(m_list);
    m_list->raise();
}

bool BoardArea::isListShown() const
{
    return m_stack->currentWidget() == m_list;
}

void BoardArea::setListRows(const QStringList& columns, const ListViewRows& rows)
{
    const int selected = selectedListRow();
    m_list->clear();
    m_list->setColumnCount(int(columns.size()));
    m_list->setHeaderLabels(columns);
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const QStringList& row : rows)
        items.append(new QTreeWidgetItem(row));
    m_list->addTopLevelItems(items);
    for (int c = 0; c + 1 < m_list->columnCount(); ++c)
        m_list->resizeColumnToContents(c);
    if (selected >= 0 && selected < m_list->topLevelItemCount())
        m_list->setCurrentItem(m_list->topLevelItem(selected));
}

int BoardArea::selectedListRow() const
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.first());
}

void BoardArea::popUpContextMenu(const QPoint& globalPos)
{
    m_menu->popup(globalPos);
}

}  // namespace xc::ui
