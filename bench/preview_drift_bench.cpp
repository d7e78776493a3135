// The lyrics preview and the karaoke manager's preview against the audio player's position, over
// a whole song (default 180 s, made with the ffmpeg program): both windows play it at once while
// a sampler, out of step with their ticks, asks the player where the song is and the window what
// it shows. The lag is the part of the song the window has not shown yet (for the karaoke, past
// the end of the frame on display); the drift is how much the lag grows from the first to the
// last 30 seconds. Both must stay under one album frame (40 ms).
#include "audio/song_time_key.h"
#include "core/album_model.h"
#include "photos/random_source.h"
#include "templates/startup.h"
#include "tests/support/test_tree.h"
#include "tests/ui/support/recording_dialogs.h"
#include "ui/audio/karaoke_manager_window.h"
#include "ui/audio/song_preview_window.h"
#include "ui/shell/main_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace xc;

namespace {

constexpr int frameMs = 1000 / albumFramesPerSecond;
constexpr qint64 edgeMs = 30000;

bool writeText(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

// A line every five seconds, as LRC and as a karaoke script of eight groups.
void writeLyrics(const QString& folder, int seconds)
{
    QString lrc, ksc = QStringLiteral("karaoke := CreateKaraokeObject;\nkaraoke.rows := 2;\nkaraoke.clear;\n");
    for (int s = 5; s + 5 <= seconds; s += 5) {
        const QString text = QStringLiteral("第%1句歌词慢慢唱").arg(s / 5);
        lrc += QStringLiteral("[%1.00]%2\n").arg(songTimeKey(s), text);
        ksc += QStringLiteral("karaoke.add('%1.000', '%2.000', '%3', '625,625,625,625,625,625,625,625');\n")
                   .arg(songTimeKey(s), songTimeKey(s + 5), text);
    }
    writeText(folder + QStringLiteral("/drift.lrc"), lrc);
    writeText(folder + QStringLiteral("/drift.ksc"), ksc);
}

struct Lags {
    const char* name;
    std::vector<std::pair<qint64, qint64>> samples;  // (song position, lag) in ms

    void add(qint64 position, qint64 lag) { samples.emplace_back(position, std::max<qint64>(0, lag)); }
    double meanBetween(qint64 from, qint64 to) const
    {
        double sum = 0;
        int count = 0;
        for (const auto& [position, lag] : samples)
            if (position >= from && position < to) {
                sum += double(lag);
                ++count;
            }
        return count ? sum / count : 0.0;
    }
    void report(qint64 lengthMs) const
    {
        std::vector<qint64> lags;
        std::pair<qint64, qint64> worst{0, 0};
        for (const auto& sample : samples) {
            lags.push_back(sample.second);
            if (sample.second > worst.second)
                worst = sample;
        }
        std::sort(lags.begin(), lags.end());
        const qint64 p999 = lags.empty() ? 0 : lags[lags.size() * 999 / 1000];
        const double drift = meanBetween(lengthMs - edgeMs, lengthMs) - meanBetween(0, edgeMs);
        std::printf("%-16s %6zu samples  mean lag %5.1f ms (first 30 s) %5.1f ms (last 30 s)  drift %+5.1f ms  "
                    "99.9%% of lags under %lld ms  worst %lld ms at %.1f s  %s\n",
                    name, samples.size(), meanBetween(0, edgeMs), meanBetween(lengthMs - edgeMs, lengthMs), drift, p999 + 1,
                    worst.second, double(worst.first) / 1000, std::abs(drift) < frameMs && p999 < frameMs ? "under one frame" : "OVER ONE FRAME");
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(70, atoi(argv[1])) : 180;
    test::TestTree tree{test::TestTree::Contents::BuiltDataTree};
    const QString folder = tree.path(QStringLiteral("drift"));
    QDir().mkpath(folder);
    const QString song = folder + QStringLiteral("/drift.mp3");
    const int made = QProcess::execute(QStringLiteral("ffmpeg"),
                                       {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
                                        QStringLiteral("lavfi"), QStringLiteral("-i"),
                                        QStringLiteral("sine=frequency=440:duration=%1").arg(seconds), QStringLiteral("-c:a"),
                                        QStringLiteral("libmp3lame"), QStringLiteral("-b:a"), QStringLiteral("128k"), song});
    if (made != 0) {
        std::fprintf(stderr, "could not make the song with ffmpeg\n");
        return 1;
    }
    writeLyrics(folder, seconds);

    AlbumModel model;
    test::RecordingDialogs dialogs;
    std::unique_ptr<RandomSource> random = seededRandomSource(1);
    startUp(model, tree.workspace());
    ui::MainWindow window(model, tree.workspace(), dialogs, *random);
    window.addFiles({song, folder + QStringLiteral("/drift.lrc")});

    ui::SongPreviewWindow lyrics(ui::SongPreviewWindow::Kind::Lyrics, model, dialogs);
    lyrics.chooseLyrics(0);
    lyrics.chooseSong(0);
    ui::KaraokeManagerWindow karaoke(model, tree.workspace(), dialogs);
    dialogs.files = {folder + QStringLiteral("/drift.ksc")};
    karaoke.importScripts();
    karaoke.chooseScript(0);
    if (!dialogs.messages.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(dialogs.messages.join(QLatin1Char('\n'))));
        return 1;
    }

    Lags lyricsLags{"lyrics preview", {}}, karaokeLags{"karaoke preview", {}};
    QTimer sampler;
    sampler.setTimerType(Qt::PreciseTimer);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        if (lyrics.isPlaying()) {
            const qint64 at = lyrics.songPositionMs();
            lyricsLags.add(at, at - lyrics.shownPositionMs());
        }
        if (karaoke.isPlaying()) {
            const qint64 at = karaoke.songPositionMs();
            karaokeLags.add(at, at - (karaoke.shownPositionMs() + frameMs));
        }
        if (!lyrics.isPlaying() && !karaoke.isPlaying())
            app.quit();
    });
    // Shown, so every step also paints as it would on a desk.
    lyrics.show();
    karaoke.show();
    lyrics.play();
    karaoke.play();
    sampler.start(7);  // out of step with the 15 ms and 40 ms ticks
    std::printf("playing a %d s song in both previews (%s)...\n", seconds,
                "audio position from the player; without an audio device it follows the clock");
    app.exec();

    const qint64 lengthMs = qint64(seconds) * 1000;
    lyricsLags.report(lengthMs);
    karaokeLags.report(lengthMs);
    return 0;
}
