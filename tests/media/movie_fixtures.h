#pragma once

#include "tests/support/test_tree.h"

#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QPointF>
#include <QSizeF>
#include <QString>

// Small Lottie movies written inside the tests, laid out where template movies live.
namespace xc::test {

// A property that holds `value` (a number or an array) throughout.
QJsonObject still(const QJsonValue& value);
// A property moving linearly from `from` at frame `fromFrame` to `to` at `toFrame`.
QJsonObject linear(const QJsonValue& from, int fromFrame, const QJsonValue& to, int toFrame);

struct LayerTransform {
    QPointF anchor;
    QPointF position;
    qreal scalePercent = 100;
    qreal rotation = 0;
    QJsonObject opacity = still(100);
};
QJsonObject transformOf(const LayerTransform& transform);

QJsonObject imageAsset(const QString& id, QSize box, const QString& folder, const QString& file);
QJsonObject imageLayer(const QString& refId, const LayerTransform& transform, int frames);
// A shape layer of one group: `items` (paths, fills, strokes) then the group transform.
// The items of a shape layer, as a brace list.
inline QJsonArray shapes(std::initializer_list<QJsonValue> items) { return QJsonArray(items); }
QJsonObject shapeLayer(const QJsonArray& items, const LayerTransform& transform, int frames);
QJsonObject rectangle(QPointF centre, QSizeF size, qreal roundness = 0);
QJsonObject ellipse(QPointF centre, QSizeF size);
QJsonObject fill(const QColor& colour);
QJsonObject stroke(const QColor& colour, qreal width);
QJsonObject linearGradientFill(QPointF start, QPointF end, const QColor& from, const QColor& to);
QJsonObject radialGradientFill(QPointF centre, qreal radius, const QColor& inner, const QColor& outer);
// A closed circle path, for masks.
QJsonObject circlePath(QPointF centre, qreal radius);
// mode: "a" add, "s" subtract, "i" intersect, "f" difference.
QJsonObject mask(const QString& mode, const QJsonObject& path, qreal opacity = 100);

QJsonObject templateMarker();
// A 1920 × 1080, 25 fps movie. The first layer of `layers` is on top.
QJsonObject movieJson(const QJsonArray& assets, const QJsonArray& layers, int frames,
                      const QJsonArray& markers = QJsonArray{templateMarker()}, QSize canvas = QSize(1920, 1080));

// The movie as JSON text with every object's "ty" first: the engine's parser reads a shape's
// type before its other keys (QJsonDocument would sort them).
QByteArray lottieText(const QJsonObject& movie);

// An AppDir holding one materialised template: the movie, its slot pictures beside it and the
// start picture in the exchange folder.
class TemplateFolder {
public:
    static const QString startPictureAssetFolder;  // "../../pic/"

    TemplateFolder();
    QString moviePath() const;
    void writeMovie(const QJsonObject& movie) const;
    void writeMovieBytes(const QByteArray& bytes) const;
    void writeStartPicture(const QImage& picture) const;
    void writeSlotPicture(int slot, const QImage& picture) const;
    QString startPicturePath() const;
    QString slotPicturePath(int slot) const;

private:
    TestTree m_tree;
};

// A picture with detail in every direction (gradients, rings, lines), to show how it is sampled.
QImage detailedPicture(QSize size);
QImage solidPicture(QSize size, const QColor& colour);
// Writes as JPEG at high quality whatever the extension.
bool writeJpeg(const QImage& picture, const QString& path);

// Peak signal-to-noise ratio over the colour channels of two images of the same size.
double psnr(const QImage& a, const QImage& b);

}  // namespace xc::test
