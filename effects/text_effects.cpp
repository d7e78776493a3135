#include "effects/text_effects.h"

#include "core/font_mapping.h"
#include "core/keywords.h"
#include "effects/album_length.h"

#include <algorithm>

namespace xc {

namespace {

QStringList twoDigitEntries(const QString& suffix)
{
    QStringList entries;
    for (int i = 0; i < 60; ++i)
        entries << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')) + suffix;
    return entries;
}

QString flag(bool on, const QString& keyword) { return on ? keyword : QStringLiteral("0"); }

QList<int> sortedUnique(QList<int> rows, qsizetype count)
{
    rows.erase(std::remove_if(rows.begin(), rows.end(), [count](int row) { return row < 0 || row >= count; }), rows.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

const QString noSelection = QStringLiteral("没有选中已添加的特效！");

}  // namespace

QFont textEffectFont(const TextEffectRecord& effect, int surfaceWidth)
{
    return albumFont(effect.fontName, effect.fontSize.toInt() * surfaceWidth / textEffectPreviewSurface.width(),
                     FontStyle{effect.bold == kw::bold, effect.italic == kw::italic, effect.underline == kw::underline});
}

QStringList minuteEntries() { return twoDigitEntries(QStringLiteral("  分")); }
QStringList secondEntries() { return twoDigitEntries(QStringLiteral("  秒")); }

QStringList fontSizeEntries()
{
    QStringList entries;
    for (int size = 10; size <= 40; ++size)
        entries << QString::number(size);
    return entries;
}

Status addTextEffect(TextEffectTable& effects, const TextEffectDraft& draft, QSize previewSurface)
{
    if (draft.text.isEmpty())
        return Status::failure(QStringLiteral("没有输入文字内容！"));
    if (draft.minute.isEmpty() || draft.second.isEmpty())
        return Status::failure(QStringLiteral("(文字出现时间)不能为空！"));
    const std::optional<MotionChoice> motion = motionForName(draft.motionName, previewSurface);
    if (!motion)
        return Status::failure(QStringLiteral("(文字特效)不能为空！"));
    if (draft.fontName.isEmpty())
        return Status::failure(QStringLiteral("(文字字体)不能为空！"));
    if (draft.fontSize.isEmpty())
        return Status::failure(QStringLiteral("(文字大小)不能为空！"));

    TextEffectRecord effect;
    effect.text = draft.text;
    effect.startTime = draft.minute.left(2) + QLatin1Char(':') + draft.second.left(2);
    effect.endTime = QStringLiteral("暂无");
    effect.state = kw::stopped;
    effect.motionName = motion->keyword;
    effect.x = QString::number(motion->x);
    effect.y = QString::number(motion->y);
    effect.effectName = draft.motionName;
    effect.colorName = draft.colorName;
    effect.fontName = draft.fontName;
    effect.fontSize = draft.fontSize;
    effect.bold = flag(draft.bold, kw::bold);
    effect.italic = flag(draft.italic, kw::italic);
    effect.underline = flag(draft.underline, kw::underline);
    effect.colorValue = draft.colorValue;
    effects.append(effect);
    return Status::success();
}

QStringList textEffectDisplayRow(const TextEffectRecord& effect)
{
    const QString none = QStringLiteral("无");
    return {effect.text, effect.startTime, effect.effectName, effect.colorName, effect.fontName, effect.fontSize,
            effect.bold == kw::bold ? QStringLiteral("粗体") : none,
            effect.italic == kw::italic ? QStringLiteral("斜体") : none,
            effect.underline == kw::underline ? QStringLiteral("下划线") : none};
}

Status deleteTextEffects(TextEffectTable& effects, const QList<int>& selectedRows)
{
    const QList<int> rows = sortedUnique(selectedRows, effects.count());
    if (rows.isEmpty())
        return Status::failure(noSelection);
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        effects.remove(*row);
    return Status::success();
}

void deleteAllTextEffects(TextEffectTable& effects) { effects.clear(); }

int textEffectRowAt(int pointerY, int listTop) { return (pointerY - listTop - 22) / 17; }

QList<int> moveTextEffects(TextEffectTable& effects, const QList<int>& selectedRows, int dragStartRow, int dropRow)
{
    const QList<int> rows = sortedUnique(selectedRows, effects.count());
    if (rows.isEmpty() || dropRow == dragStartRow)
        return rows;

    QList<TextEffectRecord> dragged;
    for (int row : rows)
        dragged.append(effects[row]);
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        effects.remove(*row);

    const int remaining = int(effects.count());
    int insertAt;
    if (dropRow >= remaining + int(dragged.size()))
        insertAt = remaining;
    else if (dropRow > dragStartRow)
        insertAt = dropRow - int(dragged.size());
    else
        insertAt = dropRow;
    insertAt = std::clamp(insertAt, 0, remaining);

    QList<int> moved;
    for (const TextEffectRecord& effect : dragged) {
        moved.append(insertAt);
        effects.insert(insertAt++, effect);
    }
    return moved;
}

Status TextEffectPreview::start(TextEffectTable& effects, Mode mode, const QList<int>& selectedRows,
                                const QList<QSize>& captionSizes, QSize surface)
{
    stop();
    if (effects.isEmpty())
        return Status::failure(QStringLiteral("没有添加文字特效!"));
    const QList<int> selected = sortedUnique(selectedRows, effects.count());
    if (mode == Mode::Single && selected.isEmpty())
        return Status::failure(noSelection);

    m_effects = &effects;
    m_mode = mode;
    m_selected = selected.isEmpty() ? -1 : selected.first();
    m_surface = surface;
    m_started = false;
    m_captions.clear();
    for (qsizetype row = 0; row < effects.count(); ++row) {
        const QSize size = captionSizes.value(row);
        m_captions.append(CaptionBox{0, 0, size.width(), size.height(), false, 0});
        effects[row].state = kw::stopped;
    }
    return Status::success();
}

bool TextEffectPreview::tick()
{
    if (!m_effects)
        return false;
    ++m_counter;
    m_clock = timeText(m_counter);
    TextEffectTable& effects = *m_effects;
    for (qsizetype row = 0; row < effects.count(); ++row) {
        if (m_mode == Mode::Full || row == m_selected)
            stepTextEffect(effects[row], m_captions[row], m_surface, m_clock);
    }

    const bool anyRunning = std::any_of(effects.begin(), effects.end(),
                                        [](const TextEffectRecord& effect) { return effect.state == kw::running; });
    if (!m_started && anyRunning)
        m_started = true;
    if (m_started && !anyRunning) {
        stop();
        return false;
    }
    return true;
}

void TextEffectPreview::stop()
{
    if (m_effects) {
        for (TextEffectRecord& effect : *m_effects)
            effect.state = kw::stopped;
    }
    m_effects = nullptr;
    m_captions.clear();
    m_counter = 0;
    m_clock = QStringLiteral("00:00");
    m_started = false;
}

}  // namespace xc
