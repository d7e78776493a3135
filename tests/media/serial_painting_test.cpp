#include "media/serial_painting.h"

#include "tests/media/movie_fixtures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QThreadPool>

#include <gtest/gtest.h>

namespace xc {
namespace {

// Large fills of the kinds a template frame is made of: a full-frame gradient, a turned and
// scaled picture, a translucent disc. Each is big enough for Qt to share it among threads when
// it may.
void paintScene(QImage& target, const QImage& picture)
{
    target.fill(Qt::black);
    QPainter painter(&target);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QLinearGradient gradient(0, 0, target.width(), target.height());
    gradient.setColorAt(0, QColor(40, 60, 120));
    gradient.setColorAt(1, QColor(220, 150, 90));
    painter.fillRect(target.rect(), gradient);
    painter.translate(960, 540);
    painter.rotate(7.5);
    painter.scale(1.3, 1.3);
    painter.drawImage(QPointF(-picture.width() / 2.0, -picture.height() / 2.0), picture);
    painter.resetTransform();
    painter.setBrush(QColor(255, 255, 255, 90));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(700, 500), 420, 380);
}

TEST(SerialPaintingTest, DrawsWhatQtsThreadedDrawingDrawsAndRunsNestedCallsInPlace)
{
    QImage picture(1000, 667, QImage::Format_RGB32);
    QPainter(&picture).fillRect(picture.rect(), QLinearGradient(0, 0, 1000, 667));
    for (int y = 0; y < picture.height(); y += 23)
        QPainter(&picture).fillRect(0, y, picture.width(), 4, QColor(250, 240, 200));

    QImage threaded(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    paintScene(threaded, picture);

    QImage serial(threaded.size(), threaded.format());
    bool nestedRan = false;
    paintSerially([&] {
        paintScene(serial, picture);
        // Called again from the pool thread it runs there: a pool that is full cannot stall it.
        paintSerially([&] { nestedRan = QThreadPool::globalInstance()->contains(QThread::currentThread()); });
    });

    EXPECT_TRUE(nestedRan);
    EXPECT_GE(test::psnr(serial, threaded), 45.0);
}

}  // namespace
}  // namespace xc
