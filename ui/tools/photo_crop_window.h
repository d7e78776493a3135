#pragma once

#include "photos/photo_crop.h"
#include "ui/shell/framed_dialog.h"

#include <QImage>
#include <QMap>

class QLabel;
class QListWidget;

namespace xc {
struct AlbumModel;
class Workspace;
}  // namespace xc

namespace xc::ui {

class Dialogs;

// "相片剪裁": what part of each photo its template slot shows. The photo is shown whole with a
// frame of its slot's shape over it: drag the frame to move it, drag a corner or turn the wheel to
// size it, move it with the arrow keys (Shift: ten times as far) and size it with + and −; turn the
// photo by a quarter; reset to the whole photo. The frame never leaves the photo. On "确定" the
// slot pictures are fitted again from the crops, so previews and the album show them.
class PhotoCropWindow : public FramedDialog {
    Q_OBJECT
public:
    PhotoCropWindow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, qsizetype photo, QWidget* parent = nullptr);

    void choosePhoto(int row);
    int currentPhoto() const { return m_row; }
    // The crop the window holds for the current photo (empty: the template's own fitting).
    PhotoCrop crop() const;
    void setCrop(const PhotoCrop& crop);
    // True when at least one photo's crop was applied.
    bool changedAlbum() const { return m_changed; }

public Q_SLOTS:
    void turnLeft();
    void turnRight();
    void reset();
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    class Canvas;
    friend class Canvas;

    // The frame shown: the crop, or for a photo without one the part the template shows.
    PhotoCrop shownCrop() const;
    void moveBy(QPoint step);
    void scaleBy(double factor);
    void turn(int quarters);
    void refresh();

    AlbumModel& m_model;
    const Workspace& m_workspace;
    Dialogs& m_dialogs;
    QMap<int, PhotoCrop> m_crops;  // by photo row, as edited
    int m_row = -1;
    QSize m_fullSize;               // the current photo as shown, full size
    QImage m_picture;               // the current photo as shown, decoded for the canvas
    bool m_changed = false;

    Canvas* m_canvas;
    QListWidget* m_photos;
    QLabel* m_slotPreview;
    QLabel* m_details;
};

}  // namespace xc::ui
