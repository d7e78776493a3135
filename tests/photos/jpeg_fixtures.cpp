#include "tests/photos/jpeg_fixtures.h"

#include "photos/jpeg_codec.h"

#include <QImage>
#include <QPainter>

namespace xc::test {

QByteArray quadrantJpeg(QSize size, QColor tint)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int halfW = size.width() / 2, halfH = size.height() / 2;
    painter.fillRect(0, 0, halfW, halfH, tint);
    painter.fillRect(halfW, 0, size.width() - halfW, halfH, Qt::green);
    painter.fillRect(0, halfH, halfW, size.height() - halfH, Qt::blue);
    painter.fillRect(halfW, halfH, size.width() - halfW, size.height() - halfH, Qt::white);
    painter.end();
    return encodeJpeg(image, 95).value();
}

QByteArray withExifOrientation(const QByteArray& jpeg, int orientation)
{
    // APP1 "Exif": a big-endian TIFF header and one IFD holding the orientation tag (0x0112,
    // type SHORT, one value).
    QByteArray tiff = QByteArray::fromHex("4d4d002a00000008" "0001" "011200030000000100000000" "00000000");
    tiff[8 + 2 + 8] = char(orientation >> 8);
    tiff[8 + 2 + 9] = char(orientation & 0xff);
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(payload.size()) + 2;
    QByteArray segment = QByteArray::fromHex("ffe1");
    segment.append(char(length >> 8)).append(char(length & 0xff)).append(payload);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

}  // namespace xc::test
