#include "ui/tools/photo_crop_window.h"

#include "core/album_model.h"
#include "photos/fitting_geometry.h"
#include "photos/thumbnail_service.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/theme.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTransform>
#include <QWheelEvent>

#include <cmath>

namespace xc::ui {

namespace {

constexpr QSize canvasSize(720, 480);
constexpr QSize slotPreviewSize(280, 158);
constexpr int handleReach = 10;

QImage turnedPicture(const QImage& picture, int turns)
{
    return turns ? picture.transformed(QTransform().rotate(90.0 * turns)) : picture;
}

}  // namespace

// The photo whole, the frame over it; everything outside the frame dimmed.
class PhotoCropWindow::Canvas : public QWidget {
public:
    explicit Canvas(PhotoCropWindow& window, QWidget* parent) : QWidget(parent), m_window(window)
    {
        setFixedSize(canvasSize);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
    }

    void setPicture(const QImage& turned)
    {
        m_turned = turned;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), theme::chromeDark);
        if (m_turned.isNull())
            return;
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRectF shown = pictureRect();
        p.drawImage(shown, m_turned);
        const QRectF frame = toCanvas(m_window.shownCrop().rect);
        QPainterPath outside;
        outside.addRect(shown);
        outside.addRect(frame);
        p.fillPath(outside, QColor(0, 0, 0, 140));
        // Thirds help to place a face or a horizon.
        p.setPen(QPen(QColor(255, 255, 255, 90), 1));
        for (int i = 1; i < 3; ++i) {
            p.drawLine(QPointF(frame.left() + frame.width() * i / 3, frame.top()), QPointF(frame.left() + frame.width() * i / 3, frame.bottom()));
            p.drawLine(QPointF(frame.left(), frame.top() + frame.height() * i / 3), QPointF(frame.right(), frame.top() + frame.height() * i / 3));
        }
        p.setPen(QPen(theme::accent, 2));
        p.drawRect(frame);
        p.setBrush(theme::accent);
        for (const QPointF& corner : {frame.topLeft(), frame.topRight(), frame.bottomLeft(), frame.bottomRight()})
            p.drawRect(QRectF(corner - QPointF(4, 4), QSizeF(8, 8)));
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (m_turned.isNull())
            return;
        const QRectF frame = toCanvas(m_window.shownCrop().rect);
        const QPointF at = event->position();
        m_corner = -1;
        const QPointF corners[] = {frame.topLeft(), frame.topRight(), frame.bottomLeft(), frame.bottomRight()};
        for (int i = 0; i < 4; ++i)
            if (QLineF(at, corners[i]).length() <= handleReach)
                m_corner = i;
        m_moving = m_corner < 0 && frame.contains(at);
        m_last = at;
        m_start = m_window.shownCrop();
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        const QPointF at = event->position();
        if (m_turned.isNull())
            return;
        if (m_moving) {
            const QPointF step = (at - m_last) / scale();
            const QPoint whole = step.toPoint();
            if (!whole.isNull()) {
                m_window.moveBy(whole);
                m_last += QPointF(whole) * scale();
            }
        } else if (m_corner >= 0) {
            resizeFromCorner(at);
        } else {
            setCursor(toCanvas(m_window.shownCrop().rect).contains(at) ? Qt::SizeAllCursor : Qt::ArrowCursor);
        }
    }
    void mouseReleaseEvent(QMouseEvent*) override
    {
        m_moving = false;
        m_corner = -1;
    }
    void wheelEvent(QWheelEvent* event) override
    {
        if (!m_turned.isNull())
            m_window.scaleBy(event->angleDelta().y() > 0 ? 0.95 : 1.05);
    }

private:
    double scale() const
    {
        const QSize full = turnedSize(m_window.m_fullSize, m_window.shownCrop().turns);
        return full.isEmpty() ? 1.0 : pictureRect().width() / full.width();
    }
    QRectF pictureRect() const
    {
        const QSizeF fitted = QSizeF(m_turned.size()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
        return QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    }
    QRectF toCanvas(const QRect& photoRect) const
    {
        const double s = scale();
        const QPointF origin = pictureRect().topLeft();
        return QRectF(origin + QPointF(photoRect.topLeft()) * s, QSizeF(photoRect.size()) * s);
    }
    // The corner opposite the dragged one stays; the frame keeps its shape.
    void resizeFromCorner(QPointF at)
    {
        const QRect start = m_start.rect;
        const QPointF pointer = (at - pictureRect().topLeft()) / scale();
        const bool left = m_corner == 0 || m_corner == 2, top = m_corner == 0 || m_corner == 1;
        const QPointF fixed(left ? start.right() + 1 : start.left(), top ? start.bottom() + 1 : start.top());
        const int width = std::max(8, int(std::lround(std::abs(pointer.x() - fixed.x()))));
        const QSize aspect = m_window.shownCrop().rect.size();
        const int height = std::max(1, int(std::lround(double(width) * aspect.height() / aspect.width())));
        QRect rect(0, 0, width, height);
        rect.moveLeft(left ? int(fixed.x()) - width : int(fixed.x()));
        rect.moveTop(top ? int(fixed.y()) - height : int(fixed.y()));
        m_window.setCrop(PhotoCrop{rect, m_start.turns});
    }

    PhotoCropWindow& m_window;
    QImage m_turned;
    bool m_moving = false;
    int m_corner = -1;
    QPointF m_last;
    PhotoCrop m_start;
};

PhotoCropWindow::PhotoCropWindow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, qsizetype photo, QWidget* parent)
    : FramedDialog(QStringLiteral("相片剪裁"), parent), m_model(model), m_workspace(workspace), m_dialogs(dialogs),
      m_canvas(new Canvas(*this, body())), m_photos(new QListWidget(body())), m_slotPreview(new QLabel(body())),
      m_details(new QLabel(body()))
{
    setObjectName(QStringLiteral("PhotoCropWindow"));
    for (int row = 0; row < model.photos.count(); ++row) {
        m_crops.insert(row, photoCropOf(model.photos[row].crop));
        m_photos->addItem(QStringLiteral("%1  %2").arg(row + 1).arg(model.photos[row].name));
    }
    m_photos->setFixedWidth(slotPreviewSize.width());
    m_slotPreview->setFixedSize(slotPreviewSize);
    m_slotPreview->setAlignment(Qt::AlignCenter);
    m_slotPreview->setStyleSheet(QStringLiteral("background: %1;").arg(theme::chromeDark.name()));
    m_details->setWordWrap(true);
    m_details->setFixedWidth(slotPreviewSize.width());
    connect(m_photos, &QListWidget::currentRowChanged, this, &PhotoCropWindow::choosePhoto);

    QPushButton* left = dialogButton(QStringLiteral("向左转"), body());
    QPushButton* right = dialogButton(QStringLiteral("向右转"), body());
    QPushButton* whole = dialogButton(QStringLiteral("重置"), body());
    connect(left, &QPushButton::clicked, this, &PhotoCropWindow::turnLeft);
    connect(right, &QPushButton::clicked, this, &PhotoCropWindow::turnRight);
    connect(whole, &QPushButton::clicked, this, &PhotoCropWindow::reset);
    auto* turns = new QHBoxLayout;
    turns->addWidget(left);
    turns->addWidget(right);
    turns->addWidget(whole);

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("相片"), body()));
    side->addWidget(m_photos, 1);
    side->addWidget(new QLabel(QStringLiteral("模板中显示的画面"), body()));
    side->addWidget(m_slotPreview);
    side->addWidget(m_details);
    side->addLayout(turns);
    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(m_canvas);
    top->addLayout(side);
    auto* hint = new QLabel(QStringLiteral("拖动选框移动，拖动角或滚动滚轮改变大小；方向键移动（Shift 加快），+ / − 改变大小。"), body());
    hint->setStyleSheet(QStringLiteral("color: %1;").arg(theme::textMuted.name()));
    QHBoxLayout* bottom = okCancelRow();
    bottom->insertWidget(0, hint);
    bodyLayout()->addLayout(top);
    bodyLayout()->addLayout(bottom);

    choosePhoto(photo >= 0 && photo < model.photos.count() ? int(photo) : 0);
}

void PhotoCropWindow::choosePhoto(int row)
{
    if (row < 0 || row >= m_model.photos.count() || row == m_row)
        return;
    const QString path = m_model.photos[row].path;
    const Result<LoadedPhoto> loaded = loadPhotoFile(path);
    const Result<QImage> decoded = loaded.ok() ? decodeDisplayed(path, loaded.value().jpeg, loaded.value().info, canvasSize)
                                               : Result<QImage>::failure(loaded.error());
    if (!decoded.ok()) {
        m_dialogs.message(this, decoded.error());
        m_photos->setCurrentRow(m_row);
        return;
    }
    m_row = row;
    m_fullSize = loaded.value().info.displayed;
    m_picture = decoded.value();
    if (m_photos->currentRow() != row) {
        const QSignalBlocker quiet(m_photos);
        m_photos->setCurrentRow(row);
    }
    refresh();
    m_canvas->setFocus();
}

PhotoCrop PhotoCropWindow::crop() const { return m_crops.value(m_row); }

PhotoCrop PhotoCropWindow::shownCrop() const
{
    const PhotoCrop current = crop();
    if (!current.isEmpty())
        return current;
    // Without a crop the template fits the photo from its top-left corner.
    const QSize aspect = cropAspectOf(m_model.photos[m_row]);
    return clampedCrop(m_fullSize, PhotoCrop{QRect(QPoint(0, 0), aspect.scaled(turnedSize(m_fullSize, current.turns), Qt::KeepAspectRatio)), current.turns},
                       aspect);
}

void PhotoCropWindow::setCrop(const PhotoCrop& crop)
{
    if (m_row < 0)
        return;
    m_crops[m_row] = crop.isEmpty() ? crop : clampedCrop(m_fullSize, crop, cropAspectOf(m_model.photos[m_row]));
    refresh();
}

void PhotoCropWindow::moveBy(QPoint step)
{
    if (m_row < 0)
        return;
    PhotoCrop moved = shownCrop();
    moved.rect.translate(step);
    setCrop(moved);
}

void PhotoCropWindow::scaleBy(double factor)
{
    if (m_row < 0)
        return;
    const PhotoCrop current = shownCrop();
    const QSize aspect = cropAspectOf(m_model.photos[m_row]);
    const QSize largest = aspect.scaled(turnedSize(m_fullSize, current.turns), Qt::KeepAspectRatio);
    setCrop(cropAround(m_fullSize, current.turns, aspect, QRectF(current.rect).center(),
                       double(current.rect.width()) * factor / largest.width()));
}

void PhotoCropWindow::turn(int quarters)
{
    if (m_row < 0)
        return;
    const PhotoCrop current = shownCrop();
    const int turns = ((current.turns + quarters) % 4 + 4) % 4;
    const QSize aspect = cropAspectOf(m_model.photos[m_row]);
    const QSize turned = turnedSize(m_fullSize, turns);
    setCrop(cropAround(m_fullSize, turns, aspect, QPointF(turned.width() / 2.0, turned.height() / 2.0)));
}

void PhotoCropWindow::turnLeft() { turn(-1); }
void PhotoCropWindow::turnRight() { turn(1); }

void PhotoCropWindow::reset() { setCrop(PhotoCrop{}); }

void PhotoCropWindow::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 * std::max(1, m_fullSize.width() / 200) : std::max(1, m_fullSize.width() / 200);
    switch (event->key()) {
    case Qt::Key_Left: moveBy(QPoint(-step, 0)); break;
    case Qt::Key_Right: moveBy(QPoint(step, 0)); break;
    case Qt::Key_Up: moveBy(QPoint(0, -step)); break;
    case Qt::Key_Down: moveBy(QPoint(0, step)); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: scaleBy(1.05); break;
    case Qt::Key_Minus: scaleBy(0.95); break;
    default: FramedDialog::keyPressEvent(event); return;
    }
}

void PhotoCropWindow::refresh()
{
    const PhotoCrop shown = shownCrop();
    m_canvas->setPicture(turnedPicture(m_picture, shown.turns));
    const QImage slot = croppedPicture(m_picture, m_fullSize, shown);
    m_slotPreview->setPixmap(QPixmap::fromImage(slot.scaled(slotPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    const QSize aspect = cropAspectOf(m_model.photos[m_row]);
    m_details->setText(QStringLiteral("模板位置：%1×%2\n%3")
                           .arg(aspect.width())
                           .arg(aspect.height())
                           .arg(crop().isEmpty() ? QStringLiteral("未剪裁（按模板默认显示）")
                                                 : QStringLiteral("剪裁区域：%1×%2，位置 %3,%4")
                                                       .arg(shown.rect.width())
                                                       .arg(shown.rect.height())
                                                       .arg(shown.rect.x())
                                                       .arg(shown.rect.y())));
    if (QListWidgetItem* item = m_photos->item(m_row))
        item->setText(QStringLiteral("%1  %2%3").arg(m_row + 1).arg(m_model.photos[m_row].name, crop().isEmpty() ? QString() : QStringLiteral("（已剪裁）")));
}

void PhotoCropWindow::accept()
{
    for (auto it = m_crops.cbegin(); it != m_crops.cend(); ++it) {
        if (photoCropText(it.value()) == m_model.photos[it.key()].crop)
            continue;
        if (const Status applied = setPhotoCrop(m_model, m_workspace, it.key(), it.value()); !applied.ok()) {
            m_dialogs.message(this, applied.error());
            return;
        }
        m_changed = true;
    }
    FramedDialog::accept();
}

}  // namespace xc::ui
