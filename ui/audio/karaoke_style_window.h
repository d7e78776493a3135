#pragma once

#include "core/records.h"
#include "ui/shell/framed_dialog.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace xc::ui {

// "卡拉OK设置" for one script: lyric and highlight colours, font, size, bold/italic/underline and
// simplified or traditional characters, with a sample of the two colours. "确定" keeps them.
class KaraokeStyleWindow : public FramedDialog {
    Q_OBJECT
public:
    explicit KaraokeStyleWindow(const KaraokeStyleRecord& row, QWidget* parent = nullptr);
    // The row as the choices make it.
    KaraokeStyleRecord style() const;

private:
    class Sample;

    KaraokeStyleRecord m_row;
    QComboBox* m_lyricColour;
    QComboBox* m_highlightColour;
    QComboBox* m_font;
    QComboBox* m_size;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QRadioButton* m_traditional;
    Sample* m_sample;
};

}  // namespace xc::ui
