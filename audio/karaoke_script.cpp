#include "audio/karaoke_script.h"

#include <QFontMetrics>
#include <QHash>

#include <cmath>

namespace xc {

void measureKaraokeLines(QList<KaraokeLine>& lines, const KaraokeStyle& style)
{
    const QFontMetrics metrics(style.measuringFont);
    // Lyrics repeat their characters: each group text is measured once, so even a line of
    // hundreds of thousands of characters is measured in a moment.
    QHash<QString, int> widths;
    for (KaraokeLine& line : lines) {
        int cumulative = 0;
        QString joined;
        for (KaraokeGroup& group : line.groups) {
            auto known = widths.constFind(group.text);
            if (known == widths.constEnd())
                known = widths.insert(group.text, metrics.horizontalAdvance(group.text));
            group.width = known.value();
            cumulative += group.width;
            group.cumulativeWidth = cumulative;
            group.pixelsPerFrame =
                group.frames > 0 ? int(std::nearbyint(double(group.width) / group.frames)) : group.width;
            joined += group.text;
        }
        line.processedText = convertChineseScript(joined, style.script);
    }
}

Result<QList<KaraokeLine>> loadKaraokeScript(const QString& path, const KaraokeStyle& style)
{
    Result<QList<KaraokeLine>> script = readKaraokeScript(path);
    if (script.ok())
        measureKaraokeLines(script.value(), style);
    return script;
}

}  // namespace xc
