#include "ui/effects/text_effect_editor.h"

#include "core/album_model.h"
#include "core/colour_names.h"
#include "core/font_mapping.h"
#include "core/keywords.h"
#include "effects/album_length.h"
#include "render/start_picture.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/theme.h"
#include "ui/widgets/form_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>

namespace xc::ui {

namespace {

// The album's frame rate: the preview moves captions as the album will.
constexpr int previewTickMs = 1000 / 25;

QColor draftColour(const TextEffectDraft& draft)
{
    return colourFromValueText(draft.colorValue);
}

QFont draftFont(const TextEffectDraft& draft)
{
    TextEffectRecord sample;
    sample.fontName = draft.fontName;
    sample.fontSize = draft.fontSize;
    sample.bold = draft.bold ? kw::bold : QString();
    sample.italic = draft.italic ? kw::italic : QString();
    sample.underline = draft.underline ? kw::underline : QString();
    return textEffectFont(sample, textEffectPreviewSurface.width());
}

// The album's own opening picture, so captions are judged against a real frame.
QImage albumPicture(const Workspace& workspace)
{
    const Result<QImage> picture = StartPicture::designed(workspace, textEffectPreviewSurface);
    return picture.ok() ? picture.value() : QImage();
}

}  // namespace

// The preview surface: an album picture with the sample caption, or the moving captions while a
// preview plays.
class TextEffectEditor::Surface : public QWidget {
public:
    Surface(const TextEffectEditor& editor, QImage picture, QWidget* parent)
        : QWidget(parent), m_editor(editor), m_picture(std::move(picture))
    {
        setObjectName(QStringLiteral("Panel_yulan"));
        setFixedSize(textEffectPreviewSurface);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.setRenderHint(QPainter::TextAntialiasing);
        if (m_picture.isNull())
            p.fillRect(rect(), Qt::black);
        else
            p.drawImage(rect(), m_picture);
        const TextEffectPreview& preview = m_editor.preview();
        if (!preview.running()) {
            const TextEffectDraft draft = m_editor.draft();
            p.setFont(draftFont(draft));
            p.setPen(draftColour(draft));
            p.drawText(rect(), Qt::AlignCenter, draft.text);
            return;
        }
        const TextEffectTable& effects = m_editor.effects();
        for (qsizetype row = 0; row < preview.captions().size() && row < effects.count(); ++row) {
            const CaptionBox& box = preview.captions()[row];
            if (!box.visible)
                continue;
            p.setFont(textEffectFont(effects[row], width()));
            p.setPen(colourFromValueText(effects[row].colorValue));
            p.drawText(QRect(box.left, box.top, box.width, box.height), Qt::AlignLeft | Qt::AlignTop, effects[row].text);
        }
        p.setPen(theme::text);
        p.setFont(uiFont(12));
        p.drawText(rect().adjusted(8, 6, -8, -6), Qt::AlignRight | Qt::AlignTop, preview.clock());
    }

private:
    const TextEffectEditor& m_editor;
    QImage m_picture;
};

TextEffectEditor::TextEffectEditor(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, QWidget* parent)
    : FramedDialog(QStringLiteral("文字特效"), parent), m_model(model), m_dialogs(dialogs), m_effects(model.textEffects),
      m_text(new QLineEdit(TextEffectDraft().text, body())), m_minute(new QComboBox(body())), m_second(new QComboBox(body())),
      m_motions(new QListWidget(body())), m_colour(colourBox(body(), TextEffectDraft().colorName)), m_font(new QComboBox(body())),
      m_size(new QComboBox(body())), m_bold(new QCheckBox(QStringLiteral("粗体"), body())),
      m_italic(new QCheckBox(QStringLiteral("斜体"), body())), m_underline(new QCheckBox(QStringLiteral("下划线"), body())),
      m_list(new QTreeWidget(body())),
      m_surface(new Surface(*this, albumPicture(workspace), body())),
      m_stop(dialogButton(QStringLiteral("停止预览"), body()))
{
    setObjectName(QStringLiteral("Unit_weizitexiao"));
    m_list->setObjectName(QStringLiteral("ListView_Label"));
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setHeaderLabels({QStringLiteral("文字内容"), QStringLiteral("出现时间"), QStringLiteral("文字特效"), QStringLiteral("颜色"),
                             QStringLiteral("字体"), QStringLiteral("大小"), QStringLiteral("粗体"), QStringLiteral("斜体"),
                             QStringLiteral("下划线")});
    m_list->viewport()->installEventFilter(this);

    QPushButton* add = dialogButton(QStringLiteral("添加特效"), body());
    QPushButton* remove = dialogButton(QStringLiteral("删除特效"), body());
    QPushButton* removeAll = dialogButton(QStringLiteral("全部删除"), body());
    QPushButton* single = dialogButton(QStringLiteral("单个预览"), body());
    QPushButton* all = dialogButton(QStringLiteral("全部预览"), body());
    QPushButton* back = dialogButton(QStringLiteral("返     回"), body());
    connect(add, &QPushButton::clicked, this, &TextEffectEditor::addEffect);
    connect(remove, &QPushButton::clicked, this, &TextEffectEditor::deleteSelected);
    connect(removeAll, &QPushButton::clicked, this, &TextEffectEditor::deleteAll);
    connect(single, &QPushButton::clicked, this, &TextEffectEditor::previewSelected);
    connect(all, &QPushButton::clicked, this, &TextEffectEditor::previewAll);
    connect(m_stop, &QPushButton::clicked, this, &TextEffectEditor::stopPreview);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    m_stop->setEnabled(false);

    auto* right = new QVBoxLayout;
    right->addWidget(m_surface);
    right->addWidget(m_list, 1);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(buildChoices());
    top->addLayout(right, 1);
    bodyLayout()->addLayout(top, 1);
    QHBoxLayout* buttons = buttonRow({single, all, m_stop, back});
    for (QPushButton* edit : {add, remove, removeAll})
        buttons->insertWidget(buttons->count() - 5, edit);
    bodyLayout()->addLayout(buttons);
    m_editingControls = {m_text, m_minute, m_second, m_motions, m_colour, m_font, m_size, m_bold,
                         m_italic, m_underline, m_list, add, remove, removeAll, single, all};
    for (QPushButton* reset : findChildren<QPushButton*>(QStringLiteral("reset")))
        m_editingControls.append(reset);

    connect(&m_ticker, &QTimer::timeout, this, &TextEffectEditor::onPreviewTick);
    rebuildList();
    resize(1000, 640);
}

TextEffectEditor::~TextEffectEditor()
{
    m_ticker.stop();
    m_preview.stop();
}

QWidget* TextEffectEditor::buildChoices()
{
    auto* panel = new QWidget(body());
    auto* form = new QFormLayout(panel);
    form->setContentsMargins(0, 0, 0, 0);
    form->setLabelAlignment(Qt::AlignRight);
    const auto withReset = [this, panel](QWidget* control, const std::function<void()>& reset) {
        auto* row = new QHBoxLayout;
        row->addWidget(control, 1);
        QPushButton* button = resetButton(panel);
        button->setObjectName(QStringLiteral("reset"));
        connect(button, &QPushButton::clicked, this, reset);
        row->addWidget(button);
        return row;
    };
    const TextEffectDraft defaults;

    m_minute->addItems(minuteEntries());
    m_second->addItems(secondEntries());
    auto* time = new QHBoxLayout;
    time->addWidget(m_minute);
    time->addWidget(m_second);
    m_motions->addItems(motionNames());
    m_motions->setCurrentRow(0);
    m_motions->setFixedHeight(150);
    m_font->addItems(storedFaceNames());
    m_font->setCurrentText(defaults.fontName);
    m_size->addItems(fontSizeEntries());
    m_size->setCurrentText(defaults.fontSize);
    auto* styles = new QHBoxLayout;
    for (QCheckBox* style : {m_bold, m_italic, m_underline})
        styles->addWidget(style);

    form->addRow(QStringLiteral("文字内容"), m_text);
    form->addRow(QStringLiteral("出现时间"), time);
    form->addRow(QStringLiteral("文字特效"), withReset(m_motions, [this] { m_motions->setCurrentRow(0); }));
    form->addRow(QStringLiteral("文字颜色"), withReset(m_colour, [this, defaults] { m_colour->setCurrentText(defaults.colorName); }));
    form->addRow(QStringLiteral("文字字体"), withReset(m_font, [this, defaults] { m_font->setCurrentText(defaults.fontName); }));
    form->addRow(QStringLiteral("文字大小"), withReset(m_size, [this, defaults] { m_size->setCurrentText(defaults.fontSize); }));
    auto* stylesWidget = new QWidget(panel);
    stylesWidget->setLayout(styles);
    form->addRow(QStringLiteral("文字字型"), withReset(stylesWidget, [this] {
                     for (QCheckBox* style : {m_bold, m_italic, m_underline})
                         style->setChecked(false);
                 }));
    panel->setFixedWidth(400);

    // The sample caption follows every choice at once.
    const auto refresh = [this] { m_surface->update(); };
    connect(m_text, &QLineEdit::textChanged, this, refresh);
    for (QComboBox* box : {m_colour, m_font, m_size})
        connect(box, &QComboBox::currentIndexChanged, this, refresh);
    for (QCheckBox* style : {m_bold, m_italic, m_underline})
        connect(style, &QCheckBox::toggled, this, refresh);
    return panel;
}

TextEffectDraft TextEffectEditor::draft() const
{
    TextEffectDraft draft;
    draft.text = m_text->text();
    draft.minute = m_minute->currentText().left(2);
    draft.second = m_second->currentText().left(2);
    draft.motionName = m_motions->currentItem() ? m_motions->currentItem()->text() : QString();
    draft.colorName = m_colour->currentText();
    draft.colorValue = m_colour->currentData().toString();
    draft.fontName = m_font->currentText();
    draft.fontSize = m_size->currentText();
    draft.bold = m_bold->isChecked();
    draft.italic = m_italic->isChecked();
    draft.underline = m_underline->isChecked();
    return draft;
}

void TextEffectEditor::addEffect()
{
    if (const Status added = addTextEffect(m_effects, draft()); !added.ok()) {
        m_dialogs.message(this, added.error());
        return;
    }
    rebuildList({int(m_effects.count() - 1)});
}

void TextEffectEditor::deleteSelected()
{
    if (const Status deleted = deleteTextEffects(m_effects, selectedRows()); !deleted.ok()) {
        m_dialogs.message(this, deleted.error());
        return;
    }
    rebuildList();
}

void TextEffectEditor::deleteAll()
{
    deleteAllTextEffects(m_effects);
    rebuildList();
}

void TextEffectEditor::previewSelected()
{
    startPreview(TextEffectPreview::Mode::Single);
}

void TextEffectEditor::previewAll()
{
    startPreview(TextEffectPreview::Mode::Full);
}

void TextEffectEditor::startPreview(TextEffectPreview::Mode mode)
{
    stopPreview();
    QList<QSize> sizes;
    for (const TextEffectRecord& effect : m_effects)
        sizes.append(QFontMetrics(textEffectFont(effect, textEffectPreviewSurface.width())).size(Qt::TextSingleLine, effect.text));
    if (const Status started = m_preview.start(m_effects, mode, selectedRows(), sizes); !started.ok()) {
        m_dialogs.message(this, started.error());
        return;
    }
    setEditing(false);
    m_ticker.start(previewTickMs);
}

void TextEffectEditor::onPreviewTick()
{
    const bool goesOn = m_preview.tick();
    m_surface->update();
    if (!goesOn)
        stopPreview();
}

void TextEffectEditor::stopPreview()
{
    m_ticker.stop();
    m_preview.stop();
    setEditing(true);
    m_surface->update();
}

void TextEffectEditor::done(int result)
{
    stopPreview();
    // Leaving the editor makes its rows the album's text effects.
    m_model.textEffects = m_effects;
    FramedDialog::done(result);
}

void TextEffectEditor::setEditing(bool editing)
{
    for (QWidget* control : m_editingControls)
        control->setEnabled(editing);
    m_stop->setEnabled(!editing);
}

void TextEffectEditor::rebuildList(const QList<int>& selectRows)
{
    m_list->clear();
    for (const TextEffectRecord& effect : m_effects)
        m_list->addTopLevelItem(new QTreeWidgetItem(textEffectDisplayRow(effect)));
    for (int row : selectRows)
        if (QTreeWidgetItem* item = m_list->topLevelItem(row))
            item->setSelected(true);
    for (int column = 1; column < m_list->columnCount(); ++column)
        m_list->resizeColumnToContents(column);
}

QList<int> TextEffectEditor::selectedRows() const
{
    QList<int> rows;
    for (QTreeWidgetItem* item : m_list->selectedItems())
        rows.append(m_list->indexOfTopLevelItem(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool TextEffectEditor::eventFilter(QObject* watched, QEvent* event)
{
    // Dragging selected rows within the list reorders the effects.
    if (watched == m_list->viewport() && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = m_list->indexAt(mouse->position().toPoint());
        const int row = index.isValid() ? index.row() : int(m_effects.count());
        if (event->type() == QEvent::MouseButtonPress) {
            m_dragStartRow = index.isValid() && m_list->topLevelItem(row)->isSelected() ? row : -1;
        } else if (m_dragStartRow >= 0 && row != m_dragStartRow) {
            const QList<int> moved = moveTextEffects(m_effects, selectedRows(), m_dragStartRow, row);
            m_dragStartRow = -1;
            rebuildList(moved);
            return true;
        }
    }
    return FramedDialog::eventFilter(watched, event);
}

}  // namespace xc::ui
