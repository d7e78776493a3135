#pragma once

#include "render/output_settings.h"
#include "ui/shell/framed_dialog.h"

#include <optional>

class QLabel;
class QListWidget;

namespace xc::ui {

// What the output-size window hands to a launcher.
struct OutputChoice {
    QSize size;
    QString imageFormat;  // "XLTP" only: "JPG", "BMP", "TGA" or "PCX"
};

// "输出相册尺寸": the sizes of the output kind (its default preselected), "默认", "开始制作", and for
// image sequences the format list. Closing it starts nothing.
class OutputSizeWindow : public FramedDialog {
    Q_OBJECT
public:
    OutputSizeWindow(const QString& kind, QWidget* parent = nullptr);
    OutputChoice choice() const;

private:
    void showChoice();

    QString m_kind;
    OutputSizeList m_sizeList;
    QListWidget* m_sizes;
    QListWidget* m_formats = nullptr;
    QLabel* m_sizeDisplay;
    QLabel* m_kindDisplay;
};

}  // namespace xc::ui
