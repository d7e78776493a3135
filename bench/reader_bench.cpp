// The lyrics readers on 1 MB inputs of shapes that once made them slow: brackets nested deep, one
// endless lyric line, noise, many short lines. Each case runs in a child process, so the peak
// memory printed is that case's own; the goal is well under a second with memory that does not
// grow with the shape.
#include "audio/karaoke_script.h"
#include "audio/karaoke_style.h"
#include "audio/lrc_reader.h"
#include "audio/lyric_styles.h"
#include "core/records.h"

#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace xc;

namespace {

constexpr int megabyte = 1 << 20;

QByteArray nestedBrackets(const QByteArray& prefix)
{
    const int depth = (megabyte - prefix.size()) / 2;
    return prefix + QByteArray(depth, '[') + QByteArray(depth, ']') + "x\n";
}

QByteArray endlessKaraokeLine()
{
    QByteArray text;
    const QByteArray characters[] = {"晚", "风", "轻", "吹", "过", "河", "岸", "星"};
    while (text.size() < megabyte - 200)
        text += characters[text.size() % 8];
    return "karaoke.add('00:05.000', '00:10.000', '" + text + "', '625,313');\n";
}

QByteArray noise()
{
    QByteArray bytes(megabyte, '\0');
    QRandomGenerator random(7);
    for (char& byte : bytes)
        byte = char(random.generate() & 0xFF);
    return bytes;
}

QByteArray shortLines(const QByteArray& line)
{
    QByteArray all;
    while (all.size() < megabyte)
        all += line;
    return all;
}

// Runs `read` on `bytes` in a child; prints the time and the child's peak memory.
void measure(const char* name, const QByteArray& bytes, const std::function<bool(const QString&)>& read)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return;
    file.close();
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        const auto start = std::chrono::steady_clock::now();
        const bool ok = read(path);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%-34s %7.1f KB  %8.3f s  peak %6.1f MB  %s\n", name, bytes.size() / 1024.0, seconds,
                    usage.ru_maxrss / 1024.0, ok ? "read" : "refused");
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const auto lrc = [](const QString& path) { return readLrcFile(path).ok(); };
    KaraokeStyleRecord row;
    applyDefaultKaraokeStyle(row);
    const KaraokeStyle style = karaokeStyleFor(row, QSize(1920, 1080));
    const auto ksc = [&style](const QString& path) { return loadKaraokeScript(path, style).ok(); };

    measure("LRC: brackets nested 500,000 deep", nestedBrackets("[00:01]"), lrc);
    measure("LRC: one lyric line of 1 MB", shortLines("歌") .left(megabyte - 10).prepend("[00:01]"), lrc);
    measure("LRC: noise", noise(), lrc);
    measure("LRC: 60,000 short lines", shortLines("[00:01.00][00:02]歌词\n"), lrc);
    measure("KSC: one lyric line of 1 MB", endlessKaraokeLine(), ksc);
    measure("KSC: brackets nested in a line", "karaoke.add('00:05.000', '00:10.000', '" + nestedBrackets("").chopped(2) + "', '1');\n", ksc);
    measure("KSC: noise", noise(), ksc);
    measure("KSC: 20,000 statements", shortLines("karaoke.add('00:05.000', '00:10.000', '晚风[轻轻]吹过', '625,313,312,625');\n"), ksc);
    return 0;
}
