#include "photos/template_change.h"

#include "photos/photo_crop.h"

#include "core/album_model.h"
#include "core/file_ops.h"
#include "core/instance_renumbering.h"
#include "core/progress.h"
#include "core/workspace.h"
#include "photos/automatic_fitting.h"
#include "photos/photo_crop.h"
#include "photos/fitting_geometry.h"
#include "photos/photo_fitting.h"
#include "photos/photo_rendering.h"
#include "templates/classification.h"
#include "templates/package_codec.h"

#include <QDir>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>

namespace xc {

namespace {

struct TemplateSlots {
    QStringList orientations, widths, heights;
    int count = 0;
};

bool isPortrait(const QString& orientation) { return orientation == kw::portraitPhoto; }

bool accepts(const QString& slot, const QString& photoOrientation) { return slotAccepts(slot, photoOrientation); }

bool fillsScreen(const TemplateRecord& t)
{
    const QStringList widths = parseSlotList(t.slotWidths), heights = parseSlotList(t.slotHeights);
    if (widths.isEmpty() || widths.size() != heights.size())
        return false;
    for (qsizetype k = 0; k < widths.size(); ++k) {
        const QSize slot = slotSizeOf(widths[k], heights[k]);
        if (!slot.isEmpty() && (slot.width() < screenWidth || slot.height() < screenHeight))
            return false;
    }
    return true;
}

QString templateName(const TemplateRecord& t)
{
    return t.category.isEmpty() ? t.kind : t.category;
}

// Every slot needs an orientation keyword and a size entry; anything less would leave a photo
// without a place or a size.
Result<TemplateSlots> slotsOf(const TemplateRecord& t)
{
    TemplateSlots s{parseSlotList(t.slotOrientations), parseSlotList(t.slotWidths), parseSlotList(t.slotHeights),
                    t.photoCount.toInt()};
    bool valid = s.count >= 1 && s.orientations.size() >= s.count && s.widths.size() >= s.count && s.heights.size() >= s.count;
    for (int k = 0; valid && k < s.count; ++k)
        valid = QStringList{kw::slotLandscape, kw::slotPortrait, kw::slotEither}.contains(s.orientations[k]);
    if (!valid)
        return Result<TemplateSlots>::failure(QStringLiteral("模板“%1”的参数不完整，不能使用！").arg(templateName(t)));
    return Result<TemplateSlots>::success(s);
}

// Places photos of the given orientations, listed by priority, into the slots: a slot of one
// orientation takes the first waiting photo of that orientation, a slot that takes either the
// first photo still waiting. Filling the fixed slots first never costs a photo a place it could
// have had. Returns, per slot, the index of its photo or −1.
QList<qsizetype> placeInSlots(const TemplateSlots& s, const QStringList& orientations)
{
    QList<qsizetype> bySlot(s.count, -1);
    QList<bool> used(orientations.size(), false);
    const auto fill = [&](bool either) {
        for (int k = 0; k < s.count; ++k) {
            if ((s.orientations[k] == kw::slotEither) != either)
                continue;
            for (qsizetype i = 0; i < orientations.size(); ++i) {
                if (!used[i] && accepts(s.orientations[k], orientations[i])) {
                    used[i] = true;
                    bySlot[k] = i;
                    break;
                }
            }
        }
    };
    fill(false);
    fill(true);
    return bySlot;
}

QStringList orientationsOf(const AlbumModel& model, const QList<qsizetype>& rows)
{
    QStringList result;
    for (qsizetype row : rows)
        result << model.photos[row].orientation;
    return result;
}

void clearAssignment(PhotoRecord& row)
{
    for (QString PhotoRecord::*field : {&PhotoRecord::templateFolder, &PhotoRecord::templateIndex, &PhotoRecord::fitTag,
                                        &PhotoRecord::templatePhotoCount, &PhotoRecord::slotName, &PhotoRecord::templatePackage,
                                        &PhotoRecord::slotWidth, &PhotoRecord::slotHeight, &PhotoRecord::templateWidths,
                                        &PhotoRecord::templateHeights, &PhotoRecord::templateOrientations,
                                        &PhotoRecord::templateJpgNames, &PhotoRecord::templateFrames})
        (row.*field).clear();
}

void copyAssignment(PhotoRecord& to, const PhotoRecord& from)
{
    for (QString PhotoRecord::*field : {&PhotoRecord::templateFolder, &PhotoRecord::templateIndex, &PhotoRecord::fitTag,
                                        &PhotoRecord::templatePhotoCount, &PhotoRecord::slotName, &PhotoRecord::templatePackage,
                                        &PhotoRecord::slotWidth, &PhotoRecord::slotHeight, &PhotoRecord::templateWidths,
                                        &PhotoRecord::templateHeights, &PhotoRecord::templateOrientations,
                                        &PhotoRecord::templateJpgNames, &PhotoRecord::templateFrames})
        to.*field = from.*field;
}

void fillSlot(PhotoRecord& row, const TemplateRecord& t, const TemplateSlots& s, int slot, int group)
{
    const QString k = QString::number(slot);
    row.templateFolder = QString::number(group);
    row.templateIndex = t.index;
    // Tagged as the automatic fitting tags a single template or a group.
    const QString word = isPortrait(row.orientation) ? kw::slotPortrait : kw::slotLandscape;
    row.fitTag = s.count == 1 ? QStringLiteral("picture_1") + word.left(1) : QStringLiteral("picture_%1  %2").arg(k, word);
    row.templatePhotoCount = t.photoCount;
    row.slotName = QStringLiteral("picture_") + k;
    row.templatePackage = t.package;
    row.slotWidth = s.widths[slot - 1];
    row.slotHeight = s.heights[slot - 1];
    row.templateWidths = t.slotWidths;
    row.templateHeights = t.slotHeights;
    row.templateOrientations = t.slotOrientations;
    row.templateJpgNames = t.slotJpgNames;
    row.templateFrames = t.frames;
}

int slotNumber(const PhotoRecord& row) { return row.slotName.mid(QStringLiteral("picture_").size()).toInt(); }

// Decodes the movie of every new group and fits its photos into a staging folder beside the
// work area, so that nothing of the album changes until everything is ready.
Status stageGroups(const AlbumModel& work, const QSet<QString>& groups, const QString& staging)
{
    for (const QString& group : groups) {
        const QString folder = staging + QLatin1Char('/') + group + QLatin1Char('/');
        if (Status made = makeFolder(folder); !made.ok())
            return made;
        bool decoded = false;
        for (const PhotoRecord& row : work.photos) {
            if (row.templateFolder != group)
                continue;
            if (!decoded) {
                const Status movie = decodePackage(row.templatePackage, staging + QStringLiteral("/layer_") + group,
                                                   folder + instanceMovieName(group, work.settings.ext1));
                if (!movie.ok())
                    return movie;
                decoded = true;
            }
            // A cropped photo keeps its crop, in the shape of its new slot.
            const Result<QImage> fitted = fittedRowPicture(work, row);
            if (!fitted.ok())
                return Status::failure(fitted.error());
            if (Status written = writeFittedPhoto(fitted.value(), folder + row.slotName + work.settings.ext2); !written.ok())
                return written;
        }
    }
    return Status::success();
}

// Makes `members` (row per slot, slot 1 first) a group of template `t`; every other photo of the
// groups they come from is grouped again by the automatic fitting, then the album takes it all.
Status regroup(AlbumModel& model, const Workspace& workspace, const TemplateRecord& t, const TemplateSlots& s,
               const QList<qsizetype>& members, RandomSource& random)
{
    QSet<QString> touched;
    for (qsizetype row : members)
        touched.insert(model.photos[row].templateFolder);
    QList<qsizetype> loose;
    for (qsizetype row = 0; row < model.photos.count(); ++row) {
        if (touched.contains(model.photos[row].templateFolder) && !members.contains(row))
            loose << row;
    }

    // New groups take numbers no folder has, so the old folders stay apart until they go.
    int highest = model.settings.templateCounter.toInt();
    for (const PhotoRecord& row : model.photos)
        highest = std::max(highest, row.templateFolder.toInt());
    AlbumModel work = model;
    const int group = highest + 1;
    for (qsizetype k = 0; k < members.size(); ++k)
        fillSlot(work.photos[members[k]], t, s, int(k + 1), group);
    int lastGroup = group;

    if (!loose.isEmpty()) {
        // The loose photos form a batch of their own, in board order, as an import would.
        AlbumModel batch;
        batch.landscapeTemplates = model.landscapeTemplates;
        batch.portraitTemplates = model.portraitTemplates;
        batch.settings.templateCounter = QString::number(group);
        for (qsizetype row : loose) {
            PhotoRecord staged = model.photos[row];
            clearAssignment(staged);
            batch.staging.append(staged);
        }
        if (Status fitted = fitBatch(batch, noProgress(), random); !fitted.ok())
            return fitted;
        for (qsizetype i = 0; i < loose.size(); ++i)
            copyAssignment(work.photos[loose[i]], batch.photos[i]);
        lastGroup = batch.settings.templateCounter.toInt();
    }

    QSet<QString> newGroups;
    for (int n = group; n <= lastGroup; ++n)
        newGroups.insert(QString::number(n));
    for (PhotoRecord& row : work.photos) {
        if (newGroups.contains(row.templateFolder))
            row.crop = photoCropText(cropForSlot(row));
    }
    const QString templateRoot = workspace.path(paths::templateRoot);
    if (Status made = makeFolder(templateRoot); !made.ok())
        return made;
    QTemporaryDir staging(templateRoot + QStringLiteral("mb_XXXXXX"));
    if (!staging.isValid())
        return Status::failure(folderNotCreatedMessage(templateRoot));
    if (Status staged = stageGroups(work, newGroups, staging.path()); !staged.ok())
        return staged;

    if (Status made = makeFolder(workspace.path(paths::templateWorkArea)); !made.ok())
        return made;
    for (const QString& old : touched)
        deleteTree(workspace, instanceFolderPath(workspace, old));
    for (const QString& n : newGroups) {
        const QString target = instanceFolderPath(workspace, n);
        deleteTree(workspace, target);
        if (!QDir().rename(staging.path() + QLatin1Char('/') + n, QDir::cleanPath(target)))
            return fileNotWritten(target);
    }
    for (PhotoRecord& row : work.photos) {
        if (newGroups.contains(row.templateFolder))
            row.cropDone = kw::done;
    }
    renumberInstances(work, workspace);
    QSet<QString> groups;
    for (const PhotoRecord& row : work.photos)
        groups.insert(row.templateFolder);
    work.settings.templateCounter = QString::number(groups.size());
    model = std::move(work);
    return Status::success();
}

QString orientationWord(const QString& orientation)
{
    return isPortrait(orientation) ? QStringLiteral("竖照片") : QStringLiteral("横照片");
}

}  // namespace

bool slotAccepts(const QString& slotOrientation, const QString& photoOrientation)
{
    if (slotOrientation == kw::slotEither)
        return true;
    if (slotOrientation != kw::slotLandscape && slotOrientation != kw::slotPortrait)
        return false;
    return (slotOrientation == kw::slotPortrait) == isPortrait(photoOrientation);
}

QList<TemplateClass> templateClasses(const AlbumModel& model)
{
    TemplateClass single{QStringLiteral("单张"), TemplateList()}, several{QStringLiteral("多张"), TemplateList()},
        fullScreen{QStringLiteral("全屏"), TemplateList()};
    for (const TemplateRecord& t : model.catalogue) {
        if (t.classMark.isEmpty())
            continue;
        (t.photoCount.toInt() <= 1 ? single : several).templates.append(t);
        if (fillsScreen(t))
            fullScreen.templates.append(t);
    }
    return {{QStringLiteral("横照"), model.landscapeTemplates},
            {QStringLiteral("竖照"), model.portraitTemplates},
            single,
            several,
            fullScreen,
            {QStringLiteral("高级"), model.advancedTemplates}};
}

QList<qsizetype> groupRows(const AlbumModel& model, qsizetype row)
{
    QList<qsizetype> rows;
    for (qsizetype r = 0; r < model.photos.count(); ++r) {
        if (model.photos[r].templateFolder == model.photos[row].templateFolder)
            rows << r;
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [&](qsizetype a, qsizetype b) { return slotNumber(model.photos[a]) < slotNumber(model.photos[b]); });
    return rows;
}

QString templateNeedsText(const TemplateRecord& chosen)
{
    const QStringList orientations = parseSlotList(chosen.slotOrientations);
    QStringList parts;
    for (const auto& [keyword, word] : {std::pair{kw::slotLandscape, QStringLiteral("横照")}, std::pair{kw::slotPortrait, QStringLiteral("竖照")},
                                        std::pair{kw::slotEither, QStringLiteral("横竖均可")}}) {
        if (const qsizetype n = orientations.count(keyword); n > 0)
            parts << QStringLiteral("%1%2张").arg(word).arg(n);
    }
    return parts.join(QStringLiteral("、"));
}

Status changeTemplate(AlbumModel& model, const Workspace& workspace, qsizetype row, const TemplateRecord& chosen,
                      RandomSource& random)
{
    const Result<TemplateSlots> s = slotsOf(chosen);
    if (!s.ok())
        return Status::failure(s.error());
    const PhotoRecord& photo = model.photos[row];
    if (std::none_of(s.value().orientations.begin(), s.value().orientations.begin() + s.value().count,
                     [&](const QString& slot) { return accepts(slot, photo.orientation); }))
        return Status::failure(QStringLiteral("模板“%1”没有放%2的位置，不能用于这张相片！")
                                   .arg(templateName(chosen), orientationWord(photo.orientation)));

    // Priority: the photo itself, the rest of its group in slot order, then the photos of the
    // following groups in board order.
    const QList<qsizetype> own = groupRows(model, row);
    QList<qsizetype> candidates{row};
    for (qsizetype r : own) {
        if (r != row)
            candidates << r;
    }
    const int group = photo.templateFolder.toInt();
    for (qsizetype r = 0; r < model.photos.count(); ++r) {
        if (model.photos[r].templateFolder.toInt() > group)
            candidates << r;
    }
    const QList<qsizetype> placed = placeInSlots(s.value(), orientationsOf(model, candidates));
    if (placed.contains(-1))
        return Status::failure(QStringLiteral("模板“%1”需要%2张相片（%3），这一组和后面的相片不够，不能更换模板！")
                                   .arg(templateName(chosen), chosen.photoCount, templateNeedsText(chosen)));

    // The chosen photos take the slots in their natural order: the group's own as they stood,
    // then the newcomers in board order.
    QList<qsizetype> chosenRows;
    for (qsizetype r : own) {
        if (std::any_of(placed.begin(), placed.end(), [&](qsizetype i) { return candidates[i] == r; }))
            chosenRows << r;
    }
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        if (placed.contains(i) && !own.contains(candidates[i]))
            chosenRows << candidates[i];
    }
    QList<qsizetype> members;
    for (qsizetype i : placeInSlots(s.value(), orientationsOf(model, chosenRows)))
        members << chosenRows[i];
    return regroup(model, workspace, chosen, s.value(), members, random);
}

Status formGroup(AlbumModel& model, const Workspace& workspace, const TemplateRecord& chosen, const QList<qsizetype>& rows,
                 RandomSource& random)
{
    const Result<TemplateSlots> s = slotsOf(chosen);
    if (!s.ok())
        return Status::failure(s.error());
    if (rows.size() != s.value().count)
        return Status::failure(QStringLiteral("模板“%1”需要%2张相片（%3），现在选了%4张！")
                                   .arg(templateName(chosen), chosen.photoCount, templateNeedsText(chosen))
                                   .arg(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows[i] < 0 || rows[i] >= model.photos.count() || rows.indexOf(rows[i]) != i)
            return Status::failure(QStringLiteral("选中的相片有误：每张相片只能选一次！"));
    }
    const QList<qsizetype> placed = placeInSlots(s.value(), orientationsOf(model, rows));
    if (placed.contains(-1))
        return Status::failure(QStringLiteral("选中相片的横竖与模板“%1”不符：它需要%2！").arg(templateName(chosen), templateNeedsText(chosen)));
    QList<qsizetype> members;
    for (qsizetype i : placed)
        members << rows[i];
    return regroup(model, workspace, chosen, s.value(), members, random);
}

}  // namespace xc
