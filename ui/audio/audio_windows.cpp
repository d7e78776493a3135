#include "ui/audio/audio_windows.h"

#include "ui/audio/lyric_settings_window.h"
#include "ui/shell/dialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace xc::ui {

BindWindow::BindWindow(const ListViewRows& rows, const QString& noSelectionNotice, Dialogs& dialogs, QWidget* parent)
    : FramedDialog(QStringLiteral("绑定"), parent), m_list(new QTreeWidget(body()))
{
    setObjectName(QStringLiteral("TForm15"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QStringLiteral("序号"), QStringLiteral("文件名"), QStringLiteral("类型")});
    for (const QStringList& row : rows)
        m_list->addTopLevelItem(new QTreeWidgetItem(row));
    m_list->resizeColumnToContents(0);
    m_list->setColumnWidth(1, 260);
    QPushButton* ok = dialogButton(QStringLiteral("确定"), body());
    QPushButton* cancel = dialogButton(QStringLiteral("取消"), body());
    ok->setDefault(true);
    const auto take = [this, &dialogs, noSelectionNotice] {
        if (m_list->selectedItems().isEmpty()) {
            dialogs.message(this, noSelectionNotice);
            return;
        }
        m_picked = m_list->indexOfTopLevelItem(m_list->selectedItems().first());
        accept();
    };
    connect(ok, &QPushButton::clicked, this, take);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, take);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    bodyLayout()->addWidget(new QLabel(QStringLiteral("从下面列表中选择一个文件绑定"), body()));
    bodyLayout()->addWidget(m_list, 1);
    bodyLayout()->addLayout(buttonRow({ok, cancel}));
    resize(460, 380);
}

std::optional<int> AudioWindows::pickPartner(QWidget* parent, const ListViewRows& rows, const QString& noSelectionNotice,
                                             Dialogs& dialogs)
{
    BindWindow window(rows, noSelectionNotice, dialogs, parent);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.picked();
}

bool AudioWindows::editLyricStyle(QWidget* parent, LyricsRecord& row)
{
    LyricSettingsWindow window(row, parent);
    if (window.exec() != QDialog::Accepted)
        return false;
    row = window.style();
    return true;
}

}  // namespace xc::ui
