#include "audio/karaoke_script.h"

#include <QFontMetrics>

#include <cmath>

namespace xc {

void measureKaraokeLines(QList<KaraokeLine>& lines, const KaraokeStyle& style)
{
    const QFontMetrics metrics(style.measuringFont);
    for (KaraokeLine& line : lines) {
        int cumulative = 0;
        QString joined;
        for (KaraokeGroup& group : line.groups) {
            group.width = metrics.horizontalAdvance(group.text);
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
