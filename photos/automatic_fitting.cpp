#include "photos/automatic_fitting.h"

#include "core/album_model.h"
#include "core/progress.h"
#include "photos/random_source.h"
#include "templates/classification.h"

namespace xc {

namespace {

enum class Rule { Small, Medium, Large };

Rule ruleFor(qsizetype batchSize)
{
    if (batchSize <= smallBatchLimit)
        return Rule::Small;
    return batchSize <= mediumBatchLimit ? Rule::Medium : Rule::Large;
}

TemplateList poolOf(const TemplateList& list, const QStringList& photoCounts)
{
    TemplateList pool;
    for (const TemplateRecord& row : list) {
        if (photoCounts.isEmpty() || photoCounts.contains(row.photoCount))
            pool.append(row);
    }
    return pool;
}

const QString one = QStringLiteral("1");
const QString two = QStringLiteral("2");

// The working state of one run; written back to the model only when the whole batch is fitted.
struct FittingRun {
    PhotoTable staging;
    PhotoTable photos;
    TemplateList landscapePool, landscapeSinglePool, portraitPool, portraitSinglePool;
    int counter = 0;
    RandomSource& random;

    static bool isPortrait(const PhotoRecord& row) { return row.orientation == kw::portraitPhoto; }

    const TemplateList& mainPool(const PhotoRecord& row) const { return isPortrait(row) ? portraitPool : landscapePool; }
    const TemplateList& singlePool(const PhotoRecord& row) const
    {
        return isPortrait(row) ? portraitSinglePool : landscapeSinglePool;
    }

    const TemplateRecord* draw(const TemplateList& pool)
    {
        if (pool.isEmpty())
            return nullptr;
        return &pool[random.draw(int(pool.count()))];
    }

    static void fillSlot(PhotoRecord& row, const TemplateRecord& t, int slot, int group, const QString& tag)
    {
        row.templateFolder = QString::number(group);
        row.templateIndex = t.index;
        row.fitTag = tag;
        row.templatePhotoCount = t.photoCount;
        row.slotName = QStringLiteral("picture_") + QString::number(slot);
        row.templatePackage = t.package;
        row.slotWidth = parseSlotList(t.slotWidths).value(slot - 1);
        row.slotHeight = parseSlotList(t.slotHeights).value(slot - 1);
        row.templateWidths = t.slotWidths;
        row.templateHeights = t.slotHeights;
        row.templateOrientations = t.slotOrientations;
        row.templateJpgNames = t.slotJpgNames;
        row.templateFrames = t.frames;
    }

    void appendToPhotos(const PhotoRecord& row)
    {
        PhotoRecord added = row;
        added.thumbDone = kw::notDone;
        added.cropDone = kw::notDone;
        photos.append(added);
    }

    qsizetype unassignedLike(const PhotoRecord& q) const
    {
        return std::count_if(staging.begin(), staging.end(), [&](const PhotoRecord& row) {
            return row.fitTag.isEmpty() && isPortrait(row) == isPortrait(q);
        });
    }

    void formGroup(const TemplateRecord& t, bool portrait, int groupSize)
    {
        const int group = ++counter;
        int k = 0;
        for (PhotoRecord& row : staging) {
            if (k >= groupSize)
                break;
            if (row.fitTag.isEmpty() && isPortrait(row) == portrait) {
                ++k;
                fillSlot(row, t, k, group, QStringLiteral("picture_%1  %2").arg(k).arg(portrait ? kw::slotPortrait : kw::slotLandscape));
            }
        }
    }

    // One photo's turn under the medium and large rules; false when a pool is empty.
    bool fitTurn(qsizetype q)
    {
        PhotoRecord& row = staging[q];
        if (!row.fitTag.isEmpty())
            return true;
        const bool portrait = isPortrait(row);
        const TemplateRecord* t = draw(mainPool(row));
        if (!t)
            return false;
        if (t->photoCount == one) {
            fillSlot(row, *t, 1, ++counter, portrait ? QStringLiteral("picture_1s") : QStringLiteral("picture_1h"));
            return true;
        }
        const qsizetype unassigned = unassignedLike(row);
        const int slots = (portrait ? t->portraitSlots : t->landscapeSlots).toInt();
        const int groupSize = (portrait ? t->photoCount : t->landscapeSlots).toInt();
        // A portrait group needs strictly more waiting portrait photos than slots; a landscape
        // group is formed also when exactly as many wait.
        const bool fallBack = groupSize < 1 || (portrait ? unassigned <= slots : unassigned < slots);
        if (!fallBack) {
            formGroup(*t, portrait, groupSize);
            return true;
        }
        const TemplateRecord* single = draw(singlePool(row));
        if (!single)
            return false;
        fillSlot(row, *single, 1, ++counter, portrait ? QStringLiteral("picture_1sh不成立") : QStringLiteral("picture_1he不成立"));
        return true;
    }
};

}  // namespace

QString noTemplateMessage(const QString& orientation)
{
    const QString kind = orientation == kw::portraitPhoto ? QStringLiteral("竖照片") : QStringLiteral("横照片");
    return QStringLiteral("模板库中没有适合%1的模板，本次添加的相片没有导入！").arg(kind);
}

Status fitBatch(AlbumModel& model, Progress& progress, RandomSource& random)
{
    FittingRun run{model.staging,
                   model.photos,
                   model.landscapePool,
                   model.landscapeSinglePool,
                   model.portraitPool,
                   model.portraitSinglePool,
                   model.settings.templateCounter.toInt(),
                   random};
    const Rule rule = ruleFor(run.staging.count());
    const QStringList mainCounts = rule == Rule::Small ? QStringList{one} : rule == Rule::Medium ? QStringList{one, two} : QStringList{};
    run.landscapePool = poolOf(model.landscapeTemplates, mainCounts);
    run.portraitPool = poolOf(model.portraitTemplates, mainCounts);
    if (rule != Rule::Small) {
        run.landscapeSinglePool = poolOf(model.landscapeTemplates, {one});
        run.portraitSinglePool = poolOf(model.portraitTemplates, {one});
    }

    for (qsizetype q = 0; q < run.staging.count(); ++q) {
        progress.advance();
        PhotoRecord& row = run.staging[q];
        if (rule == Rule::Small) {
            const int group = ++run.counter;
            const TemplateRecord* t = run.draw(run.mainPool(row));
            if (!t)
                return Status::failure(noTemplateMessage(row.orientation));
            FittingRun::fillSlot(row, *t, 1, group, QStringLiteral("picture_1"));
        } else if (!run.fitTurn(q)) {
            return Status::failure(noTemplateMessage(row.orientation));
        }
        run.appendToPhotos(row);
    }

    model.staging = run.staging;
    model.photos = run.photos;
    model.landscapePool = run.landscapePool;
    model.landscapeSinglePool = run.landscapeSinglePool;
    model.portraitPool = run.portraitPool;
    model.portraitSinglePool = run.portraitSinglePool;
    model.settings.templateCounter = QString::number(run.counter);
    return Status::success();
}

}  // namespace xc
