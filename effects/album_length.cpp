#include "effects/album_length.h"

#include "core/album_model.h"
#include "audio/music_lyrics_deletion.h"
#include "core/keywords.h"

namespace xc {

namespace {

qint64 framesOf(const QString& text) { return qMax<qint64>(0, text.toLongLong()); }

qint64 songFramesTotal(const AlbumModel& model)
{
    qint64 total = 0;
    for (const MusicRecord& song : model.music)
        total += framesOf(song.frames);
    return total;
}

// The songs back to back from frame 0; with `repeat`, again from the first until `cover` frames
// are covered (songs of 0 frames cannot cover anything, so they play once).
void layOutSongs(const AlbumModel& model, qint64 cover, bool repeat, AlbumPlan& plan)
{
    const qint64 onePass = songFramesTotal(model);
    qint64 start = 0;
    do {
        for (qsizetype row = 0; row < model.music.count(); ++row) {
            const qint64 frames = framesOf(model.music[row].frames);
            plan.songs.append(SongSpan{int(row), start, frames});
            plan.audioFiles.append(model.music[row].path);
            start += frames;
        }
    } while (repeat && onePass > 0 && start < cover);
}

void planPhotoLength(const AlbumModel& model, AlbumPlan& plan)
{
    qint64 templateFrames = 0;
    for (const RenderTemplateRecord& instance : plan.instances) {
        plan.renderTemplates.append(PlannedTemplate{instance, -1});
        templateFrames += framesOf(instance.frames);
    }
    plan.frameBudget = plan.introFrames + templateFrames + closingAllowanceFrames;
    plan.closingStartFrame = templateFrames;
    if (!model.music.isEmpty()) {
        layOutSongs(model, plan.frameBudget - (plan.musicAfterIntro ? plan.introFrames : 0), model.settings.loopMusic, plan);
        plan.truncateAudio = true;
    }
}

void planMusicLength(const AlbumModel& model, AlbumPlan& plan)
{
    const qint64 musicFrames = qMax<qint64>(songFramesTotal(model), closingAllowanceFrames);
    plan.frameBudget = plan.musicAfterIntro ? plan.introFrames + musicFrames : qMax(musicFrames, plan.introFrames + closingAllowanceFrames);
    const qint64 photoArea = plan.frameBudget - plan.introFrames - closingAllowanceFrames;
    qint64 onePass = 0;
    for (const RenderTemplateRecord& instance : plan.instances)
        onePass += framesOf(instance.frames);

    qint64 used = 0;
    bool again = true;
    while (again && used < photoArea && onePass > 0) {
        for (const RenderTemplateRecord& instance : plan.instances) {
            const qint64 frames = qMin(framesOf(instance.frames), photoArea - used);
            if (frames <= 0)
                continue;
            plan.renderTemplates.append(PlannedTemplate{instance, int(frames)});
            used += frames;
            if (used >= photoArea)
                break;
        }
        again = model.settings.loopPictures;
    }
    plan.closingStartFrame = used;
    layOutSongs(model, plan.frameBudget, false, plan);
    plan.truncateAudio = true;
}

}  // namespace

void prepareAlbumLengthDialog(AlbumModel& model)
{
    if (model.music.isEmpty())
        resetAlbumLengthOptions(model.settings);
}

void choosePhotoLengthRule(AlbumSettings& settings)
{
    settings.syncMode = kw::syncPhotos;
    settings.loopPictures = false;
}

void chooseMusicLengthRule(AlbumSettings& settings) { settings.syncMode = kw::syncMusic; }

bool photoLengthRule(const AlbumSettings& settings) { return settings.syncMode != kw::syncMusic; }

AlbumPlan planAlbum(const AlbumModel& model, const Workspace& workspace)
{
    AlbumPlan plan;
    plan.instances = buildTemplateInstances(model, workspace);
    if (!model.settings.introVideo.isEmpty()) {
        plan.introFrames = model.settings.introFrames;
        plan.musicAfterIntro = !model.settings.musicFromStart;
    }
    if (photoLengthRule(model.settings) || model.music.isEmpty())
        planPhotoLength(model, plan);
    else
        planMusicLength(model, plan);
    return plan;
}

}  // namespace xc
