#include "ui/photos/refill_windows.h"

#include "ui/shell/dialogs.h"
#include "ui/shell/theme.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace xc::ui {

namespace {

QLabel* explanation(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setFont(uiFont(14));
    return label;
}

}  // namespace

RefillChoice RefillWindows::askRefill(QWidget* parent)
{
    RefillWindow window(parent);
    window.exec();
    return window.choice();
}

bool RefillWindows::refillByHand(QWidget* parent, const ListViewRows& candidates, Dialogs& dialogs, const RefillActions& actions)
{
    ManualRefillWindow window(candidates, dialogs, actions, parent);
    return window.exec() == QDialog::Accepted;
}

RefillWindow::RefillWindow(QWidget* parent) : FramedDialog(QStringLiteral("删除相片"), parent)
{
    setObjectName(QStringLiteral("TForm10"));
    QPushButton* random = dialogButton(QStringLiteral("确定删除"), body());
    QPushButton* manual = dialogButton(QStringLiteral("手动为模板补充相片"), body());
    QPushButton* cancel = dialogButton(QStringLiteral("取消"), body());
    random->setDefault(true);
    const auto choose = [this](RefillChoice choice) {
        m_choice = choice;
        choice == RefillChoice::Cancel ? reject() : accept();
    };
    connect(random, &QPushButton::clicked, this, [choose] { choose(RefillChoice::Random); });
    connect(manual, &QPushButton::clicked, this, [choose] { choose(RefillChoice::Manual); });
    connect(cancel, &QPushButton::clicked, this, [choose] { choose(RefillChoice::Cancel); });
    bodyLayout()->addWidget(explanation(QStringLiteral("这张相片和其它相片共用一个多张相片模板，删除后模板里会空出一个位置。\n"
                                                 "“确定删除”会从方向相同的相片中随机选一张补上；也可以手动选择补充的相片。"),
                                        body()));
    bodyLayout()->addLayout(buttonRow({random, manual, cancel}));
    setMinimumWidth(480);
}

ManualRefillWindow::ManualRefillWindow(const ListViewRows& candidates, Dialogs& dialogs, RefillActions actions, QWidget* parent)
    : FramedDialog(QStringLiteral("删除相片"), parent), m_dialogs(dialogs), m_actions(std::move(actions)),
      m_list(new QTreeWidget(body()))
{
    setObjectName(QStringLiteral("TForm11"));
    m_list->setObjectName(QStringLiteral("ListView_buchong_xiangpian"));
    m_list->setRootIsDecorated(false);
    m_list->setAlternatingRowColors(true);
    m_list->setHeaderLabels(photoListColumns());
    for (const QStringList& row : candidates)
        m_list->addTopLevelItem(new QTreeWidgetItem(row));
    for (int c = 0; c + 1 < m_list->columnCount(); ++c)
        m_list->resizeColumnToContents(c);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &ManualRefillWindow::refillWithSelected);

    QPushButton* fromAlbum = dialogButton(QStringLiteral("从已添加的相片中选择一张用来补充模板"), body());
    QPushButton* newFile = dialogButton(QStringLiteral("添加新相片用来补充"), body());
    QPushButton* cancel = dialogButton(QStringLiteral("取消"), body());
    connect(fromAlbum, &QPushButton::clicked, this, &ManualRefillWindow::refillWithSelected);
    connect(newFile, &QPushButton::clicked, this, &ManualRefillWindow::refillWithNewFile);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fromAlbum);
    buttons->addWidget(newFile);
    buttons->addStretch();
    buttons->addWidget(cancel);
    bodyLayout()->addWidget(explanation(QStringLiteral("选择一张方向相同的相片补充到模板中："), body()));
    bodyLayout()->addWidget(m_list, 1);
    bodyLayout()->addLayout(buttons);
    resize(760, 420);
}

void ManualRefillWindow::refillWithSelected()
{
    // Without a selection the first candidate is taken.
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    const int index = selected.isEmpty() ? 0 : m_list->indexOfTopLevelItem(selected.first());
    finish(m_actions.withAlbumPhoto(index));
}

void ManualRefillWindow::refillWithNewFile()
{
    const QString path = m_dialogs.openPhotoFile(this);
    if (path.isEmpty())
        return;
    finish(m_actions.withNewPhoto(path));
}

void ManualRefillWindow::finish(const Status& outcome)
{
    if (!outcome.ok()) {
        m_dialogs.message(this, outcome.error());
        return;
    }
    accept();
}

}  // namespace xc::ui
