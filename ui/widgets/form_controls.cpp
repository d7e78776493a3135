#include "ui/widgets/form_controls.h"

#include "core/colour_names.h"
#include "ui/shell/theme.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace xc::ui {

QComboBox* colourBox(QWidget* parent, const QString& current)
{
    auto* box = new QComboBox(parent);
    for (const NamedColour& colour : namedColours()) {
        QPixmap swatch(14, 14);
        swatch.fill(colourFromValue(colour.value));
        box->addItem(QIcon(swatch), QString::fromLatin1(colour.name), QString::number(colour.value));
    }
    box->setCurrentText(current);
    return box;
}

QPushButton* resetButton(QWidget* parent)
{
    auto* button = new QPushButton(QStringLiteral("默认"), parent);
    button->setFixedWidth(52);
    return button;
}

QHBoxLayout* songTimesRow(QWidget* parent, QLabel* current, QLabel* total)
{
    for (QLabel* time : {current, total})
        time->setFont(uiFont(15, true));
    current->setStyleSheet(QStringLiteral("color: %1;").arg(theme::accent.name()));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("当前"), parent));
    row->addWidget(current);
    row->addStretch();
    row->addWidget(new QLabel(QStringLiteral("总长"), parent));
    row->addWidget(total);
    return row;
}

}  // namespace xc::ui
