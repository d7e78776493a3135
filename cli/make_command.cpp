#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/render_progress_bar.h"

#include "audio/karaoke_rows.h"
#include "audio/lyrics_import.h"
#include "audio/music_import.h"
#include "core/album_model.h"
#include "core/colour_names.h"
#include "core/file_ops.h"
#include "core/keywords.h"
#include "core/workspace_cleanup.h"
#include "effects/album_length.h"
#include "effects/picture_effects.h"
#include "media/intro_video.h"
#include "effects/text_effects.h"
#include "photos/photo_import.h"
#include "photos/random_source.h"
#include "render/output_settings.h"
#include "render/render_job.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <memory>

namespace xc::cli {

namespace {

// Set by Ctrl-C (or a termination request); the render stops at its next frame.
std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int) { interrupted.store(true); }

constexpr int exitInterrupted = 130;

// Everything `make` was asked for, checked before anything is done.
struct MakeRequest {
    QStringList photos, music, lyrics, karaoke;
    QList<TextEffectDraft> texts;
    QList<PictureEffectDraft> overlays;
    QString intro;
    bool musicFromStart = false;
    QString kind = kw::kindDvd;
    QString imageFormat = imageSequenceFormats().first();
    QString tvSystem = kw::tvPal;
    QString quality = kw::qualityHigh;
    QString syncMode = kw::syncPhotos;
    QString landscapeCrop = kw::landscapeCropFull;
    QString portraitCrop = kw::portraitCropZoom;
    QString lyricsType = lyricsType::both;
    bool loopMusic = false;
    bool loopPictures = false;
    bool strict = false;
    bool verbose = false;
    QSize size;
    std::optional<quint64> seed;
    QString output;
};

QStringList absolutePaths(const QStringList& files)
{
    QStringList out;
    for (const QString& file : files)
        out << QFileInfo(file).absoluteFilePath();
    return out;
}

// "mm:ss|text|motion name|colour name|font|size".
Result<TextEffectDraft> parseText(const QString& spec)
{
    const auto fail = [&spec](const QString& why) {
        return Result<TextEffectDraft>::failure(QStringLiteral("make: --text '%1': %2").arg(spec, why));
    };
    const QStringList fields = spec.split(QLatin1Char('|'));
    if (fields.size() != 6)
        return fail(QStringLiteral("needs six fields mm:ss|text|motion name|colour name|font|size"));
    static const QRegularExpression time(QStringLiteral("^([0-5]\\d):([0-5]\\d)$"));
    const QRegularExpressionMatch start = time.match(fields[0]);
    if (!start.hasMatch())
        return fail(QStringLiteral("the start time must be mm:ss (00:00 … 59:59)"));
    if (!motionNames().contains(fields[2]))
        return fail(QStringLiteral("unknown motion name; one of: ") + motionNames().join(QStringLiteral(", ")));
    const std::optional<quint32> colour = colourValueOfName(fields[3]);
    if (!colour)
        return fail(QStringLiteral("unknown colour name (for example clWhite, clRed, clYellow)"));
    if (!fontSizeEntries().contains(fields[5]))
        return fail(QStringLiteral("the size must be 10 … 40"));
    TextEffectDraft draft;
    draft.minute = start.captured(1);
    draft.second = start.captured(2);
    draft.text = fields[1];
    draft.motionName = fields[2];
    draft.colorName = fields[3];
    draft.colorValue = QString::number(*colour);
    draft.fontName = fields[4];
    draft.fontSize = fields[5];
    return Result<TextEffectDraft>::success(draft);
}

// Maps a choice of the command line onto its value; fails with the accepted choices.
Result<QString> choose(const QString& option, const QString& given, const QList<std::pair<QString, QString>>& choices)
{
    QStringList names;
    for (const auto& [name, value] : choices) {
        if (given.compare(name, Qt::CaseInsensitive) == 0)
            return Result<QString>::success(value);
        names << name;
    }
    return Result<QString>::failure(QStringLiteral("make: --%1 must be one of %2, not '%3'").arg(option, names.join(QLatin1Char('|')), given));
}

struct Options {
    QCommandLineOption photos{QStringLiteral("photos"), QStringLiteral("A photo, or a folder whose .jpg/.jpeg files are added in name order (repeatable; more may follow as arguments)."), QStringLiteral("FILE|DIR")};
    QCommandLineOption music{QStringLiteral("music"), QStringLiteral("A song (repeatable, in album order)."), QStringLiteral("FILE")};
    QCommandLineOption lyrics{QStringLiteral("lyrics"), QStringLiteral("An LRC lyrics file (repeatable; the n-th is bound to the n-th song)."), QStringLiteral("FILE")};
    QCommandLineOption karaoke{QStringLiteral("karaoke"), QStringLiteral("A KSC karaoke script (repeatable; the n-th belongs to the n-th song)."), QStringLiteral("FILE")};
    QCommandLineOption lyricsType{QStringLiteral("lyrics-type"), QStringLiteral("With songs and karaoke scripts: lrc, ksc or both (default)."), QStringLiteral("lrc|ksc|both")};
    QCommandLineOption text{QStringLiteral("text"), QStringLiteral("A text effect: \"mm:ss|text|motion name|colour name|font|size\" (repeatable)."), QStringLiteral("SPEC")};
    QCommandLineOption overlay{QStringLiteral("overlay"), QStringLiteral("A picture over the album (PNG, JPEG, GIF): \"FILE|start s|duration s|x,y,w,h|opacity %\", the place on the 1920x1080 frame (repeatable)."), QStringLiteral("SPEC")};
    QCommandLineOption intro{QStringLiteral("intro"), QStringLiteral("An intro video (any format FFmpeg reads) played before the first template, with its own sound."), QStringLiteral("FILE")};
    QCommandLineOption musicFromStart{QStringLiteral("music-from-start"), QStringLiteral("With --intro: the album's music plays from the first frame, under the intro.")};
    QCommandLineOption kind{QStringLiteral("kind"), QStringLiteral("Output kind (default DVD). XLTP writes numbered pictures into the new folder OUT."), QStringLiteral("VCD|SVCD|DVD|AVI|MP4|XLTP")};
    QCommandLineOption imageFormat{QStringLiteral("image-format"), QStringLiteral("Picture format of XLTP (default JPG)."), QStringLiteral("JPG|BMP|TGA|PCX")};
    QCommandLineOption tv{QStringLiteral("tv"), QStringLiteral("TV system (default PAL)."), QStringLiteral("PAL|NTSC")};
    QCommandLineOption quality{QStringLiteral("quality"), QStringLiteral("Picture quality (default high)."), QStringLiteral("high|normal")};
    QCommandLineOption size{QStringLiteral("size"), QStringLiteral("Output size: VCD 320x176 to 1280x720, the others 32x32 to 1920x1080 (1280x720 at normal quality); DVD at 720x576 or 720x480 is written for the disc (default 1280x720 for VCD, 1920x1080 otherwise)."), QStringLiteral("WxH")};
    QCommandLineOption sync{QStringLiteral("sync"), QStringLiteral("What sets the album length (default photos)."), QStringLiteral("photos|music")};
    QCommandLineOption loopMusic{QStringLiteral("loop-music"), QStringLiteral("Under --sync photos: repeat the songs until the pictures end.")};
    QCommandLineOption loopPictures{QStringLiteral("loop-pictures"), QStringLiteral("Under --sync music: repeat the templates until the music ends.")};
    QCommandLineOption landscapeCrop{QStringLiteral("landscape-crop"), QStringLiteral("Landscape photos: full screen (default) or the template's own effect."), QStringLiteral("full|template")};
    QCommandLineOption portraitCrop{QStringLiteral("portrait-crop"), QStringLiteral("Portrait photos: partial zoom (default) or the template's own effect."), QStringLiteral("zoom|template")};
    QCommandLineOption verbose{QStringLiteral("verbose"), QStringLiteral("After the render, print its log (the encoder's steps and FFmpeg's own messages) on stderr.")};
    QCommandLineOption strict{QStringLiteral("strict"), QStringLiteral("Refuse the whole run when a photo cannot be read (by default it is skipped with a warning).")};
    QCommandLineOption seed{QStringLiteral("seed"), QStringLiteral("Seed of the template draws, for a repeatable album."), QStringLiteral("N")};
    QCommandLineOption output{QStringList{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("The album file (the kind's extension is added when missing), or the new folder for XLTP."), QStringLiteral("OUT")};
};

Result<MakeRequest> readRequest(const QCommandLineParser& parser, const Options& o)
{
    using Failure = Result<MakeRequest>;
    MakeRequest request;
    request.photos = photoFilesFrom(parser.values(o.photos) + parser.positionalArguments());
    if (request.photos.isEmpty())
        return Failure::failure(QStringLiteral("make: no photos given (use --photos FILE|DIR)"));
    request.music = absolutePaths(parser.values(o.music));
    request.lyrics = absolutePaths(parser.values(o.lyrics));
    request.karaoke = absolutePaths(parser.values(o.karaoke));
    for (const QString& spec : parser.values(o.text)) {
        Result<TextEffectDraft> draft = parseText(spec);
        if (!draft.ok())
            return Failure::failure(draft.error());
        request.texts << draft.value();
    }
    for (const QString& spec : parser.values(o.overlay)) {
        Result<PictureEffectDraft> draft = parsePictureEffectSpec(spec);
        if (!draft.ok())
            return Failure::failure(draft.error());
        request.overlays << draft.value();
    }

    struct Choice {
        const QCommandLineOption& option;
        QString& target;
        QList<std::pair<QString, QString>> choices;
    };
    QList<std::pair<QString, QString>> formatChoices;
    for (const QString& format : imageSequenceFormats())
        formatChoices.append({format, format});
    const QList<Choice> choices{
        {o.kind, request.kind, {{"VCD", kw::kindVcd}, {"SVCD", kw::kindSvcd}, {"DVD", kw::kindDvd}, {"AVI", kw::kindAvi}, {"MP4", kw::kindMp4}, {"XLTP", kw::kindImages}}},
        {o.imageFormat, request.imageFormat, formatChoices},
        {o.tv, request.tvSystem, {{"PAL", kw::tvPal}, {"NTSC", kw::tvNtsc}}},
        {o.quality, request.quality, {{"high", kw::qualityHigh}, {"normal", kw::qualityNormal}}},
        {o.sync, request.syncMode, {{"photos", kw::syncPhotos}, {"music", kw::syncMusic}}},
        {o.landscapeCrop, request.landscapeCrop, {{"full", kw::landscapeCropFull}, {"template", kw::landscapeCropTemplate}}},
        {o.portraitCrop, request.portraitCrop, {{"zoom", kw::portraitCropZoom}, {"template", kw::portraitCropTemplate}}},
        {o.lyricsType, request.lyricsType, {{"lrc", lyricsType::lrc}, {"ksc", lyricsType::karaoke}, {"both", lyricsType::both}}},
    };
    for (const Choice& choice : choices) {
        if (!parser.isSet(choice.option))
            continue;
        const Result<QString> value = choose(choice.option.names().first(), parser.value(choice.option), choice.choices);
        if (!value.ok())
            return Failure::failure(value.error());
        choice.target = value.value();
    }
    if (parser.isSet(o.imageFormat) && request.kind != kw::kindImages)
        return Failure::failure(QStringLiteral("make: --image-format is for --kind XLTP"));
    request.loopMusic = parser.isSet(o.loopMusic);
    request.strict = parser.isSet(o.strict);
    request.verbose = parser.isSet(o.verbose);
    if (parser.isSet(o.intro))
        request.intro = QFileInfo(parser.value(o.intro)).absoluteFilePath();
    request.musicFromStart = parser.isSet(o.musicFromStart);
    if (request.musicFromStart && request.intro.isEmpty())
        return Failure::failure(QStringLiteral("make: --music-from-start is for --intro"));
    request.loopPictures = parser.isSet(o.loopPictures);

    request.size = outputSizeList(request.kind).defaultSize();
    if (parser.isSet(o.size)) {
        static const QRegularExpression wxh(QStringLiteral("^(\\d{1,9})[xX×](\\d{1,9})$"));
        const QRegularExpressionMatch match = wxh.match(parser.value(o.size));
        if (!match.hasMatch())
            return Failure::failure(QStringLiteral("make: --size must be WxH, for example 1280x720"));
        const Result<QSize> size = checkedOutputSize(request.kind, request.quality,
                                                     QSize(match.captured(1).toInt(), match.captured(2).toInt()));
        if (!size.ok())
            return Failure::failure(QStringLiteral("make: --size: ") + size.error());
        request.size = size.value();
    }
    if (parser.isSet(o.seed)) {
        bool ok = false;
        request.seed = parser.value(o.seed).toULongLong(&ok);
        if (!ok)
            return Failure::failure(QStringLiteral("make: --seed needs a whole number"));
    }
    request.output = parser.value(o.output);
    if (request.output.isEmpty())
        return Failure::failure(QStringLiteral("make: no output given (use -o OUT)"));
    return Result<MakeRequest>::success(request);
}

void applySettings(AlbumSettings& settings, const MakeRequest& request)
{
    settings.outputKind = request.kind;
    settings.tvSystem = request.tvSystem;
    settings.quality = request.quality;
    settings.landscapeCrop = request.landscapeCrop;
    settings.portraitCrop = request.portraitCrop;
}

void applyAlbumLength(AlbumModel& model, const MakeRequest& request)
{
    prepareAlbumLengthDialog(model);
    if (request.syncMode == kw::syncMusic && !model.music.isEmpty())
        chooseMusicLengthRule(model.settings);
    else
        choosePhotoLengthRule(model.settings);
    model.settings.loopMusic = request.loopMusic;
    model.settings.loopPictures = request.loopPictures && model.settings.syncMode == kw::syncMusic;
}

// The import of a batch: a photo that cannot be read is left out with a warning line naming it
// (the import names the file in its message) and the rest imported again, while any photo is left.
// Under --strict the first such photo refuses the run, as the desktop's import does.
Status importPhotosSkippingUnreadable(AlbumModel& model, const Workspace& workspace, QStringList photos, bool strict,
                                      RandomSource& random)
{
    for (;;) {
        const Status imported = importPhotos(model, workspace, photos, noProgress(), random);
        if (imported.ok() || strict)
            return imported;
        const auto named = std::find_if(photos.begin(), photos.end(),
                                        [&](const QString& photo) { return imported.error().contains(photo); });
        if (named == photos.end() || photos.size() == 1)
            return imported;
        printErr(QStringLiteral("警告：已跳过无法读取的相片。") + imported.error());
        photos.erase(named);
    }
}

// The output path as the launchers make it: the file with its extension, or a new folder.
Result<QString> prepareOutput(const MakeRequest& request)
{
    const QString target = QFileInfo(request.output).absoluteFilePath();
    if (request.kind == kw::kindImages)
        return prepareImageSequenceFolder(target, request.imageFormat);
    const QString path = videoOutputPath(*videoLauncher(request.kind), target);
    const QString folder = QFileInfo(path).absolutePath();
    if (!ensureFolder(folder))
        return Result<QString>::failure(folderNotCreatedMessage(folder));
    return Result<QString>::success(path);
}

class SignalGuard {
public:
    SignalGuard()
    {
        interrupted.store(false);
        m_int = std::signal(SIGINT, onInterrupt);
        m_term = std::signal(SIGTERM, onInterrupt);
    }
    ~SignalGuard()
    {
        std::signal(SIGINT, m_int);
        std::signal(SIGTERM, m_term);
    }

private:
    void (*m_int)(int);
    void (*m_term)(int);
};

int make(const MakeRequest& request, const Workspace& workspace)
{
    SignalGuard signals;
    AlbumModel model;
    startUpReporting(model, workspace);
    const auto finish = [&workspace](int code) {
        cleanWorkspaceAtExit(workspace);
        return code;
    };

    const Result<QString> output = prepareOutput(request);
    if (!output.ok()) {
        printErr(output.error());
        return finish(exitFailure);
    }
    // Until the render starts, only a new picture folder has been written.
    const auto abandon = [&](int code) {
        if (request.kind == kw::kindImages)
            removeUnfinishedOutput(request.kind, output.value());
        return finish(code);
    };

    applySettings(model.settings, request);
    const std::unique_ptr<RandomSource> random = request.seed ? seededRandomSource(*request.seed) : clockRandomSource();
    const QList<std::function<Status()>> imports{
        [&] { return importPhotosSkippingUnreadable(model, workspace, request.photos, request.strict, *random); },
        [&] { return importMusic(model, workspace, request.music); },
        [&] { return importLyrics(model, workspace, request.lyrics); },
        [&] { return importKaraokeScripts(model, request.karaoke); },
    };
    for (const std::function<Status()>& import : imports) {
        if (const Status imported = import(); !imported.ok()) {
            printErr(imported.error());
            return abandon(exitFailure);
        }
        if (interrupted.load())
            return abandon(exitInterrupted);
    }
    for (const TextEffectDraft& draft : request.texts) {
        if (const Status added = addTextEffect(model.textEffects, draft); !added.ok()) {
            printErr(added.error());
            return abandon(exitFailure);
        }
    }
    for (const PictureEffectDraft& draft : request.overlays) {
        if (const Status added = addPictureEffect(model.pictureEffects, draft); !added.ok()) {
            printErr(added.error());
            return abandon(exitFailure);
        }
    }
    if (!request.intro.isEmpty()) {
        const Result<IntroVideoInfo> intro = probeIntroVideo(request.intro);
        if (!intro.ok()) {
            printErr(intro.error());
            return abandon(exitFailure);
        }
        model.settings.introVideo = request.intro;
        model.settings.introFrames = intro.value().albumFrames;
        model.settings.musicFromStart = request.musicFromStart;
    }
    applyAlbumLength(model, request);
    if (const Status photos = checkPhotosPresent(model); !photos.ok()) {
        printErr(photos.error());
        return abandon(exitFailure);
    }

    RenderJob job(model, workspace, RenderRequest{output.value(), request.size, request.lyricsType});
    RenderResult result;
    {
        RenderProgressBar bar(job, [] { return !interrupted.load(); });
        job.setListener(&bar);
        result = job.run();
    }
    if (request.verbose) {
        for (const QString& line : job.progressLog().lines())
            printErr(line);
    }
    for (const QString& line : job.errorLog().lines())
        printErr(QStringLiteral("警告：") + line);
    if (result.outcome == RenderOutcome::Stopped || interrupted.load()) {
        removeUnfinishedOutput(request.kind, output.value());
        printErr(QStringLiteral("已停止制作，未完成的输出已删除。"));
        return finish(exitInterrupted);
    }
    if (!result.ok()) {
        removeUnfinishedOutput(request.kind, output.value());
        printErr(QStringLiteral("相册制作失败：") + result.error);
        return finish(exitFailure);
    }
    printOut(QStringLiteral("相册已生成：") + QDir::toNativeSeparators(output.value()));
    return finish(exitOk);
}

}  // namespace

int runMake(const QStringList& args)
{
    QCommandLineParser parser;
    const Options options;
    parser.addOptions({options.photos, options.music, options.lyrics, options.karaoke, options.lyricsType, options.text, options.overlay, options.intro, options.musicFromStart,
                       options.kind, options.imageFormat, options.tv, options.quality, options.size, options.sync,
                       options.loopMusic, options.loopPictures, options.landscapeCrop, options.portraitCrop, options.strict, options.verbose, options.seed,
                       options.output});
    parser.addPositionalArgument(QStringLiteral("FILE|DIR"), QStringLiteral("More photos."), QStringLiteral("[FILE|DIR…]"));
    int code = exitOk;
    if (!parseCommand(parser, QStringLiteral("make"),
                      QStringLiteral("Makes an album in one go, as the desktop does: imports the photos, songs, lyrics and "
                                     "karaoke scripts, adds the text effects, then renders every frame into the output. "
                                     "Ctrl-C stops the render and removes the unfinished output."),
                      args, code))
        return code;
    const Result<MakeRequest> request = readRequest(parser, options);
    if (!request.ok()) {
        printErr(request.error());
        return exitUsage;
    }
    const std::optional<CommandWorkspace> work = workspaceFrom(parser);
    if (!work)
        return exitFailure;
    return make(request.value(), work->workspace);
}

}  // namespace xc::cli
