#pragma once

#include "core/record_table.h"
#include "core/records.h"
#include "core/result.h"
#include "effects/text_motion.h"

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace xc {

using TextEffectTable = RecordTable<TextEffectRecord>;

// The text-effect editor's preview surface in its standard layout.
inline constexpr QSize textEffectPreviewSurface{513, 289};

// An effect's caption font on a surface: sizes are chosen on the preview and scale with the
// surface's width.
QFont textEffectFont(const TextEffectRecord& effect, int surfaceWidth);

// The editor's choices for a new effect; defaults as the editor opens.
struct TextEffectDraft {
    QString text = QStringLiteral("此处输入文字");
    QString minute = QStringLiteral("00");  // first two characters of the chosen entry; empty: none
    QString second = QStringLiteral("00");
    QString motionName = motionNames().first();
    QString colorName = QStringLiteral("clWhite");
    QString colorValue = QStringLiteral("16777215");
    QString fontName = QStringLiteral("黑体");
    QString fontSize = QStringLiteral("10");
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// The editor's lists: "00  分" … "59  分", "00  秒" … "59  秒", "10" … "40".
QStringList minuteEntries();
QStringList secondEntries();
QStringList fontSizeEntries();

// "添加特效": checks the draft (the first failure's message is returned and nothing is added),
// then appends the effect with the motion the name selects.
Status addTextEffect(TextEffectTable& effects, const TextEffectDraft& draft,
                     QSize previewSurface = textEffectPreviewSurface);

// The display list's row for an effect.
QStringList textEffectDisplayRow(const TextEffectRecord& effect);

// "删除特效": removes every selected row (0-based), keeping the others in order.
Status deleteTextEffects(TextEffectTable& effects, const QList<int>& selectedRows);
// "全部删除".
void deleteAllTextEffects(TextEffectTable& effects);

// The display list row under the pointer: (pointer y − list top − 22) div 17.
int textEffectRowAt(int pointerY, int listTop);
// Moves the selected rows, in their order, to where they were dropped (see the editor's drag
// rule); returns the rows' new positions. Dropping on the row the drag began changes nothing.
QList<int> moveTextEffects(TextEffectTable& effects, const QList<int>& selectedRows, int dragStartRow, int dropRow);

// The editor's preview: one caption per row on the preview surface, driven by a preview clock
// that advances one album frame per tick. The window pauses between ticks and paints captions().
class TextEffectPreview {
public:
    enum class Mode { Single, Full };  // "dangeyulan", "quanbuyulan"

    // Starts playing `effects` (kept by reference until stop()). Single mode plays the first
    // selected row. captionSizes: each row's caption measured in its font on the surface.
    Status start(TextEffectTable& effects, Mode mode, const QList<int>& selectedRows,
                 const QList<QSize>& captionSizes, QSize surface = textEffectPreviewSurface);
    // One tick; returns false once the preview has ended by itself (every caption that started
    // has stopped again) or is not running.
    bool tick();
    // Every row back to waiting, the captions gone, the clock at "00:00".
    void stop();

    bool running() const { return m_effects != nullptr; }
    int counter() const { return m_counter; }
    const QString& clock() const { return m_clock; }
    const QList<CaptionBox>& captions() const { return m_captions; }

private:
    TextEffectTable* m_effects = nullptr;
    Mode m_mode = Mode::Full;
    int m_selected = -1;
    QSize m_surface;
    QList<CaptionBox> m_captions;
    int m_counter = 0;
    QString m_clock = QStringLiteral("00:00");
    bool m_started = false;
};

}  // namespace xc
