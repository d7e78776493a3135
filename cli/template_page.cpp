#include "cli/template_page.h"

#include "cli/template_frames.h"
#include "core/album_model.h"
#include "core/file_ops.h"
#include "core/keywords.h"
#include "templates/classification.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace xc::cli {

namespace {

constexpr QSize pictureSize(480, 270);
// Late in the movie the composition has settled; the last position chains the templates.
const QList<double> positions{0.7, 1.0};

const char* const pageStyle = R"(
body { margin: 0; background: #2c2e33; color: #e8e8e4; font-family: "Noto Sans CJK SC", "Noto Sans SC", sans-serif; }
header { padding: 28px 40px 8px; }
h1 { margin: 0; font-size: 26px; font-weight: 600; }
h1 span { color: #e8a84a; }
header p { color: #a8aaae; margin: 6px 0 0; }
section { padding: 12px 40px 24px; }
h2 { font-size: 18px; color: #e8a84a; font-weight: 600; margin: 18px 0 12px; }
.grid { display: grid; grid-template-columns: repeat(auto-fill, minmax(260px, 1fr)); gap: 18px; }
.card { background: #34373d; border-radius: 10px; overflow: hidden; box-shadow: 0 2px 8px rgba(0,0,0,.35); }
.card img { display: block; width: 100%; aspect-ratio: 16 / 9; object-fit: cover; background: #1e2024; }
.card div { padding: 10px 14px 12px; }
.card b { display: block; font-size: 15px; }
.card small { display: block; color: #a8aaae; }
.slot { display: inline-block; margin: 8px 4px 0 0; padding: 1px 7px; border: 1px solid #e8a84a; border-radius: 9px; color: #e8a84a; font-size: 12px; }
.broken { padding: 40px 14px; color: #ff8a80; }
footer { color: #7d8086; padding: 8px 40px 30px; font-size: 13px; }
)";

struct Card {
    QString title;
    QString subtitle;
    QStringList slotOrientations;  // one per photo, in the order the template fills them
    QString picture;               // file name beside the page; empty when the movie could not be played
    QString error;
};

QString orientationText(const QString& keyword)
{
    if (keyword == kw::slotLandscape)
        return QStringLiteral("横");
    if (keyword == kw::slotPortrait)
        return QStringLiteral("竖");
    if (keyword == kw::slotEither)
        return QStringLiteral("横竖皆可");
    return keyword;
}

QString cardHtml(const Card& card)
{
    const QString picture = card.picture.isEmpty()
                                ? QStringLiteral("<p class=\"broken\">%1</p>").arg(card.error.toHtmlEscaped())
                                : QStringLiteral("<img src=\"%1\" alt=\"%2\" loading=\"lazy\">")
                                      .arg(card.picture.toHtmlEscaped(), card.title.toHtmlEscaped());
    QString slotTags;
    for (const QString& orientation : card.slotOrientations)
        slotTags += QStringLiteral("<span class=\"slot\">%1</span>").arg(orientationText(orientation).toHtmlEscaped());
    return QStringLiteral("<article class=\"card\">%1<div><b>%2</b><small>%3</small>%4</div></article>\n")
        .arg(picture, card.title.toHtmlEscaped(), card.subtitle.toHtmlEscaped(), slotTags);
}

QString sectionHtml(const QString& title, const QList<Card>& cards)
{
    if (cards.isEmpty())
        return {};
    QString html = QStringLiteral("<section><h2>%1（%2）</h2><div class=\"grid\">\n").arg(title.toHtmlEscaped()).arg(cards.size());
    for (const Card& card : cards)
        html += cardHtml(card);
    return html + QStringLiteral("</div></section>\n");
}

Card cardFor(const TemplateRecord& record, const QHash<QString, Card>& pictures)
{
    Card card = pictures.value(record.package);
    card.title = record.category;
    card.subtitle = QStringLiteral("%1 · %2 张相片").arg(record.kind, record.photoCount);
    if (!record.collection.isEmpty())
        card.subtitle += QStringLiteral(" · ") + record.collection;
    card.slotOrientations = parseSlotList(record.slotOrientations);
    return card;
}

}  // namespace

Status writeTemplatePage(const AlbumModel& model, const Workspace& workspace, const QString& folder)
{
    const Result<QList<PlayedTemplate>> played = playShippedTemplates(model, workspace, positions);
    if (!played.ok())
        return Status::failure(played.error());
    if (Status made = makeFolder(folder); !made.ok())
        return made;

    QHash<QString, Card> pictures;  // by package
    for (const PlayedTemplate& entry : played.value()) {
        Card card;
        card.error = entry.error;
        if (entry.error.isEmpty()) {
            card.picture = entry.name + QStringLiteral(".jpg");
            const QImage picture = entry.frames.first().scaled(pictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            if (!picture.save(QDir(folder).filePath(card.picture), "JPG", 88))
                return fileNotWritten(QDir(folder).filePath(card.picture));
        }
        pictures.insert(entry.package, card);
    }

    const auto cardsOf = [&](const TemplateList& list) {
        QList<Card> cards;
        for (const TemplateRecord& record : list)
            cards.append(cardFor(record, pictures));
        return cards;
    };
    Card closing = pictures.value(played.value().last().package);
    closing.title = QStringLiteral("片尾");
    closing.subtitle = QStringLiteral("每本相册的最后一段");

    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
                                  "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                                  "<title>相册工坊 · 模板</title><style>%1</style></head><body>\n")
                       .arg(QString::fromUtf8(pageStyle));
    html += QStringLiteral("<header><h1>相册工坊 <span>模板</span></h1><p>本机已安装 %1 个模板。图片由模板和示例相片实际播放而成。</p></header>\n")
                .arg(model.catalogue.count());
    html += sectionHtml(QStringLiteral("横照模板"), cardsOf(model.landscapeTemplates));
    html += sectionHtml(QStringLiteral("竖照模板"), cardsOf(model.portraitTemplates));
    html += sectionHtml(QStringLiteral("高级模板"), cardsOf(model.advancedTemplates));
    html += sectionHtml(QStringLiteral("片尾模板"), {closing});
    html += QStringLiteral("<footer>添加相片时，软件会按照相片的横竖和数量自动选用这些模板。</footer>\n</body></html>\n");

    const QString pagePath = QDir(folder).filePath(QStringLiteral("index.html"));
    QFile page(pagePath);
    if (!page.open(QIODevice::WriteOnly | QIODevice::Truncate) || page.write(html.toUtf8()) < 0)
        return fileNotWritten(pagePath);
    return Status::success();
}

}  // namespace xc::cli
