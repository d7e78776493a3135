#pragma once

#include "core/album_model.h"
#include "tests/support/test_tree.h"

#include <QColor>
#include <QImage>
#include <QString>

// An album laid out as an import leaves it, with tiny template movies written by the test: a few
// frames each, so a whole render takes a second or two.
namespace xc::test {

inline const QColor designedStartColour(200, 100, 0);

class RenderAlbum {
public:
    RenderAlbum();

    // Adds the next template instance: a movie of `frames` frames filled with `colour`, or, with
    // showsStartPicture, showing its start picture over the whole frame.
    void addTemplate(int frames, const QColor& colour, bool showsStartPicture = false);
    // Adds an instance whose movie file is missing.
    void addBrokenTemplate(int frames);
    // The closing template: shows its start picture.
    void writeClosing(int frames = 100);

    // A song of `seconds` (a sine tone written as WAV), bound to nothing yet.
    void addSong(int seconds);
    // An LRC file bound to song `song`; the row has the import's default style.
    LyricsRecord& addLyrics(const QString& lrcText, int song);
    // A karaoke script with the default karaoke style.
    KaraokeStyleRecord& addKaraoke(const QString& kscText);

    AlbumModel model;
    const Workspace& workspace() const { return m_tree.workspace(); }
    QString path(const QString& relative) const { return m_tree.path(relative); }

private:
    TestTree m_tree;
    int m_instances = 0;
};

// Counts the pixels within `area` that are close to `colour` (each channel within `tolerance`).
int countPixels(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 40);
// The bounding box of those pixels; empty when there are none.
QRect pixelBox(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 40);

}  // namespace xc::test
