#include "tests/render/render_fixture.h"

#include "audio/lyric_styles.h"
#include "tests/media/movie_fixtures.h"

#include <QDataStream>
#include <QDir>
#include <QFile>

#include <cmath>

namespace xc::test {

namespace {

QString instanceFolder(int n) { return QStringLiteral("smxcwjj/tp_wjj/tp_wjj/tp_wjj_%1/").arg(n); }

QJsonObject solidMovie(int frames, const QColor& colour)
{
    const QJsonArray items{rectangle(QPointF(960, 540), QSizeF(1920, 1080)), fill(colour)};
    return movieJson(QJsonArray{}, QJsonArray{shapeLayer(items, LayerTransform{}, frames)}, frames);
}

QJsonObject startPictureMovie(int frames)
{
    const QJsonArray assets{imageAsset(QStringLiteral("picture_0"), QSize(1920, 1080),
                                       TemplateFolder::startPictureAssetFolder, QStringLiteral("picture_0.rar"))};
    LayerTransform centred;
    centred.anchor = QPointF(960, 540);
    centred.position = QPointF(960, 540);
    return movieJson(assets, QJsonArray{imageLayer(QStringLiteral("picture_0"), centred, frames)}, frames);
}

void writeSineWav(const QString& path, int seconds)
{
    constexpr int rate = 44100;
    constexpr int channels = 2;
    const qint32 samples = rate * seconds;
    const qint32 dataBytes = samples * channels * 2;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << qint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << qint32(16) << qint16(1) << qint16(channels) << qint32(rate) << qint32(rate * channels * 2)
        << qint16(channels * 2) << qint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (qint32 i = 0; i < samples; ++i) {
        const auto value = qint16(8000 * std::sin(2 * M_PI * 440 * i / rate));
        out << value << value;
    }
}

}  // namespace

RenderAlbum::RenderAlbum()
{
    QImage start(1920, 1080, QImage::Format_RGB32);
    start.fill(designedStartColour);
    QDir().mkpath(path(QStringLiteral("smxcwjj/pictures")));
    writeJpeg(start, path(QStringLiteral("smxcwjj/pictures/start.jpg")));
    QDir().mkpath(path(QStringLiteral("smxcwjj/tp_wjj/pic")));
    QDir().mkpath(path(QStringLiteral("smxcwjj/tp_load")));
    QDir().mkpath(path(QStringLiteral("yinyuegeci")));
}

void RenderAlbum::addTemplate(int frames, const QColor& colour, bool showsStartPicture)
{
    addBrokenTemplate(frames);
    const QJsonObject movie = showsStartPicture ? startPictureMovie(frames) : solidMovie(frames, colour);
    m_tree.writeFile(instanceFolder(m_instances) + QStringLiteral("w_j_%1.rar").arg(m_instances), lottieText(movie));
}

void RenderAlbum::addBrokenTemplate(int frames)
{
    ++m_instances;
    QDir().mkpath(path(instanceFolder(m_instances)));
    PhotoRecord photo;
    photo.seq = QString::number(model.photos.count() + 1);
    photo.templateFolder = QString::number(m_instances);
    photo.templateFrames = QString::number(frames);
    photo.templatePhotoCount = QStringLiteral("1");
    model.photos.append(photo);
    model.settings.templateCounter = QString::number(m_instances);
}

void RenderAlbum::writeClosing(int frames)
{
    m_tree.writeFile(QStringLiteral("smxcwjj/tp_wjj/tp_wjj/tp_wjj_zuihou/w_j_zuihou.rar"), lottieText(startPictureMovie(frames)));
}

void RenderAlbum::addSong(int seconds)
{
    MusicRecord song;
    song.seq = QString::number(model.music.count() + 1);
    song.name = QStringLiteral("song%1").arg(model.music.count());
    song.path = path(QStringLiteral("yinyuegeci/%1.wav").arg(song.name));
    song.frames = QString::number(seconds * 25);
    song.lyricsKey = QStringLiteral("wu");
    writeSineWav(song.path, seconds);
    model.music.append(song);
}

LyricsRecord& RenderAlbum::addLyrics(const QString& lrcText, int song)
{
    LyricsRecord row;
    row.seq = QString::number(model.lyrics.count() + 1);
    row.path = path(QStringLiteral("yinyuegeci/lyrics%1.lrc").arg(model.lyrics.count()));
    m_tree.writeFile(QStringLiteral("yinyuegeci/lyrics%1.lrc").arg(model.lyrics.count()), lrcText.toUtf8());
    applyDefaultLyricStyle(row);
    const QString key = QStringLiteral("key%1").arg(model.lyrics.count());
    row.musicKey = key;
    model.music[song].lyricsKey = key;
    model.lyrics.append(row);
    return model.lyrics.last();
}

KaraokeStyleRecord& RenderAlbum::addKaraoke(const QString& kscText)
{
    KaraokeStyleRecord row;
    row.seq = QString::number(model.karaoke.count() + 1);
    const QString relative = QStringLiteral("yinyuegeci/script%1.ksc").arg(model.karaoke.count());
    row.path = path(relative);
    m_tree.writeFile(relative, kscText.toUtf8());
    applyDefaultKaraokeStyle(row);
    model.karaoke.append(row);
    return model.karaoke.last();
}

namespace {

bool close(QRgb pixel, const QColor& colour, int tolerance)
{
    return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance
           && std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

}  // namespace

int countPixels(const QImage& image, const QRect& area, const QColor& colour, int tolerance)
{
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += close(image.pixel(x, y), colour, tolerance) ? 1 : 0;
    return count;
}

QRect pixelBox(const QImage& image, const QRect& area, const QColor& colour, int tolerance)
{
    QRect box;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (close(image.pixel(x, y), colour, tolerance))
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

}  // namespace xc::test
