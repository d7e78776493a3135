#include "render/encoder_run.h"

#include "core/album_settings.h"
#include "core/keywords.h"
#include "effects/album_length.h"
#include "media/conversion_library.h"

namespace xc {

namespace {

std::optional<FormatPreset> presetFor(const QString& kind)
{
    if (kind == kw::kindVcd)
        return FormatPreset::Vcd;
    if (kind == kw::kindSvcd)
        return FormatPreset::Svcd;
    if (kind == kw::kindDvd)
        return FormatPreset::Dvd;
    return std::nullopt;
}

constexpr int frameBits = 32;

}  // namespace

std::optional<QSize> frameFormatFor(const QString& kind, const QString& quality)
{
    const bool normal = quality == kw::qualityNormal;
    if (kind == kw::kindImages && normal)
        return std::nullopt;
    if (kind == kw::kindVcd || normal)
        return QSize(1280, 720);
    return QSize(1920, 1080);
}

void configureConversion(ConversionLibrary& library, const AlbumSettings& settings, const AlbumPlan& plan,
                         const QString& frameFile, QSize outputSize, const QString& outputPath)
{
    library.clearList(ConversionLibrary::ListKind::FrameFile);
    library.clearList(ConversionLibrary::ListKind::AudioFile);
    for (qint64 frame = 0; frame < plan.frameBudget; ++frame)
        library.addToList(ConversionLibrary::ListKind::FrameFile, frameFile);
    for (const QString& song : plan.audioFiles)
        library.addToList(ConversionLibrary::ListKind::AudioFile, song);

    const TvSystem system = settings.tvSystem == kw::tvNtsc ? TvSystem::Ntsc : TvSystem::Pal;
    if (const std::optional<FormatPreset> preset = presetFor(settings.outputKind))
        library.setFormatPreset(*preset, system);
    else if (settings.outputKind == kw::kindAvi || settings.outputKind == kw::kindMp4)
        library.setTvSystem(system);
    library.setKeepDuration(true);
    library.setTruncateAudioToVideo(plan.truncateAudio);
    library.setAudioLeadIn(plan.musicAfterIntro && plan.introFrames > 0 ? AudioLeadIn{settings.introVideo, plan.introFrames}
                                                                         : AudioLeadIn{});
    if (const std::optional<QSize> format = frameFormatFor(settings.outputKind, settings.quality))
        library.setVideoFormat(format->width(), format->height(), frameBits);
    library.setVideoBitRate(bitRateUpper, bitRateLower, bitRatePeak);
    if (!outputSize.isEmpty())
        library.setOutputSize(outputSize.width(), outputSize.height());
    library.setVideoFileName(outputPath);
    library.setAudioFileName(outputPath);
}

}  // namespace xc
