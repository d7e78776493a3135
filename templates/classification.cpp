#include "templates/classification.h"

#include "core/album_model.h"

namespace xc {

QStringList parseSlotList(const QString& text)
{
    QStringList entries;
    qsizetype previous = text.indexOf(QLatin1Char('|'));
    while (previous >= 0) {
        const qsizetype next = text.indexOf(QLatin1Char('|'), previous + 1);
        if (next < 0)
            break;
        entries << text.mid(previous + 1, next - previous - 1);
        previous = next;
    }
    return entries;
}

namespace {

QString classMarkOf(const QStringList& entries)
{
    for (const QString& keyword : {kw::slotLandscape, kw::slotPortrait, kw::slotEither}) {
        if (std::all_of(entries.begin(), entries.end(), [&](const QString& e) { return e == keyword; }))
            return keyword;
    }
    return kw::classAdvanced;
}

TemplateRecord classifiedCopy(const TemplateRecord& row)
{
    TemplateRecord copy = row;
    copy.landscapeSlots = QStringLiteral("0");
    copy.portraitSlots = QStringLiteral("0");
    return copy;
}

void countList(TemplateList& list, const QStringList& landscapeKeywords, const QStringList& portraitKeywords)
{
    for (TemplateRecord& row : list) {
        const QStringList entries = parseSlotList(row.slotOrientations);
        if (entries.isEmpty())
            continue;
        const auto count = [&](const QStringList& keywords) {
            return QString::number(std::count_if(entries.begin(), entries.end(),
                                                 [&](const QString& e) { return keywords.contains(e); }));
        };
        row.landscapeSlots = count(landscapeKeywords);
        row.portraitSlots = count(portraitKeywords);
    }
}

}  // namespace

void sortTemplates(AlbumModel& model)
{
    model.landscapeTemplates.clear();
    model.portraitTemplates.clear();
    model.advancedTemplates.clear();
    for (TemplateRecord& row : model.catalogue) {
        const QStringList entries = parseSlotList(row.slotOrientations);
        if (!entries.isEmpty())
            row.classMark = classMarkOf(entries);
    }
    for (const TemplateRecord& row : model.catalogue) {
        if (row.classMark == kw::slotLandscape) {
            model.landscapeTemplates.append(classifiedCopy(row));
        } else if (row.classMark == kw::slotPortrait) {
            model.portraitTemplates.append(classifiedCopy(row));
        } else if (row.classMark == kw::slotEither) {
            model.landscapeTemplates.append(classifiedCopy(row));
            model.portraitTemplates.append(classifiedCopy(row));
        } else if (row.classMark == kw::classAdvanced) {
            model.advancedTemplates.append(classifiedCopy(row));
        }
    }
}

void countSlots(AlbumModel& model)
{
    countList(model.landscapeTemplates, {kw::slotLandscape, kw::slotEither}, {kw::slotPortrait});
    countList(model.portraitTemplates, {kw::slotLandscape}, {kw::slotPortrait, kw::slotEither});
    countList(model.advancedTemplates, {kw::slotLandscape, kw::slotEither}, {kw::slotPortrait});
}

}  // namespace xc
