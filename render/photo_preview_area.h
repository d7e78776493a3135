#pragma once

#include "core/result.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace xc {

struct AlbumModel;
struct AlbumSettings;
class Workspace;

// The working copy one photo's template preview plays from: its own corner of the data tree,
// laid out as the template work area is ("pic/" beside "tp_wjj/"), so the movies find their
// pictures where they find them in a render, while the album's own work area stays untouched.
class PhotoPreviewArea {
public:
    // The preview picture's size; the movie host is sized to it.
    static constexpr QSize previewSize{800, 450};
    // A fitted slot picture of `fitted` pixels (made for 1920 × 1080) scaled for the preview.
    static QSize previewPictureSize(QSize fitted);

    PhotoPreviewArea(const Workspace& workspace, const AlbumSettings& settings);

    // Copies the closing movie and the movie of photo row `row`'s template instance into the
    // area and scales the instance's slot pictures for the preview. Fails, naming the file, when
    // a movie is missing or a picture cannot be read or written.
    Status prepare(const AlbumModel& model, qsizetype row);
    // The picture the next movie opens from: "pic/picture_0" + ext2.
    Status writeStartPicture(const QImage& picture) const;
    // The album's designed start picture at `size` as the picture the next movie opens from;
    // black when the designed one cannot be read, so the preview still plays.
    Status writeDesignedStartPicture(QSize size) const;
    // Removes the whole preview area.
    void remove() const;

    const Workspace& workspace() const { return m_workspace; }
    QString root() const { return m_root; }
    QString instanceMoviePath() const { return m_instanceMovie; }
    QString closingMoviePath() const;

private:
    const Workspace& m_workspace;
    const AlbumSettings& m_settings;
    QString m_root;
    QString m_instanceMovie;
};

}  // namespace xc
