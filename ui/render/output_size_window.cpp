#include "ui/render/output_size_window.h"

#include "core/keywords.h"
#include "ui/shell/theme.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace xc::ui {

OutputSizeWindow::OutputSizeWindow(const QString& kind, QWidget* parent)
    : FramedDialog(QStringLiteral("输出相册尺寸"), parent), m_kind(kind), m_sizeList(outputSizeList(kind)),
      m_sizes(new QListWidget(body())), m_sizeDisplay(new QLabel(body())), m_kindDisplay(new QLabel(body()))
{
    m_sizes->setObjectName(QStringLiteral("ListBox_chicun"));
    for (const QSize& size : m_sizeList.sizes)
        m_sizes->addItem(outputSizeEntry(size));
    m_sizes->setCurrentRow(m_sizeList.defaultIndex);
    connect(m_sizes, &QListWidget::currentRowChanged, this, &OutputSizeWindow::showChoice);

    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(16);
    auto* sizeTitle = new QLabel(QStringLiteral("相册尺寸"), body());
    lists->addWidget(sizeTitle, 0, 0);
    lists->addWidget(m_sizes, 1, 0);
    if (kind == kw::kindImages) {
        m_formats = new QListWidget(body());
        m_formats->setObjectName(QStringLiteral("ListBox_geshi"));
        m_formats->addItems(imageSequenceFormats());
        m_formats->setCurrentRow(0);
        connect(m_formats, &QListWidget::currentRowChanged, this, &OutputSizeWindow::showChoice);
        lists->addWidget(new QLabel(QStringLiteral("图片格式"), body()), 0, 1);
        lists->addWidget(m_formats, 1, 1);
    }
    // Every size is in view at once; the choice reads beside the lists.
    m_sizes->setMinimumHeight(8 * m_sizes->sizeHintForRow(0) + 6);
    auto* displays = new QGridLayout;
    displays->addWidget(new QLabel(QStringLiteral("当前输出相册尺寸："), body()), 0, 0);
    displays->addWidget(m_sizeDisplay, 1, 0);
    displays->addWidget(new QLabel(QStringLiteral("输出电子相册类型："), body()), 2, 0);
    displays->addWidget(m_kindDisplay, 3, 0);
    displays->setRowStretch(4, 1);
    lists->addLayout(displays, 1, lists->columnCount());
    lists->setColumnStretch(lists->columnCount() - 1, 1);
    for (QLabel* value : {m_sizeDisplay, m_kindDisplay}) {
        value->setFont(uiFont(14, true));
        value->setStyleSheet(QStringLiteral("color: %1;").arg(theme::accent.name()));
    }

    QPushButton* reset = dialogButton(QStringLiteral("默认"), body());
    QPushButton* start = dialogButton(QStringLiteral("开始制作"), body());
    start->setDefault(true);
    connect(reset, &QPushButton::clicked, this, [this] { m_sizes->setCurrentRow(m_sizeList.defaultIndex); });
    connect(start, &QPushButton::clicked, this, &QDialog::accept);

    bodyLayout()->addLayout(lists);
    bodyLayout()->addLayout(buttonRow({reset, start}));
    resize(kind == kw::kindImages ? 730 : 660, 290);
    showChoice();
}

OutputChoice OutputSizeWindow::choice() const
{
    OutputChoice choice;
    choice.size = m_sizeList.sizes.value(std::max(0, m_sizes->currentRow()));
    if (m_formats)
        choice.imageFormat = m_formats->currentItem() ? m_formats->currentItem()->text() : imageSequenceFormats().first();
    return choice;
}

void OutputSizeWindow::showChoice()
{
    const OutputChoice current = choice();
    m_sizeDisplay->setText(outputSizeEntry(current.size));
    // For image sequences the format stands where the kind would.
    m_kindDisplay->setText(m_formats ? current.imageFormat : m_kind);
}

}  // namespace xc::ui
