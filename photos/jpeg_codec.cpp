#include "photos/jpeg_codec.h"

#include <turbojpeg.h>

#include <memory>

namespace xc {

namespace {

struct HandleCloser {
    void operator()(void* handle) const { tjDestroy(handle); }
};
using TjHandle = std::unique_ptr<void, HandleCloser>;

struct BufferFree {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

const unsigned char* bytesOf(const QByteArray& data) { return reinterpret_cast<const unsigned char*>(data.constData()); }

QString errorText(void* handle) { return QString::fromLocal8Bit(tjGetErrorStr2(handle)); }

// The decoder also fails on warnings, which is right for a truncated or damaged stream (the
// picture would be partly grey or garbled). Stray bytes between two segments are the one
// warning that leaves the picture whole; some cameras write them.
bool isHarmlessWarning(void* handle)
{
    return tjGetErrorCode(handle) == TJERR_WARNING && errorText(handle).contains(QStringLiteral("extraneous bytes before marker"));
}

// The reduced scales libjpeg-turbo decodes directly, largest first (8/8 … 1/8).
constexpr int scaleEighths[] = {8, 7, 6, 5, 4, 3, 2, 1};

int scaled(int length, int eighths) { return TJSCALED(length, (tjscalingfactor{eighths, 8})); }

}  // namespace

Result<QSize> readJpegSize(const QByteArray& jpeg)
{
    using R = Result<QSize>;
    if (jpeg.isEmpty())
        return R::failure(QStringLiteral("文件是空的"));
    TjHandle handle(tjInitDecompress());
    if (!handle)
        return R::failure(QStringLiteral("无法初始化 JPEG 解码器"));
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(handle.get(), bytesOf(jpeg), jpeg.size(), &width, &height, &subsampling, &colourspace) != 0)
        return R::failure(errorText(handle.get()));
    if (width <= 0 || height <= 0)
        return R::failure(QStringLiteral("图片尺寸无效"));
    return R::success(QSize(width, height));
}

QSize jpegDecodeSize(QSize full, QSize atLeast)
{
    QSize chosen = full;
    for (int eighths : scaleEighths) {
        const QSize candidate(scaled(full.width(), eighths), scaled(full.height(), eighths));
        if (candidate.width() < atLeast.width() || candidate.height() < atLeast.height())
            break;
        chosen = candidate;
    }
    return chosen;
}

Result<QImage> decodeJpeg(const QByteArray& jpeg, QSize atLeast)
{
    using R = Result<QImage>;
    const Result<QSize> full = readJpegSize(jpeg);
    if (!full.ok())
        return R::failure(full.error());
    const QSize size = jpegDecodeSize(full.value(), atLeast);
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return R::failure(QStringLiteral("图片太大，内存不足"));
    TjHandle handle(tjInitDecompress());
    if (!handle)
        return R::failure(QStringLiteral("无法初始化 JPEG 解码器"));
    // Format_RGB32 is B, G, R, X in memory on this platform.
    if (tjDecompress2(handle.get(), bytesOf(jpeg), jpeg.size(), image.bits(), size.width(), int(image.bytesPerLine()),
                      size.height(), TJPF_BGRX, 0) != 0 &&
        !isHarmlessWarning(handle.get()))
        return R::failure(errorText(handle.get()));
    return R::success(image);
}

Result<QByteArray> encodeJpeg(const QImage& image, int quality)
{
    using R = Result<QByteArray>;
    const QImage source = image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
    TjHandle handle(tjInitCompress());
    if (!handle)
        return R::failure(QStringLiteral("无法初始化 JPEG 编码器"));
    unsigned char* raw = nullptr;
    unsigned long size = 0;
    const int rc = tjCompress2(handle.get(), source.constBits(), source.width(), int(source.bytesPerLine()), source.height(),
                               TJPF_BGRX, &raw, &size, TJSAMP_420, quality, 0);
    std::unique_ptr<unsigned char, BufferFree> buffer(raw);
    if (rc != 0)
        return R::failure(errorText(handle.get()));
    return R::success(QByteArray(reinterpret_cast<const char*>(buffer.get()), qsizetype(size)));
}

}  // namespace xc
