#pragma once

#include "audio/song_time_key.h"
#include "effects/template_instances.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace xc {

struct AlbumModel;
struct AlbumSettings;
class Workspace;

// The frames reserved for the closing template after the last photo template.
inline constexpr int closingAllowanceFrames = 100;

// The time text of an album frame, "mm:ss" (frame 1500 → "01:00"): formed as the song time key.
inline QString timeText(qint64 frame) { return songTimeKeyOfFrames(frame); }

// The album-length dialog's options, kept in the settings (syncMode, loopMusic, loopPictures).
// Opening the dialog without songs resets them as deleting the last song does.
void prepareAlbumLengthDialog(AlbumModel& model);
void choosePhotoLengthRule(AlbumSettings& settings);            // also switches loop-pictures off
void chooseMusicLengthRule(AlbumSettings& settings);
bool photoLengthRule(const AlbumSettings& settings);

// One template the render plays, in play order. The closing template is not in this list: it
// follows the last entry and plays until the frame budget is spent, holding its last frame.
struct PlannedTemplate {
    RenderTemplateRecord instance;
    // Frames the template may play before the next one loads; -1 lets its whole movie play.
    int frameLimit = -1;
};

// One song on the album's timeline, in play order (songs repeat when the music loops).
struct SongSpan {
    int musicRow = 0;       // row of the music table
    qint64 startFrame = 0;  // album frame where the song starts
    qint64 frames = 0;      // MusicRecord.frames
};

// Everything the render needs to know about the album's length, decided before it starts.
struct AlbumPlan {
    QList<RenderTemplateRecord> instances;   // every template instance, 1 … T
    QList<PlannedTemplate> renderTemplates;  // the templates in play order
    qint64 frameBudget = 0;                  // frames handed to the encoder
    qint64 closingStartFrame = 0;            // album frame where the closing template is due
    QStringList audioFiles;                  // songs in play order (none without music)
    bool truncateAudio = false;              // cut the audio at the end of the video
    QList<SongSpan> songs;                   // the song timeline the lyric overlays follow
    qint64 introFrames = 0;                  // the intro video's frames, before the templates
    bool musicAfterIntro = false;            // the intro plays its own sound, the songs follow

    // The overlays' clock runs with the music: from the intro's start, or from the album's.
    qint64 overlayFramesBeforeAlbum() const { return musicAfterIntro ? 0 : introFrames; }

    // The render's progress runs over every frame twice: listed, then rendered.
    qint64 progressTotal() const { return 2 * frameBudget; }
};

// Photo-length rule: the budget is the template frames + 100; the songs play back to back, cut at
// the end, and with loop-the-music repeat from the first until the video ends.
// Music-length rule: the budget is the songs' frames (at least the closing allowance); the photo
// templates play in order, and with loop-the-pictures repeat from the first, until the last 100
// frames, which belong to the closing template (a template running into them is cut there).
// Without looping, templates that end early are followed by the closing template, whose last
// frame is held to the end. Without music the photo-length rule applies whatever is set.
// An intro video adds its frames before the templates; with the music from the start the songs
// cover it too, and under the music-length rule it takes its frames from the templates.
AlbumPlan planAlbum(const AlbumModel& model, const Workspace& workspace);

}  // namespace xc
