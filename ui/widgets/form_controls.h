#pragma once

#include <QString>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace xc::ui {

// Small controls the windows share.

// The colour choice of the style windows: every named colour with its swatch, the colour number
// as each entry's data, `current` chosen.
QComboBox* colourBox(QWidget* parent, const QString& current);

// "默认": the button that puts one choice of a style window back to its default.
QPushButton* resetButton(QWidget* parent);

// "当前 … 总长 …": a song's current and total time side by side.
QHBoxLayout* songTimesRow(QWidget* parent, QLabel* current, QLabel* total);

}  // namespace xc::ui
