#pragma once

#include "core/result.h"

#include <QImage>
#include <QString>

namespace xc {

struct AlbumSettings;
class Workspace;

// The start picture a template movie opens from: "smxcwjj/tp_wjj/pic/picture_0" + ext2, a JPEG
// the movie reads from disk. At render start it is the designed start picture shipped in the
// data tree; after each template it is that template's last frame.
class StartPicture {
public:
    StartPicture(const Workspace& workspace, const AlbumSettings& settings);
    // The start picture of movies played from another folder laid out like the work area (the
    // single-photo preview): `pictureFolder` + "picture_0" + ext2.
    StartPicture(const QString& pictureFolder, const AlbumSettings& settings);

    // The designed start picture: "smxcwjj/pictures/start.jpg", scaled to the canvas when it has
    // another size. Fails when it cannot be read (the render then starts from black).
    static Result<QImage> designed(const Workspace& workspace, QSize canvas);

    // Writes the picture as the start-picture file: first under the ext5 name, then renamed over
    // the file the movies read, so a movie never reads a half-written picture.
    Status write(const QImage& picture);
    // The picture last written (what the album shows while no movie can be shown).
    const QImage& current() const { return m_current; }

    // Deletes the start-picture file and its temporary name.
    void remove() const;
    QString path() const { return m_path; }

private:
    QString m_path;
    QString m_temporaryPath;
    QImage m_current;
};

}  // namespace xc
