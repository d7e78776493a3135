#pragma once

#include "effects/text_effects.h"
#include "ui/shell/framed_dialog.h"

#include <QImage>
#include <QTimer>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace xc {
struct AlbumModel;
class Workspace;
}  // namespace xc

namespace xc::ui {

class Dialogs;

// "文字特效": the captions of the album. Text, start time, motion, colour, font, size and style
// are chosen with a live sample on an album picture; effects are added, deleted, reordered by
// dragging, and previewed moving at the album's frame rate. On leaving, the editor's rows become
// the album's text effects.
class TextEffectEditor : public FramedDialog {
    Q_OBJECT
public:
    TextEffectEditor(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TextEffectEditor() override;

    const TextEffectTable& effects() const { return m_effects; }
    const TextEffectPreview& preview() const { return m_preview; }
    QLineEdit* textField() const { return m_text; }
    QTreeWidget* effectList() const { return m_list; }
    TextEffectDraft draft() const;

public Q_SLOTS:
    void addEffect();
    void deleteSelected();
    void deleteAll();
    void previewSelected();
    void previewAll();
    void stopPreview();
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Surface;

    QWidget* buildChoices();
    void startPreview(TextEffectPreview::Mode mode);
    void onPreviewTick();
    void rebuildList(const QList<int>& selectRows = {});
    QList<int> selectedRows() const;
    void setEditing(bool editing);

    AlbumModel& m_model;
    Dialogs& m_dialogs;
    TextEffectTable m_effects;
    TextEffectPreview m_preview;
    QTimer m_ticker;
    int m_dragStartRow = -1;

    QLineEdit* m_text;
    QComboBox* m_minute;
    QComboBox* m_second;
    QListWidget* m_motions;
    QComboBox* m_colour;
    QComboBox* m_font;
    QComboBox* m_size;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QTreeWidget* m_list;
    Surface* m_surface;
    QList<QWidget*> m_editingControls;
    QPushButton* m_stop;
};

}  // namespace xc::ui
