#pragma once

#include "core/album_model.h"
#include "ui/shell/framed_dialog.h"
#include "ui/tools/template_showcase.h"

#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QTimer>

#include <memory>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;

namespace xc {
struct AlbumModel;
class FlashTemplatePlayer;
class RandomSource;
class Workspace;
}  // namespace xc

namespace xc::ui {

class Dialogs;

// A template movie playing over and over at its own speed, its last frame held for a moment.
class MoviePreview : public QWidget {
    Q_OBJECT
public:
    explicit MoviePreview(QSize size, QWidget* parent = nullptr);
    ~MoviePreview() override;

    Status play(const QString& moviePath);
    void stop();
    // Shown instead of a movie (while preparing, or why none can be shown).
    void showText(const QString& text);

    bool isPlaying() const { return m_ticker.isActive(); }
    int frame() const { return m_frame; }
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onTick();

    QSize m_size;
    std::unique_ptr<FlashTemplatePlayer> m_player;
    QTimer m_ticker;
    QElapsedTimer m_clock;
    QImage m_picture;
    QString m_text;
    int m_frame = -1;
};

// "模板管理": the template catalogue by class with a picture of each template, the selected
// template playing with the photos of the current group, the group itself, and the two ways to
// change it: "更换模板" gives the group the chosen template, "指定相片" forms a group of the
// chosen template with photos picked by hand.
class TemplateManagerWindow : public FramedDialog {
    Q_OBJECT
public:
    // Opens on photo row `row` (the first photo when it is out of range).
    TemplateManagerWindow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, RandomSource& random, qsizetype row,
                          QWidget* parent = nullptr);
    ~TemplateManagerWindow() override;

    // Whether the album was changed while the window was open.
    bool changed() const { return m_changed; }
    qsizetype currentRow() const { return m_row; }
    QStringList classTitles() const;
    // Shows class `title` and selects the template with catalogue index `index` in it.
    bool chooseTemplate(const QString& title, const QString& index);
    // The template selected in the shown class, or null.
    const TemplateRecord* chosenTemplate() const;
    MoviePreview* preview() const { return m_preview; }
    // The number of templates whose still picture is ready.
    int postersReady() const { return int(m_posters.size()); }

public Q_SLOTS:
    // "更换模板" and the photos picked for "指定相片"; false when nothing changed.
    bool applyChosenTemplate();
    bool pickPhotos(const QList<qsizetype>& rows);
    void showGroupOf(qsizetype row);
    void previousGroup();
    void nextGroup();

private:
    QListWidget* makeClassList(const TemplateList& templates);
    QListWidget* currentList() const;
    void onTemplateChosen();
    void playChosen();
    void refreshGroup();
    void makeNextPoster();
    void afterChange(const QString& done);
    void openPicker();

    AlbumModel& m_model;
    const Workspace& m_workspace;
    Dialogs& m_dialogs;
    RandomSource& m_random;
    qsizetype m_row = 0;
    bool m_changed = false;

    QTabWidget* m_classes;
    QList<QListWidget*> m_lists;
    MoviePreview* m_preview;
    QLabel* m_details;
    QLabel* m_groupCaption;
    QWidget* m_groupPhotos;
    QLabel* m_status;
    QPushButton* m_apply;
    QPushButton* m_pick;

    TemplateShowcase m_previewStage;
    TemplateShowcase m_posterStage;
    std::unique_ptr<FlashTemplatePlayer> m_posterPlayer;
    QStringList m_posterQueue;
    QHash<QString, QPixmap> m_posters;
    QTimer m_posterTimer;
};

// "指定相片": every photo of the album, ticked in the order they are to fill the chosen
// template's slots.
class PhotoPickerDialog : public FramedDialog {
    Q_OBJECT
public:
    PhotoPickerDialog(const AlbumModel& model, const Workspace& workspace, const TemplateRecord& chosen, QWidget* parent = nullptr);
    // Ticks or unticks photo row `row`.
    void toggle(qsizetype row);
    QList<qsizetype> picked() const { return m_picked; }

private:
    void refresh();

    int m_needed;
    QString m_needs;
    QListWidget* m_photos;
    QLabel* m_summary;
    QPushButton* m_ok;
    QList<qsizetype> m_picked;
};

}  // namespace xc::ui
