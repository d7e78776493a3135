#include "ui/audio/karaoke_style_window.h"

#include "audio/lyric_styles.h"
#include "core/colour_names.h"
#include "core/font_mapping.h"
#include "core/keywords.h"
#include "ui/widgets/form_controls.h"

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

QString flag(bool on)
{
    return on ? kw::flagTrue : kw::flagFalse;
}

}  // namespace

// A line half sung: the sung part in the highlight colour, the rest in the lyric colour.
class KaraokeStyleWindow::Sample : public QWidget {
public:
    explicit Sample(const KaraokeStyleWindow& window, QWidget* parent) : QWidget(parent), m_window(window)
    {
        setFixedSize(420, 120);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const KaraokeStyleRecord style = m_window.style();
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        QFont font = albumFont(style.fontName, std::min(style.fontSize.toInt(), 30),
                               FontStyle{style.bold == kw::flagTrue, style.italic == kw::flagTrue, style.underline == kw::flagTrue});
        p.setFont(font);
        const QString text = style.script == kw::scriptTraditional ? QStringLiteral("晚風輕輕吹過河岸") : QStringLiteral("晚风轻轻吹过河岸");
        const QRect line = rect().adjusted(20, 0, -20, 0);
        p.setPen(colourFromValueText(style.colorValue));
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text);
        p.setClipRect(QRect(line.left(), 0, p.fontMetrics().horizontalAdvance(text) / 2, height()));
        p.setPen(colourFromValueText(style.highlightColorValue, Qt::blue));
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, text);
    }

private:
    const KaraokeStyleWindow& m_window;
};

KaraokeStyleWindow::KaraokeStyleWindow(const KaraokeStyleRecord& row, QWidget* parent)
    : FramedDialog(QStringLiteral("卡拉OK设置"), parent), m_row(row), m_lyricColour(colourBox(body(), row.colorName)),
      m_highlightColour(colourBox(body(), row.highlightColorName)), m_font(new QComboBox(body())), m_size(new QComboBox(body())),
      m_bold(new QCheckBox(QStringLiteral("粗体"), body())), m_italic(new QCheckBox(QStringLiteral("斜体"), body())),
      m_underline(new QCheckBox(QStringLiteral("下划线"), body())),
      m_traditional(new QRadioButton(QStringLiteral("繁体"), body())), m_sample(new Sample(*this, body()))
{
    setObjectName(QStringLiteral("TForm48"));
    m_font->addItems(storedFaceNames());
    m_font->setCurrentText(row.fontName);
    for (int size : styleFontSizes())
        m_size->addItem(QString::number(size));
    m_size->setCurrentText(row.fontSize);
    m_bold->setChecked(row.bold == kw::flagTrue);
    m_italic->setChecked(row.italic == kw::flagTrue);
    m_underline->setChecked(row.underline == kw::flagTrue);
    auto* simplified = new QRadioButton(QStringLiteral("简体"), body());
    auto* scripts = new QButtonGroup(this);
    scripts->addButton(simplified);
    scripts->addButton(m_traditional);
    (row.script == kw::scriptTraditional ? m_traditional : simplified)->setChecked(true);

    auto* styles = new QHBoxLayout;
    for (QCheckBox* box : {m_bold, m_italic, m_underline})
        styles->addWidget(box);
    auto* variant = new QHBoxLayout;
    variant->addWidget(simplified);
    variant->addWidget(m_traditional);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("歌词颜色"), m_lyricColour);
    form->addRow(QStringLiteral("高亮颜色"), m_highlightColour);
    form->addRow(QStringLiteral("字体"), m_font);
    form->addRow(QStringLiteral("大小"), m_size);
    form->addRow(QStringLiteral("字型"), styles);
    form->addRow(QStringLiteral("字体类型"), variant);

    const auto refresh = [this] { m_sample->update(); };
    for (QComboBox* box : {m_lyricColour, m_highlightColour, m_font, m_size})
        connect(box, &QComboBox::currentIndexChanged, this, refresh);
    for (QCheckBox* box : {m_bold, m_italic, m_underline})
        connect(box, &QCheckBox::toggled, this, refresh);
    connect(m_traditional, &QRadioButton::toggled, this, refresh);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addLayout(form);
    top->addWidget(m_sample, 0, Qt::AlignTop);
    bodyLayout()->addLayout(top);
    bodyLayout()->addLayout(okCancelRow());
}

KaraokeStyleRecord KaraokeStyleWindow::style() const
{
    KaraokeStyleRecord style = m_row;
    style.colorName = m_lyricColour->currentText();
    style.colorValue = m_lyricColour->currentData().toString();
    style.highlightColorName = m_highlightColour->currentText();
    style.highlightColorValue = m_highlightColour->currentData().toString();
    style.fontName = m_font->currentText();
    style.fontSize = m_size->currentText();
    style.bold = flag(m_bold->isChecked());
    style.italic = flag(m_italic->isChecked());
    style.underline = flag(m_underline->isChecked());
    style.script = m_traditional->isChecked() ? kw::scriptTraditional : kw::scriptSimplified;
    return style;
}

}  // namespace xc::ui
