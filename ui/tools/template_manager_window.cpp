#include "ui/tools/template_manager_window.h"

#include "core/album_model.h"
#include "core/workspace.h"
#include "media/flash_template_player.h"
#include "photos/board_thumbnails.h"
#include "photos/template_change.h"
#include "ui/shell/dialogs.h"
#include "ui/shell/theme.h"
#include "ui/widgets/item_texts.h"

#include <QFile>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTabWidget>

#include <algorithm>

namespace xc::ui {

namespace {

constexpr QSize previewSize{480, 270};
constexpr QSize posterSize{160, 90};
constexpr QSize groupThumbnailBox{104, 104};
// The last frame stays this long before the movie starts over.
constexpr int holdFrames = 25;
constexpr int indexRole = Qt::UserRole;

const TemplateRecord* catalogueTemplate(const AlbumModel& model, const QString& index)
{
    const auto found = std::find_if(model.catalogue.begin(), model.catalogue.end(),
                                    [&](const TemplateRecord& t) { return t.index == index; });
    return found == model.catalogue.end() ? nullptr : &*found;
}

QString templateTitle(const TemplateRecord& t) { return t.category.isEmpty() ? t.kind : t.category; }

QString mutedStyle() { return QStringLiteral("color: %1;").arg(theme::textMuted.name()); }

QPixmap placeholderPicture(QSize size, qreal ratio, const QString& text)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(theme::chromeDark);
    QPainter p(&pixmap);
    p.setPen(theme::textMuted);
    p.setFont(uiFont(12));
    p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, text);
    return pixmap;
}

QPixmap boardThumbnail(const QString& path, QSize box, qreal ratio)
{
    // Board thumbnails are bitmaps under a configurable extension: read them by content.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return placeholderPicture(box, ratio, QStringLiteral("无缩略图"));
    QPixmap pixmap = QPixmap::fromImage(image.scaled(box * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// The same picture when selected: the selection shows as the item's frame, not a tint.
QIcon posterIcon(const QPixmap& picture)
{
    QIcon icon(picture);
    icon.addPixmap(picture, QIcon::Selected);
    return icon;
}

QString tabStyle()
{
    using namespace theme;
    return QStringLiteral(R"(
QTabWidget::pane { border: 1px solid %1; background: %2; top: -1px; }
QTabBar::tab { background: %3; color: %4; padding: 6px 16px; border: 1px solid %1; border-bottom: none;
  margin-right: 2px; border-top-left-radius: 4px; border-top-right-radius: 4px; }
QTabBar::tab:selected { background: %2; color: %5; }
QTabBar::tab:hover:!selected { color: %6; }
QListView::item { color: %6; border-radius: 4px; }
QListView::item:selected { background: %7; color: %6; border: 1px solid %5; }
)")
        .arg(chromeLight.name(), panelBackground.name(), chromeDark.name(), textMuted.name(), accent.name(), text.name(),
             accentSoft.name(QColor::HexArgb));
}

}  // namespace

MoviePreview::MoviePreview(QSize size, QWidget* parent) : QWidget(parent), m_size(size)
{
    setFixedSize(size);
    // Frames are due by the clock, so the ticks must not drift by the timer's coarse slack.
    m_ticker.setTimerType(Qt::PreciseTimer);
    connect(&m_ticker, &QTimer::timeout, this, &MoviePreview::onTick);
}

MoviePreview::~MoviePreview()
{
    m_ticker.stop();
}

Status MoviePreview::play(const QString& moviePath)
{
    stop();
    if (!m_player)
        m_player = std::make_unique<FlashTemplatePlayer>(m_size * devicePixelRatioF());
    if (Status loaded = m_player->Movie(moviePath); !loaded.ok()) {
        showText(QStringLiteral("模板无法预览"));
        return loaded;
    }
    m_player->SetVariable(QStringLiteral("xc_alpha"), QStringLiteral("0"));
    m_text.clear();
    m_frame = -1;
    m_clock.start();
    m_ticker.start(qRound(1000 / m_player->frameRate()));
    onTick();
    return Status::success();
}

void MoviePreview::stop()
{
    m_ticker.stop();
}

void MoviePreview::showText(const QString& text)
{
    stop();
    m_picture = QImage();
    m_text = text;
    update();
}

void MoviePreview::onTick()
{
    const int total = m_player->TotalFrames();
    if (total <= 0)
        return;
    const int due = int(m_clock.elapsed() * m_player->frameRate() / 1000) % (total + holdFrames);
    const int frame = std::min(due, total - 1);
    if (frame == m_frame)
        return;
    m_frame = frame;
    m_player->FrameNum(frame);
    m_player->paintFrame(m_picture);
    m_picture.setDevicePixelRatio(devicePixelRatioF());
    update();
}

void MoviePreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (m_picture.isNull()) {
        p.setPen(theme::textMuted);
        p.setFont(uiFont(14));
        p.drawText(rect(), Qt::AlignCenter, m_text.isEmpty() ? QStringLiteral("正在准备预览…") : m_text);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), m_picture);
}

TemplateManagerWindow::TemplateManagerWindow(AlbumModel& model, const Workspace& workspace, Dialogs& dialogs, RandomSource& random,
                                             qsizetype row, QWidget* parent)
    : FramedDialog(QStringLiteral("模板管理"), parent), m_model(model), m_workspace(workspace), m_dialogs(dialogs), m_random(random),
      m_row(row >= 0 && row < model.photos.count() ? row : 0), m_classes(new QTabWidget(body())),
      m_preview(new MoviePreview(previewSize, body())), m_details(new QLabel(body())), m_groupCaption(new QLabel(body())),
      m_groupPhotos(new QWidget(body())), m_status(new QLabel(body())),
      m_apply(dialogButton(QStringLiteral("更换模板"), body())), m_pick(dialogButton(QStringLiteral("指定相片"), body())),
      m_previewStage(model, workspace), m_posterStage(model, workspace)
{
    m_classes->setObjectName(QStringLiteral("TabControl_moban_fenlei"));
    m_classes->setStyleSheet(tabStyle());
    m_classes->setFixedWidth(3 * 182 + 30);
    for (const TemplateClass& templateClass : templateClasses(model)) {
        QListWidget* list = makeClassList(templateClass.templates);
        m_lists.append(list);
        m_classes->addTab(list, QStringLiteral("%1 (%2)").arg(templateClass.title).arg(templateClass.templates.count()));
        m_classes->setTabToolTip(m_classes->count() - 1, templateClass.title);
    }
    connect(m_classes, &QTabWidget::currentChanged, this, [this](int tab) {
        // The posters of the class in view come first.
        QStringList first;
        for (int i = 0; i < m_lists[tab]->count(); ++i) {
            const QString index = m_lists[tab]->item(i)->data(indexRole).toString();
            if (m_posterQueue.removeAll(index) > 0)
                first << index;
        }
        m_posterQueue = first + m_posterQueue;
        // A class opens on its first template, so the preview always shows one.
        if (!m_lists[tab]->currentItem() && m_lists[tab]->count() > 0)
            m_lists[tab]->setCurrentRow(0);
        else
            onTemplateChosen();
    });

    auto* previewTitle = new QLabel(QStringLiteral("模板预览（播放这一组的相片）"), body());
    previewTitle->setStyleSheet(mutedStyle());
    m_details->setWordWrap(true);
    m_details->setFixedWidth(previewSize.width());
    m_details->setMinimumHeight(52);
    m_details->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_apply->setObjectName(QStringLiteral("Button_genghuan_moban"));
    m_pick->setObjectName(QStringLiteral("Button_zhiding_xiangpian"));
    m_apply->setDefault(true);
    m_apply->setToolTip(QStringLiteral("这一组相片改用选中的模板"));
    m_pick->setToolTip(QStringLiteral("为选中的模板逐张指定相片"));
    connect(m_apply, &QPushButton::clicked, this, &TemplateManagerWindow::applyChosenTemplate);
    connect(m_pick, &QPushButton::clicked, this, &TemplateManagerWindow::openPicker);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    right->addWidget(previewTitle);
    right->addWidget(m_preview);
    right->addWidget(m_details);
    right->addStretch();
    auto* actions = new QHBoxLayout;
    actions->addStretch();
    actions->addWidget(m_pick);
    actions->addWidget(m_apply);
    right->addLayout(actions);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(m_classes);
    top->addLayout(right);

    auto* group = new QFrame(body());
    group->setObjectName(QStringLiteral("Panel_xiangpian_zu"));
    group->setStyleSheet(QStringLiteral("QFrame#Panel_xiangpian_zu { background: %1; border-radius: 4px; }").arg(theme::panelBackground.name()));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setContentsMargins(12, 8, 12, 8);
    auto* groupHeader = new QHBoxLayout;
    m_groupCaption->setFont(uiFont(13, true));
    QPushButton* previous = dialogButton(QStringLiteral("上一组"), group);
    QPushButton* next = dialogButton(QStringLiteral("下一组"), group);
    connect(previous, &QPushButton::clicked, this, &TemplateManagerWindow::previousGroup);
    connect(next, &QPushButton::clicked, this, &TemplateManagerWindow::nextGroup);
    groupHeader->addWidget(m_groupCaption, 1);
    groupHeader->addWidget(previous);
    groupHeader->addWidget(next);
    groupLayout->addLayout(groupHeader);
    m_groupPhotos->setParent(group);
    m_groupPhotos->setFixedHeight(groupThumbnailBox.height() + 30);
    auto* photosRow = new QHBoxLayout(m_groupPhotos);
    photosRow->setContentsMargins(0, 0, 0, 0);
    photosRow->setSpacing(12);
    groupLayout->addWidget(m_groupPhotos);

    m_status->setStyleSheet(QStringLiteral("color: %1;").arg(theme::accent.name()));
    QPushButton* close = dialogButton(QStringLiteral("关闭"), body());
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(close);

    bodyLayout()->addLayout(top);
    bodyLayout()->addWidget(group);
    bodyLayout()->addLayout(bottom);

    for (const TemplateRecord& t : model.catalogue) {
        if (!t.classMark.isEmpty())
            m_posterQueue << t.index;
    }
    m_posterTimer.setSingleShot(true);
    connect(&m_posterTimer, &QTimer::timeout, this, &TemplateManagerWindow::makeNextPoster);
    m_posterTimer.start(0);

    refreshGroup();
    // Opens on the class and template the photo's group uses now.
    const PhotoRecord& photo = m_model.photos[m_row];
    const TemplateRecord* current = catalogueTemplate(m_model, photo.templateIndex);
    QString title = photo.orientation == kw::portraitPhoto ? QStringLiteral("竖照") : QStringLiteral("横照");
    if (current && current->classMark == kw::classAdvanced)
        title = QStringLiteral("高级");
    if (!chooseTemplate(title, photo.templateIndex))
        m_classes->setCurrentIndex(int(classTitles().indexOf(title)));
    for (QListWidget* list : m_lists)
        connect(list, &QListWidget::currentItemChanged, this, &TemplateManagerWindow::onTemplateChosen);
    onTemplateChosen();
    resize(sizeHint().expandedTo(QSize(1120, 0)));
}

TemplateManagerWindow::~TemplateManagerWindow()
{
    m_posterTimer.stop();
}

QListWidget* TemplateManagerWindow::makeClassList(const TemplateList& templates)
{
    auto* list = new QListWidget;
    list->setViewMode(QListView::IconMode);
    list->setMovement(QListView::Static);
    list->setResizeMode(QListView::Adjust);
    list->setIconSize(posterSize);
    list->setGridSize(QSize(182, 146));
    list->setWordWrap(true);
    list->setUniformItemSizes(true);
    list->setFont(uiFont(12));
    list->setMinimumHeight(2 * 146 + 12);
    const QPixmap waiting = placeholderPicture(posterSize, devicePixelRatioF(), QStringLiteral("…"));
    for (const TemplateRecord& t : templates) {
        auto* item = new QListWidgetItem(posterIcon(waiting), QStringLiteral("%1\n%2 · %3张").arg(templateTitle(t), t.collection.isEmpty() ? t.kind : t.collection, t.photoCount), list);
        item->setData(indexRole, t.index);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        item->setToolTip(QStringLiteral("%1（%2）：需要%3").arg(templateTitle(t), t.kind, templateNeedsText(t)));
    }
    return list;
}

QStringList TemplateManagerWindow::classTitles() const
{
    QStringList titles;
    for (int i = 0; i < m_classes->count(); ++i)
        titles << m_classes->tabToolTip(i);
    return titles;
}

QListWidget* TemplateManagerWindow::currentList() const
{
    const int tab = m_classes->currentIndex();
    return tab >= 0 && tab < m_lists.size() ? m_lists[tab] : nullptr;
}

bool TemplateManagerWindow::chooseTemplate(const QString& title, const QString& index)
{
    const int tab = int(classTitles().indexOf(title));
    if (tab < 0)
        return false;
    for (int i = 0; i < m_lists[tab]->count(); ++i) {
        if (m_lists[tab]->item(i)->data(indexRole).toString() == index) {
            if (tab == m_classes->currentIndex()) {
                m_lists[tab]->setCurrentRow(i);
            } else {
                // Chosen before the class is shown, so the preview starts once, on this template.
                const QSignalBlocker quiet(m_lists[tab]);
                m_lists[tab]->setCurrentRow(i);
                m_classes->setCurrentIndex(tab);
            }
            return true;
        }
    }
    return false;
}

const TemplateRecord* TemplateManagerWindow::chosenTemplate() const
{
    QListWidget* list = currentList();
    if (!list || !list->currentItem())
        return nullptr;
    return catalogueTemplate(m_model, list->currentItem()->data(indexRole).toString());
}

void TemplateManagerWindow::onTemplateChosen()
{
    const TemplateRecord* t = chosenTemplate();
    if (!t) {
        m_details->setText(QStringLiteral("在左边选择一个模板。"));
        m_preview->showText(QStringLiteral("没有选中模板"));
    }
    // Last: disabling the focused button moves the focus, which may choose a template anew.
    const auto enableActions = qScopeGuard([this, chosen = t != nullptr] {
        m_apply->setEnabled(chosen);
        m_pick->setEnabled(chosen);
    });
    if (!t)
        return;
    const bool inUse = t->index == m_model.photos[m_row].templateIndex;
    const double seconds = t->frames.toDouble() / 25.0;
    const QString kind = t->collection.isEmpty() ? t->kind : t->kind + QStringLiteral(" · ") + t->collection;
    m_details->setText(QStringLiteral("<b>%1</b>　%2%3<br><span style='color:%4'>需要%5张相片：%6 · 时长%7秒</span>")
                           .arg(templateTitle(*t).toHtmlEscaped(), kind.toHtmlEscaped(),
                                inUse ? QStringLiteral("　<span style='color:%1'>（这一组正在使用）</span>").arg(theme::accent.name())
                                      : QString(),
                                theme::textMuted.name(), t->photoCount, templateNeedsText(*t))
                           .arg(seconds, 0, 'f', 1));
    playChosen();
}

void TemplateManagerWindow::playChosen()
{
    const TemplateRecord* t = chosenTemplate();
    if (!t)
        return;
    // The photo itself first, so the preview shows it where the change would put it.
    QList<qsizetype> photos{m_row};
    for (qsizetype r : groupRows(m_model, m_row)) {
        if (r != m_row)
            photos << r;
    }
    const Result<QString> staged = m_previewStage.stage(*t, photos, previewSize * devicePixelRatioF());
    if (!staged.ok()) {
        m_preview->showText(QStringLiteral("模板无法预览"));
        m_details->setToolTip(staged.error());
        return;
    }
    if (Status played = m_preview->play(staged.value()); !played.ok())
        m_details->setToolTip(played.error());
}

void TemplateManagerWindow::refreshGroup()
{
    const PhotoRecord& photo = m_model.photos[m_row];
    const TemplateRecord* current = catalogueTemplate(m_model, photo.templateIndex);
    const QList<qsizetype> rows = groupRows(m_model, m_row);
    m_groupCaption->setText(QStringLiteral("第%1组（共%2组）　模板“%3”　%4张相片")
                                .arg(photo.templateFolder, m_model.settings.templateCounter,
                                     current ? templateTitle(*current) : QStringLiteral("未知"))
                                .arg(rows.size()));

    QLayout* layout = m_groupPhotos->layout();
    while (QLayoutItem* item = layout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (qsizetype r : rows) {
        auto* cell = new QWidget(m_groupPhotos);
        auto* column = new QVBoxLayout(cell);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(4);
        auto* picture = new QLabel(cell);
        picture->setFixedSize(groupThumbnailBox + QSize(6, 6));
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(boardThumbnail(boardThumbnailPath(m_workspace, m_model.settings, r + 1), groupThumbnailBox, devicePixelRatioF()));
        const bool selected = r == m_row;
        picture->setStyleSheet(QStringLiteral("border: 2px solid %1; border-radius: 3px;")
                                   .arg(selected ? theme::accent.name() : QStringLiteral("transparent")));
        const PhotoRecord& member = m_model.photos[r];
        auto* caption = new QLabel(QStringLiteral("第%1张 · 位置%2").arg(r + 1).arg(member.slotName.mid(8)), cell);
        caption->setAlignment(Qt::AlignHCenter);
        caption->setStyleSheet(selected ? QStringLiteral("color: %1;").arg(theme::accent.name()) : mutedStyle());
        caption->setToolTip(member.name + QStringLiteral(" · ") + photoOrientationText(member.orientation));
        column->addWidget(picture, 0, Qt::AlignHCenter);
        column->addWidget(caption);
        layout->addWidget(cell);
    }
    static_cast<QHBoxLayout*>(layout)->addStretch();
}

void TemplateManagerWindow::showGroupOf(qsizetype row)
{
    if (row < 0 || row >= m_model.photos.count())
        return;
    m_row = row;
    refreshGroup();
    onTemplateChosen();
}

void TemplateManagerWindow::previousGroup()
{
    const int wanted = m_model.photos[m_row].templateFolder.toInt() - 1;
    for (qsizetype r = 0; r < m_model.photos.count(); ++r) {
        if (m_model.photos[r].templateFolder.toInt() == wanted) {
            showGroupOf(r);
            return;
        }
    }
}

void TemplateManagerWindow::nextGroup()
{
    const int wanted = m_model.photos[m_row].templateFolder.toInt() + 1;
    for (qsizetype r = 0; r < m_model.photos.count(); ++r) {
        if (m_model.photos[r].templateFolder.toInt() == wanted) {
            showGroupOf(r);
            return;
        }
    }
}

bool TemplateManagerWindow::applyChosenTemplate()
{
    const TemplateRecord* t = chosenTemplate();
    if (!t)
        return false;
    const TemplateRecord chosen = *t;
    const PhotoRecord& photo = m_model.photos[m_row];
    const qsizetype groupSize = groupRows(m_model, m_row).size();
    if (chosen.index == photo.templateIndex && groupSize == chosen.photoCount.toInt()) {
        m_status->setText(QStringLiteral("这一组已经在使用模板“%1”。").arg(templateTitle(chosen)));
        return false;
    }
    if (groupSize != chosen.photoCount.toInt()
        && !m_dialogs.confirm(this, QStringLiteral("更换模板"),
                              QStringLiteral("模板“%1”需要%2张相片，这一组现有%3张。相片多出或不足时，"
                                             "后面的相片组会重新套用模板。确定更换吗？")
                                  .arg(templateTitle(chosen), chosen.photoCount)
                                  .arg(groupSize),
                              QStringLiteral("确定更换")))
        return false;
    const Status changed = changeTemplate(m_model, m_workspace, m_row, chosen, m_random);
    if (!changed.ok()) {
        m_dialogs.message(this, changed.error());
        return false;
    }
    afterChange(QStringLiteral("第%1组已更换为模板“%2”。").arg(m_model.photos[m_row].templateFolder, templateTitle(chosen)));
    return true;
}

bool TemplateManagerWindow::pickPhotos(const QList<qsizetype>& rows)
{
    const TemplateRecord* t = chosenTemplate();
    if (!t || rows.isEmpty())
        return false;
    const TemplateRecord chosen = *t;
    const Status formed = formGroup(m_model, m_workspace, chosen, rows, m_random);
    if (!formed.ok()) {
        m_dialogs.message(this, formed.error());
        return false;
    }
    m_row = rows.first();
    afterChange(QStringLiteral("指定的相片已组成第%1组，使用模板“%2”。").arg(m_model.photos[m_row].templateFolder, templateTitle(chosen)));
    return true;
}

void TemplateManagerWindow::afterChange(const QString& done)
{
    m_changed = true;
    m_status->setText(done);
    refreshGroup();
    onTemplateChosen();
}

void TemplateManagerWindow::openPicker()
{
    const TemplateRecord* t = chosenTemplate();
    if (!t)
        return;
    PhotoPickerDialog picker(m_model, m_workspace, *t, this);
    if (picker.exec() == QDialog::Accepted)
        pickPhotos(picker.picked());
}

void TemplateManagerWindow::makeNextPoster()
{
    if (m_posterQueue.isEmpty())
        return;
    const QString index = m_posterQueue.takeFirst();
    const TemplateRecord* t = catalogueTemplate(m_model, index);
    const qreal ratio = devicePixelRatioF();
    QPixmap poster;
    if (t) {
        if (!m_posterPlayer)
            m_posterPlayer = std::make_unique<FlashTemplatePlayer>(posterSize * ratio);
        const Result<QString> staged = m_posterStage.stage(*t, {}, posterSize * ratio);
        if (staged.ok() && m_posterPlayer->Movie(staged.value()).ok()) {
            m_posterPlayer->SetVariable(QStringLiteral("xc_alpha"), QStringLiteral("0"));
            // A moment when the photos are in place.
            m_posterPlayer->FrameNum(m_posterPlayer->TotalFrames() * 55 / 100);
            poster = QPixmap::fromImage(m_posterPlayer->paintFrame());
            poster.setDevicePixelRatio(ratio);
        }
    }
    if (poster.isNull())
        poster = placeholderPicture(posterSize, ratio, QStringLiteral("无法预览"));
    m_posters.insert(index, poster);
    for (QListWidget* list : m_lists) {
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->data(indexRole).toString() == index)
                list->item(i)->setIcon(posterIcon(poster));
        }
    }
    if (!m_posterQueue.isEmpty())
        m_posterTimer.start(0);
}

PhotoPickerDialog::PhotoPickerDialog(const AlbumModel& model, const Workspace& workspace, const TemplateRecord& chosen, QWidget* parent)
    : FramedDialog(QStringLiteral("指定相片"), parent), m_needed(chosen.photoCount.toInt()), m_needs(templateNeedsText(chosen)),
      m_photos(new QListWidget(body())), m_summary(new QLabel(body())), m_ok(dialogButton(QStringLiteral("确定"), body()))
{
    auto* intro = new QLabel(QStringLiteral("模板“%1”需要%2张相片（%3）。请按放入模板的顺序逐张勾选相片：")
                                 .arg(templateTitle(chosen), chosen.photoCount, m_needs),
                             body());
    intro->setWordWrap(true);
    m_photos->setViewMode(QListView::IconMode);
    m_photos->setMovement(QListView::Static);
    m_photos->setResizeMode(QListView::Adjust);
    m_photos->setIconSize(QSize(96, 96));
    m_photos->setGridSize(QSize(124, 142));
    m_photos->setWordWrap(true);
    m_photos->setSelectionMode(QAbstractItemView::NoSelection);
    m_photos->setStyleSheet(tabStyle());
    for (qsizetype row = 0; row < model.photos.count(); ++row) {
        const PhotoRecord& photo = model.photos[row];
        auto* item = new QListWidgetItem(
            QIcon(boardThumbnail(boardThumbnailPath(workspace, model.settings, row + 1), QSize(96, 96), devicePixelRatioF())),
            QStringLiteral("%1. %2").arg(row + 1).arg(photo.name), m_photos);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setToolTip(photo.name + QStringLiteral(" · ") + photoOrientationText(photo.orientation) + QStringLiteral(" · 第%1组").arg(photo.templateFolder));
    }
    connect(m_photos, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const qsizetype row = m_photos->row(item);
        const bool ticked = item->checkState() == Qt::Checked;
        if (ticked != m_picked.contains(row))
            ticked ? m_picked.append(row) : void(m_picked.removeAll(row));
        refresh();
    });
    connect(m_photos, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        // A click anywhere on the photo ticks it, not only on the small box.
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
    m_summary->setStyleSheet(QStringLiteral("color: %1;").arg(theme::accent.name()));
    m_ok->setDefault(true);
    QPushButton* cancel = dialogButton(QStringLiteral("取消"), body());
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_summary, 1);
    bottom->addWidget(m_ok);
    bottom->addWidget(cancel);
    bodyLayout()->addWidget(intro);
    bodyLayout()->addWidget(m_photos, 1);
    bodyLayout()->addLayout(bottom);
    refresh();
    resize(5 * 124 + 60, 480);
}

void PhotoPickerDialog::toggle(qsizetype row)
{
    QListWidgetItem* item = m_photos->item(int(row));
    if (item)
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void PhotoPickerDialog::refresh()
{
    QStringList order;
    for (qsizetype row : m_picked)
        order << QString::number(row + 1);
    m_summary->setText(QStringLiteral("已选%1张，共需%2张%3")
                           .arg(m_picked.size())
                           .arg(m_needed)
                           .arg(order.isEmpty() ? QString() : QStringLiteral("：第") + order.join(QStringLiteral("、")) + QStringLiteral("张")));
    m_ok->setEnabled(m_picked.size() == m_needed);
}

}  // namespace xc::ui
