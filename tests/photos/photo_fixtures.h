#pragma once

#include "core/album_model.h"
#include "photos/random_source.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QMap>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <ostream>

#include "tests/photos/jpeg_fixtures.h"
#include "tests/support/test_tree.h"

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace xc::test {

// Writes a quadrant JPEG (with its EXIF orientation when not 1) and returns its path.
QString writePhoto(const QString& folder, const QString& name, QSize stored, int orientation = 1, QColor tint = Qt::red);

// One template of a test catalogue.
struct TemplateFixture {
    QString name;          // package file name stem; the catalogue lists by name
    QString photoCount;    // "xpsl"
    QString orientations;  // "szhz"
    QString widths;        // "xpkd"
    QString heights;       // "xpgd"
};

// Landscape: a1 (1 slot 1920×1080), b2 (2 slots 800×600), c3 (3 slots 640×480), f1 (1 slot
// without size). Portrait: d1 (1 slot 608×1080), e2 (2 slots 600×800).
QList<TemplateFixture> standardTemplates();

// Packs the templates and a closing template into the tree and starts up on it as the program
// does: the returned model holds the classified catalogue.
AlbumModel startedAlbum(const TestTree& tree, const QList<TemplateFixture>& templates = standardTemplates());

// The movie payload packed for a template, so tests can tell which movie was decoded.
QByteArray moviePayload(const QString& name);

// One field of every row, in table order.
QStringList column(const PhotoTable& table, QString PhotoRecord::*field);

// Every row with all its columns, for before/after comparisons.
QStringList rowValues(const PhotoTable& table);

// Every file under a folder (relative path → content), for before/after comparisons.
QMap<QString, QByteArray> snapshot(const QString& folder);

// A random source that hands out fixed picks and fails the test when a pick is out of range
// or the script runs out.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<int> picks) : m_picks(std::move(picks)) {}
    int draw(int count) override;
    bool exhausted() const { return m_picks.isEmpty(); }

private:
    QList<int> m_picks;
};

// Five landscape photos L1 … L5 (400 × 300, each of its own colour) imported into a started
// test tree: L1 in group 1 (a1), L2 and L3 in group 2 (slots 1 and 2 of b2), L4 in group 3 (a1),
// L5 in group 4 (f1, no slot size).
struct FiveLandscapeAlbum {
    FiveLandscapeAlbum();

    QString thumbnail(qsizetype row) const;  // 1-based
    QString instanceFile(const QString& instance, const QString& name) const;

    TestTree tree;
    QTemporaryDir photoDir;
    AlbumModel model;
    QStringList paths;
    QList<QColor> tints;
};

// A working picture file (a fitted JPEG or a bitmap), whatever its extension; null when unreadable.
QImage loadPicture(const QString& path);

// Colours equal within a tolerance (JPEG changes colours a little).
bool sameColour(QColor a, QColor b, int tolerance = 24);

}  // namespace xc::test
