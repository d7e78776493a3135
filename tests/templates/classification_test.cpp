#include "core/album_model.h"
#include "templates/classification.h"

#include <gtest/gtest.h>

using namespace xc;

TEST(ParseSlotList, TakesTheTextBetweenSeparators)
{
    const std::pair<QString, QStringList> cases[] = {
        {"|heng|shu|", {"heng", "shu"}},
        {"|heng||", {"heng", ""}},
        {"heng", {}},
        {"|heng", {}},
        {"", {}},
        {"x|1920|1280|y", {"1920", "1280"}},
        {"|竖|横|", {"竖", "横"}},
    };
    for (const auto& [text, entries] : cases)
        EXPECT_EQ(parseSlotList(text), entries) << text.toStdString();
}

TEST(Classification, MarksListsAndCountsEveryKindOfSlotList)
{
    struct Case {
        QString orientations, mark;
        // (landscape, portrait) counts per list the row lands in, in list order.
        QList<std::pair<QString, QString>> landscape, portrait, advanced;
    };
    const Case cases[] = {
        {"|heng|heng|", "heng", {{"2", "0"}}, {}, {}},
        {"|shu|", "shu", {}, {{"0", "1"}}, {}},
        {"|shuheng|", "shuheng", {{"1", "0"}}, {{"0", "1"}}, {}},
        {"|heng|shu|", "gaojimoban", {}, {}, {{"1", "1"}}},
        {"|heng|shuheng|", "gaojimoban", {}, {}, {{"2", "0"}}},
        {"|heng|Heng|", "gaojimoban", {}, {}, {{"1", "0"}}},
        {"", "", {}, {}, {}},
        {"|heng", "", {}, {}, {}},
    };
    for (const Case& c : cases) {
        AlbumModel model;
        TemplateRecord row;
        row.slotOrientations = c.orientations;
        row.index = "0";
        row.frames = "120";
        model.catalogue.append(row);
        sortTemplates(model);
        EXPECT_EQ(model.catalogue[0].classMark, c.mark) << c.orientations.toStdString();
        countSlots(model);
        const auto counts = [](const TemplateList& list) {
            QList<std::pair<QString, QString>> out;
            for (const TemplateRecord& r : list)
                out << std::pair{r.landscapeSlots, r.portraitSlots};
            return out;
        };
        EXPECT_EQ(counts(model.landscapeTemplates), c.landscape) << c.orientations.toStdString();
        EXPECT_EQ(counts(model.portraitTemplates), c.portrait) << c.orientations.toStdString();
        EXPECT_EQ(counts(model.advancedTemplates), c.advanced) << c.orientations.toStdString();
    }
}

TEST(Classification, EitherTemplatesInterleaveWithPortraitOnesInCatalogueOrder)
{
    AlbumModel model;
    for (const char* o : {"|shu|", "|shuheng|", "|heng|", "|shu|"}) {
        TemplateRecord row;
        row.slotOrientations = o;
        row.index = QString::number(model.catalogue.count());
        row.frames = "100";
        model.catalogue.append(row);
    }
    sortTemplates(model);
    QStringList portraitIndices, landscapeIndices;
    for (const TemplateRecord& r : model.portraitTemplates)
        portraitIndices << r.index;
    for (const TemplateRecord& r : model.landscapeTemplates)
        landscapeIndices << r.index;
    EXPECT_EQ(portraitIndices, (QStringList{"0", "1", "3"}));
    EXPECT_EQ(landscapeIndices, (QStringList{"1", "2"}));
    // A fresh copy carries "0" counts and the catalogue's frame count.
    EXPECT_EQ(model.portraitTemplates[0].landscapeSlots, "0");
    EXPECT_EQ(model.portraitTemplates[0].frames, "100");
}
