#include "effects/text_motion.h"

#include "core/keywords.h"
#include "core/records.h"

#include <array>
#include <cstdlib>

namespace xc {

namespace {

// Keywords of the seven table paths.
const QString diagonalDown = QStringLiteral("zuoshangxiangyouxia");
const QString leftToRight = QStringLiteral("congzuoxiangyou");
const QString topToBottom = QStringLiteral("congshangxiangxia");
const QString rightToLeft = QStringLiteral("congyouxiangzuo");
const QString bottomLeftUp = QStringLiteral("zuoxiadaoyoushang");
const QString topRightDown = QStringLiteral("youshangdaozuoxia");
const QString bottomRightUp = QStringLiteral("youxiadaozuoshang");

// Where a caption stands along one axis of the surface: outside before the start edge, inside
// near an edge, centred on a third, the middle or two thirds, or outside beyond the far edge.
enum class Anchor { Before, NearStart, Third, Half, TwoThirds, NearEnd, After };

int place(Anchor anchor, int surface, int size)
{
    constexpr int margin = 10;
    switch (anchor) {
    case Anchor::Before: return -size;
    case Anchor::NearStart: return margin;
    case Anchor::Third: return surface / 3 - size / 2;
    case Anchor::Half: return (surface - size) / 2;
    case Anchor::TwoThirds: return surface * 2 / 3 - size / 2;
    case Anchor::NearEnd: return surface - size - margin;
    case Anchor::After: return surface;
    }
    return 0;
}

// A path across the surface from a start point to an end point, both given as anchors.
struct CrossingPath {
    const char* keyword;
    Anchor fromX, fromY, toX, toY;
};

using A = Anchor;
constexpr std::array<CrossingPath, 22> crossingPaths{{
    {"zuoxiadaoyouxia", A::Before, A::NearEnd, A::After, A::NearEnd},
    {"youxiadaozuoxia", A::After, A::NearEnd, A::Before, A::NearEnd},
    {"juzhongshangxiangzuoxia", A::Half, A::Before, A::Before, A::After},
    {"juzhongshangxiangyouxia", A::Half, A::Before, A::After, A::After},
    {"juzhongxiaxiangzuoshang", A::Half, A::After, A::Before, A::Before},
    {"juzhongxiaxiangyoushang", A::Half, A::After, A::After, A::Before},
    {"juzhongshangxiangjuzhongxia", A::Half, A::Before, A::Half, A::After},
    {"juzhongxiaxiangjuzhongshang", A::Half, A::After, A::Half, A::Before},
    {"zuosanfenzhiyishangxiangxia", A::Third, A::Before, A::Third, A::After},
    {"zuosanfenzhiyixiaxiangshang", A::Third, A::After, A::Third, A::Before},
    {"yousanfenzhiyishangxiangxia", A::TwoThirds, A::Before, A::TwoThirds, A::After},
    {"yousanfenzhiyixiaxiangshang", A::TwoThirds, A::After, A::TwoThirds, A::Before},
    {"shangsanfenzhiyizuoxiangyou", A::Before, A::Third, A::After, A::Third},
    {"xiasanfenzhiyizuoxiangyou", A::Before, A::TwoThirds, A::After, A::TwoThirds},
    {"shangsanfenzhiyiyouxiangzuo", A::After, A::Third, A::Before, A::Third},
    {"xiasanfenzhiyiyouxiangzuo", A::After, A::TwoThirds, A::Before, A::TwoThirds},
    {"juzhongzuoxiangjuzhongyou", A::Before, A::Half, A::After, A::Half},
    {"juzhongyouxiangjuzhongzuo", A::After, A::Half, A::Before, A::Half},
    {"juzhongzuoxiangyouxia", A::Before, A::Half, A::After, A::After},
    {"juzhongzuoxiangyoushang", A::Before, A::Half, A::After, A::Before},
    {"juzhongyouxiangzuoxia", A::After, A::Half, A::Before, A::After},
    {"juzhongyouxiangzuoshang", A::After, A::Half, A::Before, A::Before},
}};

const CrossingPath* crossingPath(const QString& keyword)
{
    for (const CrossingPath& path : crossingPaths) {
        if (keyword == QLatin1String(path.keyword))
            return &path;
    }
    return nullptr;
}

// The editor's names in list order with the keyword each selects.
struct NamedMotion {
    const char* name;
    const char* keyword;
};
constexpr std::array<NamedMotion, 30> namedMotions{{
    {"从左上向右下", "zuoshangxiangyouxia"},
    {"从左下到右下", "zuoxiadaoyouxia"},
    {"从右下到左下", "youxiadaozuoxia"},
    {"从左下到右上", "zuoxiadaoyoushang"},
    {"从右上到左下", "youshangdaozuoxia"},
    {"从右下到左上", "youxiadaozuoshang"},
    {"从居中上向左下", "juzhongshangxiangzuoxia"},
    {"从居中上向右下", "juzhongshangxiangyouxia"},
    {"从居中下向左上", "juzhongxiaxiangzuoshang"},
    {"从居中下向右上", "juzhongxiaxiangyoushang"},
    {"从居中上向居中下", "juzhongshangxiangjuzhongxia"},
    {"从居中下向居中上", "juzhongxiaxiangjuzhongshang"},
    {"从1/3左上向1/3左下(竖)", "zuosanfenzhiyishangxiangxia"},
    {"从1/3左下向1/3左上(竖)", "zuosanfenzhiyixiaxiangshang"},
    {"从1/3右上向1/3右下(竖)", "yousanfenzhiyishangxiangxia"},
    {"从1/3右下向1/3右上(竖)", "yousanfenzhiyixiaxiangshang"},
    {"从1/2上向1/2下(竖)", "juzhongshangxiangjuzhongxia"},
    {"从1/2下向1/2上(竖)", "juzhongxiaxiangjuzhongshang"},
    {"从1/3左上向1/3右上(横)", "shangsanfenzhiyizuoxiangyou"},
    {"从1/3左下向1/3右下(横)", "xiasanfenzhiyizuoxiangyou"},
    {"从1/3右上向1/3左上(横)", "shangsanfenzhiyiyouxiangzuo"},
    {"从1/3右下向1/3左下(横)", "xiasanfenzhiyiyouxiangzuo"},
    {"从1/2左向1/2右(横)", "juzhongzuoxiangjuzhongyou"},
    {"从1/2右向1/2左(横)", "juzhongyouxiangjuzhongzuo"},
    {"从居中左向右下", "juzhongzuoxiangyouxia"},
    {"从居中左向右上", "juzhongzuoxiangyoushang"},
    {"从居中右向左下", "juzhongyouxiangzuoxia"},
    {"从居中右向左上", "juzhongyouxiangzuoshang"},
    {"从居中左向居中右", "juzhongzuoxiangjuzhongyou"},
    {"从居中右向居中左", "juzhongyouxiangjuzhongzuo"},
}};

void startTablePath(const QString& keyword, CaptionBox& caption, QSize surface, int x, int y)
{
    const int w = caption.width, h = caption.height;
    if (keyword == diagonalDown) { caption.left = -w; caption.top = -h; }
    else if (keyword == leftToRight) { caption.left = -w; caption.top = y; }
    else if (keyword == topToBottom) { caption.left = x; caption.top = -h; }
    else if (keyword == rightToLeft) { caption.left = surface.width(); caption.top = y; }
    else if (keyword == bottomLeftUp) { caption.left = -w; caption.top = surface.height(); }
    else if (keyword == topRightDown) { caption.left = surface.width(); caption.top = -h; }
    else if (keyword == bottomRightUp) { caption.left = surface.width(); caption.top = surface.height(); }
}

void moveTablePath(const QString& keyword, CaptionBox& caption, int x, int y)
{
    constexpr int s = motionStep;
    if (keyword == diagonalDown) { caption.left += s; caption.top += 2; }
    else if (keyword == leftToRight) { caption.left += s; caption.top = y; }
    else if (keyword == topToBottom) { caption.left = x; caption.top += s; }
    else if (keyword == rightToLeft) { caption.left -= s; caption.top = y; }
    else if (keyword == bottomLeftUp) { caption.left += s; caption.top -= s; }
    else if (keyword == topRightDown) { caption.left -= s; caption.top += s; }
    else if (keyword == bottomRightUp) { caption.left -= s; caption.top -= s; }
}

// Places the caption `steps` frames along a crossing path; true once it has reached the end.
bool placeOnCrossing(const CrossingPath& path, CaptionBox& caption, QSize surface, int steps)
{
    const int fromX = place(path.fromX, surface.width(), caption.width);
    const int fromY = place(path.fromY, surface.height(), caption.height);
    const int toX = place(path.toX, surface.width(), caption.width);
    const int toY = place(path.toY, surface.height(), caption.height);
    // The longer axis moves by the step each frame; the other follows in proportion.
    const qint64 distance = qMax(std::abs(toX - fromX), std::abs(toY - fromY));
    const qint64 travelled = qMin<qint64>(qint64(steps) * motionStep, distance);
    if (distance == 0) {
        caption.left = toX;
        caption.top = toY;
        return true;
    }
    caption.left = fromX + int(qint64(toX - fromX) * travelled / distance);
    caption.top = fromY + int(qint64(toY - fromY) * travelled / distance);
    return travelled >= distance;
}

}  // namespace

QList<MotionRow> motionTable(QSize previewSurface)
{
    const int w = previewSurface.width(), h = previewSurface.height();
    return {
        {QStringLiteral("左上向右下"), diagonalDown, 0, 0},
        {QStringLiteral("从左向右"), leftToRight, 0, w},
        {QStringLiteral("从上向下"), topToBottom, h, 0},
        {QStringLiteral("从右向左"), rightToLeft, 0, w},
        {QStringLiteral("从左下到右上"), bottomLeftUp, 0, 0},
        {QStringLiteral("从右上到左下"), topRightDown, 0, 0},
        {QStringLiteral("从右下到左上"), bottomRightUp, 0, 0},
    };
}

const QStringList& motionNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const NamedMotion& motion : namedMotions)
            list << QString::fromUtf8(motion.name);
        return list;
    }();
    return names;
}

std::optional<MotionChoice> motionForName(const QString& name, QSize previewSurface)
{
    for (const NamedMotion& motion : namedMotions) {
        if (name != QString::fromUtf8(motion.name))
            continue;
        const QString keyword = QString::fromLatin1(motion.keyword);
        for (const MotionRow& row : motionTable(previewSurface)) {
            if (row.keyword == keyword)
                return MotionChoice{keyword, row.x, row.y};
        }
        return MotionChoice{keyword, 0, 0};
    }
    return std::nullopt;
}

void stepTextEffect(TextEffectRecord& effect, CaptionBox& caption, QSize surface, const QString& clockText)
{
    const int x = effect.x.toInt();
    const int y = effect.y.toInt();
    const CrossingPath* crossing = crossingPath(effect.motionName);

    if (effect.startTime == clockText && effect.state == kw::stopped) {
        caption.stepsTaken = 0;
        if (crossing)
            placeOnCrossing(*crossing, caption, surface, 0);
        else
            startTablePath(effect.motionName, caption, surface, x, y);
        caption.visible = true;
        effect.state = kw::running;
    }
    if (effect.state != kw::running)
        return;

    ++caption.stepsTaken;
    if (crossing) {
        if (placeOnCrossing(*crossing, caption, surface, caption.stepsTaken))
            effect.state = kw::stopped;
        return;
    }
    moveTablePath(effect.motionName, caption, x, y);
    if (caption.left > surface.width() || caption.top > surface.height())
        effect.state = kw::stopped;
}

}  // namespace xc
