#include "ui/shell/side_panel.h"

#include "core/album_model.h"
#include "core/keywords.h"
#include "ui/shell/theme.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace xc::ui {

namespace {

constexpr int helpRestartTop = 50;

const QString helpText = QStringLiteral(
    "使用方法\n\n"
    "一、点击“添加相片”，一次可以选择多张相片，软件自动分出横照与竖照，并为相片配上模板。\n\n"
    "二、在相片区域拖动相片可以调整顺序；双击相片可以预览它使用的模板效果。\n\n"
    "三、添加音乐和歌词，把歌词绑定到音乐上，还可以设置卡拉OK字幕和文字特效。\n\n"
    "四、在“其它设置”里选择电视制式和画质，然后点击VCD、SVCD、DVD、AVI或序列图制作相册。\n\n"
    "小提示：把相片文件从文件管理器拖到窗口上，也可以添加相片。");

QLabel* valueLabel(const QString& objectName, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFont(uiFont(13, true));
    return label;
}

QLabel* nameLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(theme::textMuted.name()));
    return label;
}

QLabel* sectionTitle(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(uiFont(13, true));
    label->setStyleSheet(QStringLiteral("color: %1;").arg(theme::accent.name()));
    return label;
}

QLabel* settingLabel(const QString& objectName, QWidget* parent)
{
    QLabel* label = valueLabel(objectName, parent);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(theme::accent.name()));
    return label;
}

}  // namespace

QString qualityLabel(const QString& quality)
{
    return quality == kw::qualityNormal ? QStringLiteral("一般画质") : QStringLiteral("高清画质");
}

QString tvSystemLabel(const QString& tvSystem)
{
    return tvSystem == kw::tvNtsc ? QStringLiteral("NTSC制式") : QStringLiteral("PAL制式");
}

QString albumLengthLabel(const QString& syncMode)
{
    return syncMode == kw::syncMusic ? QStringLiteral("音乐为准") : QStringLiteral("相片为准");
}

SidePanel::SidePanel(QWidget* parent)
    : QWidget(parent),
      m_photos(valueLabel(QStringLiteral("Label_youbian_xiangpianshuliang_2"), this)),
      m_music(valueLabel(QStringLiteral("Label_youbian_yinyueshuliang_2"), this)),
      m_lyrics(valueLabel(QStringLiteral("Label_youbian_gecishuliang_2"), this)),
      m_textEffects(valueLabel(QStringLiteral("Label_youbian_wenzitexiao_2"), this)),
      m_pictureEffects(valueLabel(QStringLiteral("Label_youbian_huamiantexiao_2"), this)),
      m_quality(settingLabel(QStringLiteral("Label_huamian_zhiliang"), this)),
      m_tvSystem(settingLabel(QStringLiteral("Label_dianshi_zhishi"), this)),
      m_albumLength(settingLabel(QStringLiteral("Label_xiangce_changdu"), this)),
      m_previewPanel(new QWidget(this)),
      m_previewCaption(new QLabel(m_previewPanel)),
      m_preview(new QLabel(m_previewPanel)),
      m_helpViewport(new QWidget(this)),
      m_help(new QLabel(helpText, m_helpViewport))
{
    setObjectName(QStringLiteral("Panel_youbian"));
    auto* counts = new QGridLayout;
    counts->setHorizontalSpacing(8);
    counts->setVerticalSpacing(3);
    const QList<std::pair<QString, QLabel*>> rows{
        {QStringLiteral("相片"), m_photos},       {QStringLiteral("音乐"), m_music},
        {QStringLiteral("歌词"), m_lyrics},       {QStringLiteral("文字特效"), m_textEffects},
        {QStringLiteral("画面特效"), m_pictureEffects}, {QStringLiteral("画质"), m_quality},
        {QStringLiteral("电视制式"), m_tvSystem}, {QStringLiteral("相册长度"), m_albumLength},
    };
    for (int i = 0; i < rows.size(); ++i) {
        counts->addWidget(nameLabel(rows[i].first, this), i, 0);
        counts->addWidget(rows[i].second, i, 1);
    }

    m_previewPanel->setObjectName(QStringLiteral("suiPanel_xuanzhong_xiangpian_yulan"));
    m_previewCaption->setText(QStringLiteral("        缩略图预览"));
    m_previewCaption->setStyleSheet(QStringLiteral("color: %1;").arg(theme::textMuted.name()));
    m_preview->setObjectName(QStringLiteral("Image_chakanxiangpian"));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setMinimumHeight(110);
    auto* previewLayout = new QVBoxLayout(m_previewPanel);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    previewLayout->setSpacing(4);
    previewLayout->addWidget(m_previewCaption);
    previewLayout->addWidget(m_preview, 1);

    m_help->setWordWrap(true);
    m_help->setStyleSheet(QStringLiteral("color: %1;").arg(theme::textMuted.name()));
    m_help->setFont(uiFont(12));
    m_helpViewport->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(6);
    layout->addWidget(sectionTitle(QStringLiteral("相册信息"), this));
    layout->addLayout(counts);
    layout->addSpacing(6);
    layout->addWidget(m_previewPanel, 3);
    layout->addSpacing(6);
    layout->addWidget(sectionTitle(QStringLiteral("帮助"), this));
    layout->addWidget(m_helpViewport, 2);
}

void SidePanel::refresh(const AlbumModel& model)
{
    const auto count = [](qsizetype n, const QString& unit) { return QString::number(n) + QLatin1Char(' ') + unit; };
    m_photos->setText(count(model.photos.count(), QStringLiteral("张")));
    m_music->setText(count(model.music.count(), QStringLiteral("首")));
    m_lyrics->setText(count(model.lyrics.count(), QStringLiteral("个")));
    m_textEffects->setText(count(model.textEffects.count(), QStringLiteral("条")));
    m_pictureEffects->setText(count(model.pictureEffects.count(), QStringLiteral("个")));
    m_quality->setText(qualityLabel(model.settings.quality));
    m_tvSystem->setText(tvSystemLabel(model.settings.tvSystem));
    m_albumLength->setText(albumLengthLabel(model.settings.syncMode));
    const bool shown = model.settings.previewShown == QStringLiteral("True");
    if (shown != !m_preview->pixmap().isNull())
        m_preview->setPixmap(shown ? m_previewPicture : QPixmap());
}

void SidePanel::scrollHelp()
{
    int top = m_help->y() - 1;
    if (top + m_help->height() < 0)
        top = helpRestartTop;
    m_help->move(0, top);
}

int SidePanel::helpTop() const
{
    return m_help->y();
}

QSize SidePanel::previewBox() const
{
    return m_preview->contentsRect().size().boundedTo(QSize(width() - 24, 200));
}

void SidePanel::setPreview(const QString& caption, const QPixmap& picture)
{
    m_previewCaption->setText(caption);
    m_previewPicture = picture;
    m_preview->setPixmap(picture);
}

void SidePanel::clearPreview()
{
    m_previewCaption->setText(QStringLiteral("        缩略图预览"));
    m_previewPicture = QPixmap();
    m_preview->clear();
}

void SidePanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(theme::panelBackground);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    // The preview sits on a slightly darker card so photos of any colour read well.
    p.setBrush(theme::windowBackground);
    p.drawRoundedRect(QRectF(m_previewPanel->geometry()).adjusted(-6, -4, 6, 4), 5, 5);
}

bool SidePanel::eventFilter(QObject* watched, QEvent* event)
{
    // The help text wraps to the width its viewport gets from the layout.
    if (watched == m_helpViewport && event->type() == QEvent::Resize) {
        m_help->setFixedWidth(m_helpViewport->width());
        m_help->setFixedHeight(m_help->heightForWidth(m_helpViewport->width()));
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace xc::ui
