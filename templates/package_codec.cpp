#include "templates/package_codec.h"

#include <QFile>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>

namespace xc {

namespace {

Result<QByteArray> readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<QByteArray>::failure(QStringLiteral("无法读取文件 %1").arg(path));
    if (file.size() > maxLayerLength + 4)
        return Result<QByteArray>::failure(QStringLiteral("文件过大 %1").arg(path));
    return Result<QByteArray>::success(file.readAll());
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace

Result<QByteArray> decodeLayer(const QByteArray& layer)
{
    using R = Result<QByteArray>;
    if (layer.isEmpty())
        return R::success({});
    if (layer.size() < 4)
        return R::failure(QStringLiteral("数据层不完整（缺少长度）"));
    const qint32 length = qFromLittleEndian<qint32>(layer.constData());
    if (length < 0 || length > maxLayerLength)
        return R::failure(QStringLiteral("数据层长度无效（%1）").arg(length));

    // Deflate expands at most 1,032 times, so a short layer whose header claims a large length
    // cannot fill it: the buffer is sized by what the layer could hold, not by what it claims.
    const qint64 mostInflated = qint64(layer.size() - 4) * 1032 + 1024;
    QByteArray out(qsizetype(std::min<qint64>(length, mostInflated)), Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return R::failure(QStringLiteral("解压初始化失败"));
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(layer.constData() + 4));
    stream.avail_in = uInt(layer.size() - 4);
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    int rc = Z_OK;
    // Only the first `length` bytes are wanted: stop once they are there, whatever follows.
    while (stream.avail_out > 0 && rc == Z_OK)
        rc = inflate(&stream, Z_NO_FLUSH);
    const qint64 produced = qint64(out.size()) - stream.avail_out;
    inflateEnd(&stream);
    if (produced < length) {
        if (rc == Z_STREAM_END)
            return R::failure(QStringLiteral("数据层比声明的长度短（%1 < %2）").arg(produced).arg(length));
        return R::failure(QStringLiteral("数据层不是有效的压缩数据"));
    }
    return R::success(out);
}

QByteArray encodeLayer(const QByteArray& decoded)
{
    uLongf bound = compressBound(uLong(decoded.size()));
    QByteArray out(4 + qsizetype(bound), Qt::Uninitialized);
    qToLittleEndian<qint32>(qint32(decoded.size()), out.data());
    compress2(reinterpret_cast<Bytef*>(out.data() + 4), &bound, reinterpret_cast<const Bytef*>(decoded.constData()),
              uLong(decoded.size()), Z_BEST_COMPRESSION);
    out.resize(4 + qsizetype(bound));
    return out;
}

QByteArray encodePackage(const QByteArray& payload)
{
    QByteArray bytes = payload;
    for (int layer = 0; layer < packageLayers; ++layer)
        bytes = encodeLayer(bytes);
    return bytes;
}

Status decodePackage(const QString& packagePath, const QString& scratchPrefix, const QString& finalPath)
{
    auto input = readFile(packagePath);
    if (!input.ok())
        return Status::failure(input.error());
    QByteArray bytes = input.value();
    for (int j = 1; j <= packageLayers; ++j) {
        auto decoded = decodeLayer(bytes);
        if (!decoded.ok())
            return Status::failure(QStringLiteral("%1：第 %2 层：%3").arg(packagePath).arg(j).arg(decoded.error()));
        const QString target = j < packageLayers ? scratchPrefix + QLatin1Char('-') + QString::number(j) + QStringLiteral(".rar")
                                                 : finalPath;
        if (!writeFile(target, decoded.value()))
            return Status::failure(QStringLiteral("无法写入文件 %1").arg(target));
        bytes = std::move(decoded.value());
    }
    return Status::success();
}

}  // namespace xc
