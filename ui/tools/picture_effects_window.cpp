#include "ui/tools/picture_effects_window.h"

#include "core/album_model.h"
#include "render/start_picture.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/theme.h"

#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

namespace xc::ui {

namespace {

// A third of the album frame: big enough to place a picture by eye.
constexpr QSize stageSize(640, 360);
constexpr int frameMs = 1000 / 25;
constexpr double stageScale = double(640) / 1920;

QString placeText(const PictureEffectRecord& row)
{
    return QStringLiteral("%1,%2  %3×%4").arg(row.left, row.top, row.width, row.height);
}

QString durationText(const PictureEffectRecord& row)
{
    return QString::number(row.endTime.toDouble() - row.startTime.toDouble(), 'f', 1);
}

QDoubleSpinBox* secondsBox(double maximum, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(0, maximum);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" 秒"));
    return box;
}

QSpinBox* pixelBox(int minimum, int maximum, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(minimum, maximum);
    return box;
}

}  // namespace

// The album picture with the effects over it, at a third of the album's size.
class PictureEffectsWindow::Stage : public QWidget {
public:
    Stage(PictureEffectsWindow& window, QImage picture, QWidget* parent)
        : QWidget(parent), m_window(window), m_picture(std::move(picture))
    {
        setFixedSize(stageSize);
        setCursor(Qt::OpenHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (m_picture.isNull())
            p.fillRect(rect(), theme::chromeDark);
        else
            p.drawImage(rect(), m_picture);
        const qint64 moment = m_window.m_previewFrame;
        const int selected = selectedRow();
        for (qsizetype i = 0; i < m_window.m_pictures.size(); ++i) {
            const PictureEffectFrames& effect = m_window.m_pictures[i];
            if (effect.frames.isEmpty() || (moment >= 0 && !effect.shownAt(moment)))
                continue;
            p.setOpacity(effect.opacity);
            p.drawImage(effect.geometry.topLeft(), moment >= 0 ? effect.pictureAt(moment) : effect.frames.first());
            p.setOpacity(1.0);
            if (moment < 0 && i == selected) {
                p.setPen(QPen(theme::accent, 1, Qt::DashLine));
                p.drawRect(effect.geometry.adjusted(0, 0, -1, -1));
            }
        }
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        const int row = selectedRow();
        if (row < 0 || m_window.m_previewFrame >= 0 || !m_window.m_pictures[row].geometry.contains(event->position().toPoint()))
            return;
        m_grab = event->position().toPoint() - m_window.m_pictures[row].geometry.topLeft();
        m_dragging = true;
        setCursor(Qt::ClosedHandCursor);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (m_dragging)
            moveTo(event->position().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (!m_dragging)
            return;
        m_dragging = false;
        setCursor(Qt::OpenHandCursor);
        moveTo(event->position().toPoint());
    }

private:
    int selectedRow() const
    {
        QTreeWidgetItem* item = m_window.m_list->currentItem();
        return item ? m_window.m_list->indexOfTopLevelItem(item) : -1;
    }
    // The box moves with the picture; the picture sits centred in its box.
    void moveTo(QPoint pointer)
    {
        const int row = selectedRow();
        const PictureEffectRecord& record = m_window.m_rows[row];
        const QRect shown = m_window.m_pictures[row].geometry;
        const QPoint boxOffset(int(record.left.toInt() * stageScale) - shown.left(), int(record.top.toInt() * stageScale) - shown.top());
        const QPoint topLeft = pointer - m_grab + boxOffset;
        m_window.moveSelectedTo(QPoint(int(topLeft.x() / stageScale), int(topLeft.y() / stageScale)));
    }

    PictureEffectsWindow& m_window;
    QImage m_picture;
    QPoint m_grab;
    bool m_dragging = false;
};

PictureEffectsWindow::PictureEffectsWindow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, QWidget* parent)
    : FramedDialog(QStringLiteral("画面特效"), parent), m_model(model), m_dialogs(dialogs), m_rows(model.pictureEffects),
      m_stage(nullptr), m_pictureName(new QLabel(QStringLiteral("未选择图片"), body())),
      m_start(secondsBox(3600, body())), m_duration(secondsBox(3600, body())), m_left(pixelBox(-1920, 1920, body())),
      m_top(pixelBox(-1080, 1080, body())), m_width(pixelBox(1, 1920, body())), m_height(pixelBox(1, 1080, body())),
      m_opacity(pixelBox(1, 100, body())), m_list(new QTreeWidget(body())), m_clock(new QLabel(body()))
{
    setObjectName(QStringLiteral("PictureEffectsWindow"));
    const Result<QImage> picture = StartPicture::designed(workspace, stageSize);
    m_stage = new Stage(*this, picture.ok() ? picture.value() : QImage(), body());
    m_duration->setMinimum(0.1);
    m_opacity->setSuffix(QStringLiteral(" %"));
    m_pictureName->setMinimumWidth(180);
    m_pictureName->setWordWrap(true);
    setDraft(PictureEffectDraft{});

    QPushButton* choose = dialogButton(QStringLiteral("选择图片"), body());
    connect(choose, &QPushButton::clicked, this, &PictureEffectsWindow::choosePicture);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setVerticalSpacing(8);
    form->addRow(QStringLiteral("图片"), m_pictureName);
    form->addRow(QString(), choose);
    form->addRow(QStringLiteral("开始时间"), m_start);
    form->addRow(QStringLiteral("显示时长"), m_duration);
    auto* place = new QHBoxLayout;
    place->addWidget(m_left);
    place->addWidget(m_top);
    auto* size = new QHBoxLayout;
    size->addWidget(m_width);
    size->addWidget(m_height);
    form->addRow(QStringLiteral("位置 (左, 上)"), place);
    form->addRow(QStringLiteral("大小 (宽, 高)"), size);
    form->addRow(QStringLiteral("不透明度"), m_opacity);
    auto* note = new QLabel(QStringLiteral("位置和大小按 1920×1080 画面计；\n在预览中拖动图片即可移动。"), body());
    note->setStyleSheet(QStringLiteral("color: %1;").arg(theme::textMuted.name()));
    form->addRow(QString(), note);

    QPushButton* add = dialogButton(QStringLiteral("添加特效"), body());
    QPushButton* change = dialogButton(QStringLiteral("修改特效"), body());
    QPushButton* remove = dialogButton(QStringLiteral("删除特效"), body());
    QPushButton* removeAll = dialogButton(QStringLiteral("全部删除"), body());
    connect(add, &QPushButton::clicked, this, &PictureEffectsWindow::addEffect);
    connect(change, &QPushButton::clicked, this, &PictureEffectsWindow::changeSelected);
    connect(remove, &QPushButton::clicked, this, &PictureEffectsWindow::deleteSelected);
    connect(removeAll, &QPushButton::clicked, this, &PictureEffectsWindow::deleteAll);
    auto* edits = new QGridLayout;
    edits->addWidget(add, 0, 0);
    edits->addWidget(change, 0, 1);
    edits->addWidget(remove, 1, 0);
    edits->addWidget(removeAll, 1, 1);
    auto* side = new QVBoxLayout;
    side->addLayout(form);
    side->addStretch();
    side->addLayout(edits);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(m_stage);
    top->addLayout(side);

    m_list->setHeaderLabels({QStringLiteral("序号"), QStringLiteral("图片"), QStringLiteral("开始(秒)"), QStringLiteral("时长(秒)"),
                             QStringLiteral("位置和大小"), QStringLiteral("不透明度")});
    m_list->setRootIsDecorated(false);
    m_list->setFixedHeight(132);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            selectRow(m_list->indexOfTopLevelItem(item));
    });

    QPushButton* play = dialogButton(QStringLiteral("预览"), body());
    QPushButton* stop = dialogButton(QStringLiteral("停止预览"), body());
    connect(play, &QPushButton::clicked, this, &PictureEffectsWindow::playPreview);
    connect(stop, &QPushButton::clicked, this, &PictureEffectsWindow::stopPreview);
    m_clock->setMinimumWidth(90);
    QHBoxLayout* bottom = okCancelRow();
    bottom->insertWidget(0, play);
    bottom->insertWidget(1, stop);
    bottom->insertWidget(2, m_clock);

    bodyLayout()->addLayout(top);
    bodyLayout()->addWidget(m_list);
    bodyLayout()->addLayout(bottom);
    m_ticker.setTimerType(Qt::PreciseTimer);
    connect(&m_ticker, &QTimer::timeout, this, &PictureEffectsWindow::onPreviewTick);
    reloadPictures();
    rebuildList(m_rows.isEmpty() ? -1 : 0);
}

PictureEffectsWindow::~PictureEffectsWindow() { m_ticker.stop(); }

PictureEffectDraft PictureEffectsWindow::draft() const
{
    return PictureEffectDraft{m_picturePath, m_start->value(), m_duration->value(),
                              QRect(m_left->value(), m_top->value(), m_width->value(), m_height->value()), m_opacity->value()};
}

void PictureEffectsWindow::setDraft(const PictureEffectDraft& draft)
{
    m_picturePath = draft.path;
    m_pictureName->setText(draft.path.isEmpty() ? QStringLiteral("未选择图片") : QFileInfo(draft.path).fileName());
    m_start->setValue(draft.startSeconds);
    m_duration->setValue(draft.durationSeconds);
    m_left->setValue(draft.box.left());
    m_top->setValue(draft.box.top());
    m_width->setValue(draft.box.width());
    m_height->setValue(draft.box.height());
    m_opacity->setValue(draft.opacity);
}

void PictureEffectsWindow::choosePicture()
{
    const QStringList files = m_dialogs.openFiles(this, QStringLiteral("选择特效图片"),
                                                  QStringLiteral("特效图片(PNG,JPG,GIF)|*.png;*.jpg;*.jpeg;*.gif;"), QString());
    if (files.isEmpty())
        return;
    m_picturePath = files.first();
    m_pictureName->setText(QFileInfo(m_picturePath).fileName());
}

void PictureEffectsWindow::addEffect()
{
    if (m_picturePath.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("没有选择特效图片！"));
        return;
    }
    if (const Status added = addPictureEffect(m_rows, draft()); !added.ok()) {
        m_dialogs.message(this, added.error());
        return;
    }
    reloadPictures();
    rebuildList(int(m_rows.count() - 1));
}

void PictureEffectsWindow::changeSelected()
{
    QTreeWidgetItem* item = m_list->currentItem();
    if (!item) {
        m_dialogs.message(this, QStringLiteral("没有选中画面特效！"));
        return;
    }
    const int row = m_list->indexOfTopLevelItem(item);
    // The changed row is checked as a new one would be, then takes the old one's place.
    RecordTable<PictureEffectRecord> checked;
    if (const Status made = addPictureEffect(checked, draft()); !made.ok()) {
        m_dialogs.message(this, made.error());
        return;
    }
    checked[0].order = m_rows[row].order;
    m_rows[row] = checked[0];
    reloadPictures();
    rebuildList(row);
}

void PictureEffectsWindow::deleteSelected()
{
    QTreeWidgetItem* item = m_list->currentItem();
    if (!item) {
        m_dialogs.message(this, QStringLiteral("没有选中画面特效！"));
        return;
    }
    const int row = m_list->indexOfTopLevelItem(item);
    m_rows.remove(row);
    for (qsizetype i = 0; i < m_rows.count(); ++i)
        m_rows[i].order = QString::number(i + 1);
    reloadPictures();
    rebuildList(std::min<int>(row, int(m_rows.count()) - 1));
}

void PictureEffectsWindow::deleteAll()
{
    if (m_rows.isEmpty())
        return;
    if (!m_dialogs.confirm(this, QStringLiteral("全部删除"), QStringLiteral("确定要删除全部画面特效吗？"), QStringLiteral("确定")))
        return;
    m_rows.clear();
    reloadPictures();
    rebuildList(-1);
}

void PictureEffectsWindow::selectRow(int row)
{
    if (row < 0 || row >= m_rows.count())
        return;
    setDraft(pictureEffectDraftOf(m_rows[row]));
    m_stage->update();
}

void PictureEffectsWindow::rebuildList(int selectRow)
{
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    for (const PictureEffectRecord& row : m_rows) {
        m_list->addTopLevelItem(new QTreeWidgetItem(
            {row.order, row.effectName, row.startTime, durationText(row), placeText(row), row.opacity + QStringLiteral("%")}));
    }
    if (selectRow >= 0 && selectRow < m_list->topLevelItemCount()) {
        m_list->setCurrentItem(m_list->topLevelItem(selectRow));
        this->selectRow(selectRow);
    }
    m_stage->update();
}

void PictureEffectsWindow::reloadPictures()
{
    m_pictures.clear();
    for (const PictureEffectRecord& row : m_rows) {
        Result<PictureEffectFrames> loaded = loadPictureEffect(row, stageSize);
        m_pictures.append(loaded.ok() ? loaded.value() : PictureEffectFrames{});
    }
}

void PictureEffectsWindow::moveSelectedTo(QPoint topLeft)
{
    QTreeWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    const int row = m_list->indexOfTopLevelItem(item);
    PictureEffectRecord& record = m_rows[row];
    record.left = QString::number(topLeft.x());
    record.top = QString::number(topLeft.y());
    m_left->setValue(topLeft.x());
    m_top->setValue(topLeft.y());
    item->setText(4, placeText(record));
    Result<PictureEffectFrames> loaded = loadPictureEffect(record, stageSize);
    if (loaded.ok())
        m_pictures[row] = loaded.value();
    m_stage->update();
}

void PictureEffectsWindow::playPreview()
{
    if (m_rows.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("没有添加画面特效！"));
        return;
    }
    m_previewFrame = 0;
    m_previewClock.start();
    m_ticker.start(frameMs);
    onPreviewTick();
}

void PictureEffectsWindow::onPreviewTick()
{
    qint64 end = 0;
    for (const PictureEffectFrames& effect : m_pictures)
        end = std::max(end, effect.endFrame);
    if (m_previewFrame >= end) {
        stopPreview();
        return;
    }
    m_clock->setText(QStringLiteral("%1 秒").arg(double(m_previewFrame) / 25, 0, 'f', 1));
    m_stage->update();
    // The preview keeps the album's time however late a tick comes.
    m_previewFrame = m_previewClock.elapsed() / frameMs + 1;
}

void PictureEffectsWindow::stopPreview()
{
    m_ticker.stop();
    m_previewFrame = -1;
    m_clock->clear();
    m_stage->update();
}

void PictureEffectsWindow::accept()
{
    stopPreview();
    m_model.pictureEffects = m_rows;
    FramedDialog::accept();
}

}  // namespace xc::ui
