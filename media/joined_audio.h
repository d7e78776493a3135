#pragma once

#include "core/result.h"
#include "media/conversion_output_plan.h"
#include "media/ffmpeg_utils.h"
#include "media/song_pcm_decoder.h"

#include <QByteArray>
#include <QStringList>

#include <memory>

namespace xc::ffmpeg {

// The songs of the audio list played back to back, after the lead-in when there is one: each is
// decoded in turn at the output rate and brought into the encoder's sample format, so the encoder
// sees one continuous stream.
class JoinedAudio {
public:
    JoinedAudio(QStringList songs, int sampleRate, AVSampleFormat sampleFormat, const AudioLeadIn& leadIn = {});

    // Fills frame (allocated for frame.nb_samples stereo samples of the output format) with the
    // next samples and pads the rest with silence. Answers how many real samples it holds: 0 once
    // every song has ended.
    Result<int> read(AVFrame& frame);

private:
    Status fill(int wanted);
    void decodeLeadIn();
    Status convertDecoded();

    QString m_leadInPath;
    qint64 m_leadInLeft = 0;  // samples
    std::unique_ptr<SongPcmDecoder> m_leadIn;
    QStringList m_songs;
    int m_nextSong = 0;
    int m_sampleRate;
    AVSampleFormat m_sampleFormat;
    std::unique_ptr<SongPcmDecoder> m_song;
    QByteArray m_decoded;  // interleaved 16-bit stereo
    ResampleContextPtr m_converter;
    AudioFifoPtr m_fifo;
};

// The number of stereo samples the song decodes to at sampleRate.
Result<qint64> songSampleCount(const QString& path, int sampleRate);

}  // namespace xc::ffmpeg
