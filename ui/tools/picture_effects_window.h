#pragma once

#include "core/record_table.h"
#include "core/records.h"
#include "effects/picture_effects.h"
#include "ui/shell/framed_dialog.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>

class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTreeWidget;

namespace xc {
struct AlbumModel;
class Workspace;
}  // namespace xc

namespace xc::ui {

class Dialogs;

// "画面特效": pictures placed over the album — a decoration, a logo, a frame, an animated GIF —
// each with its place, size, opacity, start time and duration. The preview shows them over an
// album picture; the chosen one is moved by dragging it there, and "预览" plays them in time.
// On "确定" the window's rows become the album's picture effects.
class PictureEffectsWindow : public FramedDialog {
    Q_OBJECT
public:
    PictureEffectsWindow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, QWidget* parent = nullptr);
    ~PictureEffectsWindow() override;

    const RecordTable<PictureEffectRecord>& rows() const { return m_rows; }
    QTreeWidget* effectList() const { return m_list; }
    PictureEffectDraft draft() const;
    void setDraft(const PictureEffectDraft& draft);
    // The preview's moment while playing (album frames), −1 when still.
    qint64 previewFrame() const { return m_previewFrame; }

public Q_SLOTS:
    void choosePicture();
    void addEffect();
    void changeSelected();
    void deleteSelected();
    void deleteAll();
    void playPreview();
    void stopPreview();
    void accept() override;

private:
    class Stage;
    friend class Stage;

    void selectRow(int row);
    void rebuildList(int selectRow);
    void reloadPictures();
    void onPreviewTick();
    // Moves the chosen effect's box so its top-left corner is at `topLeft` on the album frame.
    void moveSelectedTo(QPoint topLeft);

    AlbumModel& m_model;
    Dialogs& m_dialogs;
    RecordTable<PictureEffectRecord> m_rows;
    QList<PictureEffectFrames> m_pictures;  // m_rows' pictures, for the preview's size
    QString m_picturePath;
    qint64 m_previewFrame = -1;
    QTimer m_ticker;
    QElapsedTimer m_previewClock;

    Stage* m_stage;
    QLabel* m_pictureName;
    QDoubleSpinBox* m_start;
    QDoubleSpinBox* m_duration;
    QSpinBox* m_left;
    QSpinBox* m_top;
    QSpinBox* m_width;
    QSpinBox* m_height;
    QSpinBox* m_opacity;
    QTreeWidget* m_list;
    QLabel* m_clock;
};

}  // namespace xc::ui
