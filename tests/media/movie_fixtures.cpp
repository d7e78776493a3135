#include "tests/media/movie_fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace xc::test {

namespace {

const QString templateFolder = QStringLiteral("smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/");

QJsonArray point(QPointF p) { return QJsonArray{p.x(), p.y()}; }
QJsonArray colourArray(const QColor& colour) { return QJsonArray{colour.redF(), colour.greenF(), colour.blueF(), colour.alphaF()}; }

QJsonObject layerBase(int type, const QString& name, const LayerTransform& transform, int frames)
{
    return QJsonObject{{"ddd", 0}, {"ty", type}, {"nm", name}, {"sr", 1}, {"ip", 0}, {"op", frames}, {"st", 0}, {"bm", 0}, {"ks", transformOf(transform)}};
}

QJsonObject gradient(int type, QPointF start, QPointF end, const QColor& from, const QColor& to)
{
    const QJsonArray stops{0, from.redF(), from.greenF(), from.blueF(), 1, to.redF(), to.greenF(), to.blueF()};
    return QJsonObject{{"ty", "gf"}, {"o", still(100)}, {"r", 1}, {"s", still(point(start))}, {"e", still(point(end))}, {"t", type},
                       {"h", still(0)}, {"a", still(0)}, {"g", QJsonObject{{"p", 2}, {"k", still(stops)}}}};
}

void writeValue(const QJsonValue& value, QByteArray& out)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        QStringList keys = object.keys();
        if (keys.removeOne(QStringLiteral("ty")))
            keys.prepend(QStringLiteral("ty"));
        out += '{';
        for (const QString& key : keys) {
            if (out.back() != '{')
                out += ',';
            writeValue(key, out);
            out += ':';
            writeValue(object.value(key), out);
        }
        out += '}';
    } else if (value.isArray()) {
        out += '[';
        for (const QJsonValue& element : value.toArray()) {
            if (out.back() != '[')
                out += ',';
            writeValue(element, out);
        }
        out += ']';
    } else {
        // A scalar as QJsonDocument writes it, without the array around it.
        const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        out += wrapped.mid(1, wrapped.size() - 2);
    }
}

}  // namespace

QByteArray lottieText(const QJsonObject& movie)
{
    QByteArray out;
    writeValue(movie, out);
    return out;
}

QJsonObject still(const QJsonValue& value) { return QJsonObject{{"a", 0}, {"k", value}}; }

QJsonObject linear(const QJsonValue& from, int fromFrame, const QJsonValue& to, int toFrame)
{
    auto wrap = [](const QJsonValue& v) { return v.isArray() ? v : QJsonArray{v}; };
    const QJsonObject easeOut{{"x", QJsonArray{0}}, {"y", QJsonArray{0}}};
    const QJsonObject easeIn{{"x", QJsonArray{1}}, {"y", QJsonArray{1}}};
    return QJsonObject{{"a", 1},
                       {"k", QJsonArray{QJsonObject{{"t", fromFrame}, {"s", wrap(from)}, {"o", easeOut}, {"i", easeIn}},
                                        QJsonObject{{"t", toFrame}, {"s", wrap(to)}}}}};
}

QJsonObject transformOf(const LayerTransform& t)
{
    return QJsonObject{{"a", still(QJsonArray{t.anchor.x(), t.anchor.y(), 0})},
                       {"p", still(QJsonArray{t.position.x(), t.position.y(), 0})},
                       {"s", still(QJsonArray{t.scalePercent, t.scalePercent, 100})},
                       {"r", still(t.rotation)},
                       {"o", t.opacity}};
}

QJsonObject imageAsset(const QString& id, QSize box, const QString& folder, const QString& file)
{
    return QJsonObject{{"id", id}, {"w", box.width()}, {"h", box.height()}, {"u", folder}, {"p", file}, {"e", 0}};
}

QJsonObject imageLayer(const QString& refId, const LayerTransform& transform, int frames)
{
    QJsonObject layer = layerBase(2, refId, transform, frames);
    layer.insert("refId", refId);
    return layer;
}

QJsonObject shapeLayer(const QJsonArray& items, const LayerTransform& transform, int frames)
{
    QJsonArray groupItems = items;
    groupItems.append(QJsonObject{{"ty", "tr"}, {"p", still(point({0, 0}))}, {"a", still(point({0, 0}))}, {"s", still(QJsonArray{100, 100})},
                                  {"r", still(0)}, {"o", still(100)}});
    QJsonObject layer = layerBase(4, QStringLiteral("shape"), transform, frames);
    layer.insert("shapes", QJsonArray{QJsonObject{{"ty", "gr"}, {"it", groupItems}}});
    return layer;
}

QJsonObject rectangle(QPointF centre, QSizeF size, qreal roundness)
{
    return QJsonObject{{"ty", "rc"}, {"p", still(point(centre))}, {"s", still(QJsonArray{size.width(), size.height()})}, {"r", still(roundness)}};
}

QJsonObject ellipse(QPointF centre, QSizeF size)
{
    return QJsonObject{{"ty", "el"}, {"p", still(point(centre))}, {"s", still(QJsonArray{size.width(), size.height()})}};
}

QJsonObject fill(const QColor& colour)
{
    return QJsonObject{{"ty", "fl"}, {"c", still(colourArray(colour))}, {"o", still(100)}, {"r", 1}};
}

QJsonObject stroke(const QColor& colour, qreal width)
{
    return QJsonObject{{"ty", "st"}, {"c", still(colourArray(colour))}, {"o", still(100)}, {"w", still(width)}, {"lc", 2}, {"lj", 2}, {"ml", 4}};
}

QJsonObject linearGradientFill(QPointF start, QPointF end, const QColor& from, const QColor& to) { return gradient(1, start, end, from, to); }

QJsonObject radialGradientFill(QPointF centre, qreal radius, const QColor& inner, const QColor& outer)
{
    return gradient(2, centre, centre + QPointF(radius, 0), inner, outer);
}

QJsonObject circlePath(QPointF c, qreal r)
{
    const qreal k = r * 0.5523;
    const QJsonArray vertices{point({c.x(), c.y() - r}), point({c.x() + r, c.y()}), point({c.x(), c.y() + r}), point({c.x() - r, c.y()})};
    const QJsonArray out{point({k, 0}), point({0, k}), point({-k, 0}), point({0, -k})};
    const QJsonArray in{point({-k, 0}), point({0, -k}), point({k, 0}), point({0, k})};
    return QJsonObject{{"i", in}, {"o", out}, {"v", vertices}, {"c", true}};
}

QJsonObject mask(const QString& mode, const QJsonObject& path, qreal opacity)
{
    return QJsonObject{{"inv", false}, {"mode", mode}, {"pt", still(path)}, {"o", still(opacity)}};
}

QJsonObject templateMarker() { return QJsonObject{{"tm", 0}, {"cm", "l_x_z_f_c=l_x_z_f_c_s_y_w_j"}, {"dr", 0}}; }

QJsonObject movieJson(const QJsonArray& assets, const QJsonArray& layers, int frames, const QJsonArray& markers, QSize canvas)
{
    QJsonArray numbered;
    for (qsizetype i = 0; i < layers.size(); ++i) {
        QJsonObject layer = layers.at(i).toObject();
        layer.insert("ind", int(i + 1));
        numbered.append(layer);
    }
    return QJsonObject{{"v", "5.7.4"}, {"fr", 25},      {"ip", 0},      {"op", frames},   {"w", canvas.width()},
                       {"h", canvas.height()}, {"ddd", 0}, {"assets", assets}, {"layers", numbered}, {"markers", markers}};
}

const QString TemplateFolder::startPictureAssetFolder = QStringLiteral("../../pic/");

TemplateFolder::TemplateFolder() { QDir().mkpath(m_tree.path(templateFolder)); }

QString TemplateFolder::moviePath() const { return m_tree.path(templateFolder + "w_j_1.rar"); }
QString TemplateFolder::startPicturePath() const { return m_tree.path(QStringLiteral("smxcwjj/tp_wjj/pic/picture_0.rar")); }
QString TemplateFolder::slotPicturePath(int slot) const { return m_tree.path(templateFolder + QStringLiteral("picture_%1.rar").arg(slot)); }

void TemplateFolder::writeMovie(const QJsonObject& movie) const { writeMovieBytes(lottieText(movie)); }
void TemplateFolder::writeMovieBytes(const QByteArray& bytes) const { m_tree.writeFile(templateFolder + "w_j_1.rar", bytes); }
void TemplateFolder::writeStartPicture(const QImage& picture) const { writeJpeg(picture, startPicturePath()); }
void TemplateFolder::writeSlotPicture(int slot, const QImage& picture) const { writeJpeg(picture, slotPicturePath(slot)); }

QImage detailedPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0, QColor(30, 90, 200));
    sky.setColorAt(1, QColor(240, 190, 60));
    painter.fillRect(picture.rect(), sky);
    QRadialGradient sun(size.width() * 0.3, size.height() * 0.4, size.height() * 0.3);
    sun.setColorAt(0, QColor(255, 250, 220));
    sun.setColorAt(1, Qt::transparent);
    painter.fillRect(picture.rect(), sun);
    painter.setPen(QPen(QColor(20, 60, 30), 3));
    for (int x = 0; x < size.width(); x += 24)
        painter.drawLine(x, size.height() * 2 / 3, x + 40, size.height());
    painter.setPen(QPen(QColor(200, 30, 60), 5));
    painter.drawEllipse(QPointF(size.width() * 0.7, size.height() * 0.35), size.height() * 0.2, size.height() * 0.2);
    return picture;
}

QImage solidPicture(QSize size, const QColor& colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

bool writeJpeg(const QImage& picture, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && picture.save(&file, "JPG", 95);
}

double psnr(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    if (left.size() != right.size())
        return 0;
    double squared = 0;
    for (int y = 0; y < left.height(); ++y) {
        const QRgb* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const QRgb* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            const int dr = qRed(l[x]) - qRed(r[x]), dg = qGreen(l[x]) - qGreen(r[x]), db = qBlue(l[x]) - qBlue(r[x]);
            squared += dr * dr + dg * dg + db * db;
        }
    }
    const double mse = squared / (3.0 * left.width() * left.height());
    return mse == 0 ? 100 : 10 * std::log10(255.0 * 255.0 / mse);
}

}  // namespace xc::test
