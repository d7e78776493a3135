#pragma once

#include "audio/lyric_styles.h"
#include "core/records.h"
#include "ui/shell/framed_dialog.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace xc::ui {

// "歌词设置": how a lyrics file's lines look on the album — colour, font, size, bold, italic,
// underline, left/centre/right and top/middle/bottom — with the sample "此处歌词内容" following
// every change on a preview of the frame. "确定" keeps the choices, "取消" drops them.
class LyricSettingsWindow : public FramedDialog {
    Q_OBJECT
public:
    explicit LyricSettingsWindow(const LyricsRecord& row, QWidget* parent = nullptr);

    // The row as the choices make it.
    const LyricsRecord& style() const { return m_style; }
    const LrcLabel& sample() const { return m_sample; }

private:
    class Sample;
    void readChoices();

    LyricsRecord m_style;
    LrcLabel m_sample;
    QComboBox* m_colour;
    QComboBox* m_font;
    QComboBox* m_size;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QList<std::pair<QRadioButton*, QString>> m_horizontal;
    QList<std::pair<QRadioButton*, QString>> m_vertical;
    Sample* m_preview;
};

}  // namespace xc::ui
