#include "media/movie_source.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cctype>
#include <cstring>

namespace xc {

namespace {

const QString startPictureRelativePath = QStringLiteral("../../pic/picture_0.rar");

QString placeholderUri(int index)
{
    QImage placeholder(placeholderSize(index), QImage::Format_ARGB32);
    placeholder.fill(Qt::transparent);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    placeholder.save(&buffer, "PNG");
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

bool isImageAsset(const QJsonObject& asset)
{
    return asset.contains(QStringLiteral("p")) && !asset.contains(QStringLiteral("layers"));
}

MovieImageAsset describeImageAsset(const QJsonObject& asset, const QDir& movieFolder)
{
    MovieImageAsset image;
    image.box = QSize(asset.value(QStringLiteral("w")).toInt(), asset.value(QStringLiteral("h")).toInt());
    const QString name = asset.value(QStringLiteral("p")).toString();
    if (name.startsWith(QStringLiteral("data:"))) {
        const qsizetype comma = name.indexOf(QLatin1Char(','));
        if (comma > 0)
            image.embeddedData = QByteArray::fromBase64(name.mid(comma + 1).toLatin1());
        return image;
    }
    const QString relative = asset.value(QStringLiteral("u")).toString() + name;
    image.isStartPicture = QDir::cleanPath(relative) == startPictureRelativePath;
    image.picturePath = QDir::cleanPath(movieFolder.filePath(relative));
    return image;
}

// Finds the elements of the top-level "assets" array in the raw JSON text, so that image assets
// can be replaced while every other byte stays as written: the engine's parser depends on key
// order (a shape's "ty" must come first), which re-serialising would lose. The text is known to
// be valid JSON.
class AssetSpans {
public:
    struct Span {
        qsizetype begin;
        qsizetype end;
    };

    explicit AssetSpans(const QByteArray& text) : m_text(text) {}

    QList<Span> find()
    {
        QList<Span> spans;
        skipWhitespace();
        if (!consume('{'))
            return spans;
        while (skipWhitespace(), m_pos < m_text.size() && m_text[m_pos] == '"') {
            const qsizetype keyBegin = m_pos;
            skipString();
            const bool isAssets = m_text.mid(keyBegin, m_pos - keyBegin) == "\"assets\"";
            skipWhitespace();
            consume(':');
            skipWhitespace();
            if (isAssets && consume('[')) {
                while (skipWhitespace(), m_pos < m_text.size() && m_text[m_pos] != ']') {
                    const qsizetype begin = m_pos;
                    skipValue();
                    spans.append({begin, m_pos});
                    skipWhitespace();
                    consume(',');
                }
                return spans;
            }
            skipValue();
            skipWhitespace();
            consume(',');
        }
        return spans;
    }

private:
    bool consume(char c)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    void skipWhitespace()
    {
        while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos])))
            ++m_pos;
    }

    void skipString()
    {
        for (++m_pos; m_pos < m_text.size() && m_text[m_pos] != '"'; ++m_pos) {
            if (m_text[m_pos] == '\\')
                ++m_pos;
        }
        ++m_pos;
    }

    void skipValue()
    {
        if (m_pos >= m_text.size())
            return;
        const char first = m_text[m_pos];
        if (first == '"') {
            skipString();
        } else if (first == '{' || first == '[') {
            int depth = 0;
            while (m_pos < m_text.size()) {
                const char c = m_text[m_pos];
                if (c == '"') {
                    skipString();
                    continue;
                }
                ++m_pos;
                if (c == '{' || c == '[')
                    ++depth;
                else if ((c == '}' || c == ']') && --depth == 0)
                    return;
            }
        } else {
            while (m_pos < m_text.size() && !std::strchr(",]} \t\r\n", m_text[m_pos]))
                ++m_pos;
        }
    }

    const QByteArray& m_text;
    qsizetype m_pos = 0;
};

QHash<QString, QString> markerVariables(const QJsonArray& markers)
{
    QHash<QString, QString> variables;
    for (const QJsonValue& marker : markers) {
        const QString comment = marker.toObject().value(QStringLiteral("cm")).toString();
        const qsizetype equals = comment.indexOf(QLatin1Char('='));
        if (equals > 0)
            variables.insert(comment.left(equals), comment.mid(equals + 1));
    }
    return variables;
}

}  // namespace

QSize placeholderSize(int index) { return QSize(1, index + 1); }

int assetIndexOfPlaceholder(int width, int height) { return width == 1 && height >= 1 ? height - 1 : -1; }

namespace {

// A path shape must carry its path: the animation engine reads a path shape's "ks" without
// looking, and one without it brings the whole program down. Groups are searched through.
bool shapesHaveTheirPaths(const QJsonArray& items, int depth = 0)
{
    if (depth > 64)
        return false;
    for (const QJsonValue& value : items) {
        const QJsonObject item = value.toObject();
        const QString type = item.value(QStringLiteral("ty")).toString();
        if (type == QLatin1String("gr") && !shapesHaveTheirPaths(item.value(QStringLiteral("it")).toArray(), depth + 1))
            return false;
        if (type != QLatin1String("sh"))
            continue;
        const QJsonValue path = item.value(QStringLiteral("ks")).toObject().value(QStringLiteral("k"));
        const bool still = path.isObject() && path.toObject().value(QStringLiteral("v")).isArray();
        const bool animated = path.isArray() && !path.toArray().isEmpty();
        if (!still && !animated)
            return false;
    }
    return true;
}

// Every layer is whole: its shapes carry their paths, and an image or a nested movie names an
// asset the movie has (the engine follows a missing one into nothing).
bool layersAreWhole(const QJsonArray& layers, const QSet<QString>& assetIds)
{
    for (const QJsonValue& value : layers) {
        const QJsonObject layer = value.toObject();
        if (!shapesHaveTheirPaths(layer.value(QStringLiteral("shapes")).toArray()))
            return false;
        const int type = layer.value(QStringLiteral("ty")).toInt(-1);
        if ((type == 0 || type == 2) && !assetIds.contains(layer.value(QStringLiteral("refId")).toString()))
            return false;
    }
    return true;
}

}  // namespace

Result<MovieSource> readMovieSource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<MovieSource>::failure(QStringLiteral("cannot read the movie %1: %2").arg(path, file.errorString()));
    const QByteArray text = file.readAll();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return Result<MovieSource>::failure(QStringLiteral("the movie %1 is not a Lottie JSON animation (%2)")
                                                .arg(path, parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                                                      : QStringLiteral("not an object")));

    const QDir movieFolder = QFileInfo(path).absoluteDir();
    const QJsonObject root = document.object();
    QSet<QString> assetIds;
    // An asset without an id is no asset a layer can name (a layer without a reference would
    // otherwise match it).
    for (const QJsonValue& asset : root.value(QStringLiteral("assets")).toArray()) {
        const QString id = asset.toObject().value(QStringLiteral("id")).toString();
        if (!id.isEmpty())
            assetIds.insert(id);
    }
    bool whole = layersAreWhole(root.value(QStringLiteral("layers")).toArray(), assetIds);
    for (const QJsonValue& asset : root.value(QStringLiteral("assets")).toArray())
        whole = whole && layersAreWhole(asset.toObject().value(QStringLiteral("layers")).toArray(), assetIds);
    if (!whole)
        return Result<MovieSource>::failure(QStringLiteral("the movie %1 is incomplete (a shape without its path or a layer of a missing picture)").arg(path));
    MovieSource source;
    source.variables = markerVariables(root.value(QStringLiteral("markers")).toArray());

    const QJsonArray assets = root.value(QStringLiteral("assets")).toArray();
    const QList<AssetSpans::Span> spans = AssetSpans(text).find();
    if (spans.size() != assets.size())
        return Result<MovieSource>::failure(QStringLiteral("the movie %1 has an unreadable asset list").arg(path));
    source.engineJson.reserve(text.size());
    qsizetype copied = 0;
    for (qsizetype i = 0; i < assets.size(); ++i) {
        QJsonObject asset = assets.at(i).toObject();
        if (!isImageAsset(asset))
            continue;
        const int index = int(source.imageAssets.size());
        source.imageAssets.append(describeImageAsset(asset, movieFolder));
        asset.insert(QStringLiteral("u"), QString());
        asset.insert(QStringLiteral("p"), placeholderUri(index));
        asset.insert(QStringLiteral("e"), 1);
        source.engineJson += text.mid(copied, spans[i].begin - copied);
        source.engineJson += QJsonDocument(asset).toJson(QJsonDocument::Compact);
        copied = spans[i].end;
    }
    source.engineJson += text.mid(copied);
    return Result<MovieSource>::success(std::move(source));
}

}  // namespace xc
