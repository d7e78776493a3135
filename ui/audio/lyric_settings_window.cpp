#include "ui/audio/lyric_settings_window.h"

#include "core/colour_names.h"
#include "core/font_mapping.h"
#include "core/keywords.h"
#include "ui/widgets/form_controls.h"
#include "ui/shell/theme.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace xc::ui {

namespace {

constexpr QSize samplePanel(513, 289);
const QString sampleText = QStringLiteral("此处歌词内容");

}  // namespace

// A frame-shaped stage with the sample line where the style puts it.
class LyricSettingsWindow::Sample : public QWidget {
public:
    Sample(const LrcLabel& label, QWidget* parent) : QWidget(parent), m_label(label) { setFixedSize(samplePanel); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QLinearGradient stage(0, 0, width(), height());
        stage.setColorAt(0, QColor(58, 84, 120));
        stage.setColorAt(1, QColor(150, 110, 90));
        p.fillRect(rect(), stage);
        p.setRenderHint(QPainter::TextAntialiasing);
        paintLrcLabel(p, m_label);
    }

private:
    const LrcLabel& m_label;
};

LyricSettingsWindow::LyricSettingsWindow(const LyricsRecord& row, QWidget* parent)
    : FramedDialog(QStringLiteral("歌词设置"), parent), m_style(row), m_colour(colourBox(body(), row.colorName)),
      m_font(new QComboBox(body())), m_size(new QComboBox(body())), m_bold(new QCheckBox(QStringLiteral("粗体"), body())),
      m_italic(new QCheckBox(QStringLiteral("斜体"), body())), m_underline(new QCheckBox(QStringLiteral("下划线"), body())),
      m_preview(new Sample(m_sample, body()))
{
    setObjectName(QStringLiteral("TForm16"));
    LyricsRecord defaults;
    applyDefaultLyricStyle(defaults);

    m_font->addItems(storedFaceNames());
    for (int size : styleFontSizes())
        m_size->addItem(QString::number(size));
    m_font->setCurrentText(row.fontName);
    m_size->setCurrentText(row.fontSize);
    m_bold->setChecked(row.bold == kw::bold);
    m_italic->setChecked(row.italic == kw::italic);
    m_underline->setChecked(row.underline == kw::underline);

    const auto radioRow = [this](QList<std::pair<QRadioButton*, QString>>& group, const QList<std::pair<QString, QString>>& choices,
                                 const QString& current) {
        auto* layout = new QHBoxLayout;
        // Each placement row is a group of its own: left/right does not compete with top/bottom.
        auto* exclusive = new QButtonGroup(this);
        for (const auto& [caption, value] : choices) {
            auto* button = new QRadioButton(caption, body());
            exclusive->addButton(button);
            button->setChecked(current == value);
            connect(button, &QRadioButton::toggled, this, &LyricSettingsWindow::readChoices);
            layout->addWidget(button);
            group.append({button, value});
        }
        return layout;
    };
    const auto withReset = [this](QLayout* controls, const std::function<void()>& reset) {
        auto* layout = new QHBoxLayout;
        layout->addLayout(controls, 1);
        QPushButton* button = resetButton(body());
        connect(button, &QPushButton::clicked, this, reset);
        layout->addWidget(button);
        return layout;
    };
    const auto single = [](QWidget* control) {
        auto* layout = new QHBoxLayout;
        layout->addWidget(control);
        return layout;
    };
    auto* styles = new QHBoxLayout;
    for (QCheckBox* box : {m_bold, m_italic, m_underline})
        styles->addWidget(box);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("歌词颜色"), withReset(single(m_colour), [this, defaults] { m_colour->setCurrentText(defaults.colorName); }));
    form->addRow(QStringLiteral("歌词字体"), withReset(single(m_font), [this, defaults] { m_font->setCurrentText(defaults.fontName); }));
    form->addRow(QStringLiteral("歌词大小"), withReset(single(m_size), [this, defaults] { m_size->setCurrentText(defaults.fontSize); }));
    form->addRow(QStringLiteral("字型"), withReset(styles, [this] {
                     m_bold->setChecked(true);
                     m_italic->setChecked(false);
                     m_underline->setChecked(false);
                 }));
    form->addRow(QStringLiteral("左右位置"),
                 withReset(radioRow(m_horizontal,
                                    {{QStringLiteral("左边"), kw::alignLeft}, {QStringLiteral("居中"), kw::alignCentre}, {QStringLiteral("右边"), kw::alignRight}},
                                    row.hAlign),
                           [this] { m_horizontal[1].first->setChecked(true); }));
    form->addRow(QStringLiteral("上下位置"),
                 withReset(radioRow(m_vertical,
                                    {{QStringLiteral("上面"), kw::alignTop}, {QStringLiteral("中间"), kw::alignMiddle}, {QStringLiteral("下面"), kw::alignBottom}},
                                    row.vAlign),
                           [this] { m_vertical[2].first->setChecked(true); }));

    for (QComboBox* box : {m_colour, m_font, m_size})
        connect(box, &QComboBox::currentIndexChanged, this, &LyricSettingsWindow::readChoices);
    for (QCheckBox* box : {m_bold, m_italic, m_underline})
        connect(box, &QCheckBox::toggled, this, &LyricSettingsWindow::readChoices);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addLayout(form);
    top->addWidget(m_preview);
    bodyLayout()->addLayout(top);
    bodyLayout()->addLayout(okCancelRow());
    readChoices();
}

void LyricSettingsWindow::readChoices()
{
    m_style.colorName = m_colour->currentText();
    m_style.colorValue = m_colour->currentData().toString();
    m_style.fontName = m_font->currentText();
    m_style.fontSize = m_size->currentText();
    m_style.bold = m_bold->isChecked() ? kw::bold : kw::none;
    m_style.italic = m_italic->isChecked() ? kw::italic : kw::none;
    m_style.underline = m_underline->isChecked() ? kw::underline : kw::none;
    for (const auto& [button, value] : m_horizontal)
        if (button->isChecked())
            m_style.hAlign = value;
    for (const auto& [button, value] : m_vertical)
        if (button->isChecked())
            m_style.vAlign = value;
    m_sample = applyLrcStyle(m_style, sampleText, samplePanel, m_sample.geometry.topLeft());
    m_preview->update();
}

}  // namespace xc::ui
