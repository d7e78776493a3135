#pragma once

#include "core/result.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;

namespace xc {

namespace movie {
// The marker every template movie carries, read with GetVariable.
inline const QString templateMarkerName = QStringLiteral("l_x_z_f_c");
inline const QString templateMarkerValue = QStringLiteral("l_x_z_f_c_s_y_w_j");
// The command raised once a movie and its start picture are loaded.
inline const QString startPictureCommand = QStringLiteral("picture_0");
}  // namespace movie

// The template movie host: plays one Lottie template movie at a time, stopped on a chosen frame,
// and paints that frame at the host's size.
//
// A movie is a Lottie JSON file (any extension). Its variables are markers whose comment reads
// "name=value". Its pictures are image assets referenced relative to the movie's folder: the start
// picture "../../pic/picture_0.rar" and slot k "picture_k.rar" (JPEG or any format Qt reads). Each
// picture is read afresh on every load, scaled to fit inside its asset's w × h box (aspect kept,
// centred) and drawn with bilinear filtering. A missing slot picture leaves its box empty.
class FlashTemplatePlayer : public QObject {
    Q_OBJECT
public:
    // hostSize: the size frames are painted at (1920 × 1080 for rendering, 800 × 450 for the
    // preview). The movie's canvas is scaled to fit it, aspect kept.
    explicit FlashTemplatePlayer(QSize hostSize, QObject* parent = nullptr);
    ~FlashTemplatePlayer() override;

    QSize hostSize() const;

    // Loads the movie at `path`, reading its pictures, positioned on frame 0 and stopped.
    // Fails (leaving no movie loaded) when the file cannot be read or parsed, has no
    // "l_x_z_f_c" marker, or its start picture cannot be read. On success, FSCommand("picture_0")
    // follows through the event loop.
    Status Movie(const QString& path);
    bool hasMovie() const;
    QString moviePath() const;

    // Movie variables: the markers "name=value" of the loaded movie, overridden by SetVariable.
    // An unknown name reads as an empty string.
    void SetVariable(const QString& name, const QString& value);
    QString GetVariable(const QString& name) const;

    // Positions the movie on `frame` (clamped to 0 … TotalFrames() − 1); the next paint shows it.
    void FrameNum(int frame);
    int CurrentFrame() const;
    // The movie's frame count; 0 without a movie.
    int TotalFrames() const;
    // The movie never advances by itself; Stop is kept for the hosts that call it.
    void Stop();
    double frameRate() const;

    // Paints the current frame over opaque black into `target`, which is (re)allocated as
    // Format_ARGB32_Premultiplied at hostSize() only when it is not already so; reusing one
    // image across frames avoids any allocation per frame.
    void paintFrame(QImage& target);
    QImage paintFrame();
    // Paints the current frame with `painter` in its current coordinate system, host-sized
    // (0, 0, hostSize()), without clearing the background. The painter must paint on an image:
    // the drawing runs on a thread pool thread (see paintSerially) while the caller waits.
    void paintFrame(QPainter& painter);

Q_SIGNALS:
    // "picture_0" once the movie and its start picture are loaded (always queued).
    void FSCommand(const QString& command, const QString& args);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace xc
