#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

namespace xc {
struct AlbumModel;
}

namespace xc::ui {

// The side panel of the main window: what the album holds (counts of photos, songs, lyrics, text
// and picture effects), the output settings, a preview of the selected photo and a slowly
// scrolling help text. The main window's status timer refreshes it every 50 ms.
class SidePanel : public QWidget {
    Q_OBJECT
public:
    explicit SidePanel(QWidget* parent = nullptr);

    // Counts and setting labels from the model; shows or hides the photo preview as the album's
    // previewShown flag says.
    void refresh(const AlbumModel& model);
    // Scrolls the help text up by one pixel; it starts again 50 pixels from the top once it has
    // scrolled out completely.
    void scrollHelp();
    int helpTop() const;

    // The box the selected photo's preview is fitted into.
    QSize previewBox() const;
    void setPreview(const QString& caption, const QPixmap& picture);
    void clearPreview();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:

    QLabel* m_photos;
    QLabel* m_music;
    QLabel* m_lyrics;
    QLabel* m_textEffects;
    QLabel* m_pictureEffects;
    QLabel* m_quality;
    QLabel* m_tvSystem;
    QLabel* m_albumLength;
    QWidget* m_previewPanel;
    QLabel* m_previewCaption;
    QLabel* m_preview;
    QPixmap m_previewPicture;
    QWidget* m_helpViewport;
    QLabel* m_help;
};

// The side panel's texts for the album settings.
QString qualityLabel(const QString& quality);
QString tvSystemLabel(const QString& tvSystem);
QString albumLengthLabel(const QString& syncMode);

}  // namespace xc::ui
