#include "ui/render/settings_windows.h"

#include "core/album_model.h"
#include "core/keywords.h"
#include "effects/album_length.h"
#include "render/lyrics_type_choice.h"
#include "ui/shell/theme.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace xc::ui {

namespace {

// A titled group of exclusive choices bound to one text setting: checked from its value, and
// writing the choice's value back the moment it is chosen.
QGroupBox* choiceGroup(const QString& title, QString& setting, const QList<std::pair<QString, QString>>& choices,
                       QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QHBoxLayout(group);
    auto* buttons = new QButtonGroup(group);
    for (const auto& [caption, value] : choices) {
        auto* button = new QRadioButton(caption, group);
        button->setChecked(setting == value);
        QObject::connect(button, &QRadioButton::toggled, group, [&setting, value = value](bool on) {
            if (on)
                setting = value;
        });
        buttons->addButton(button);
        layout->addWidget(button);
    }
    layout->addStretch();
    return group;
}

QPushButton* closeButton(QDialog* window, QWidget* parent)
{
    QPushButton* ok = dialogButton(QStringLiteral("确定"), parent);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, window, &QDialog::accept);
    return ok;
}

}  // namespace

OtherSettingsWindow::OtherSettingsWindow(AlbumSettings& settings, QWidget* parent)
    : FramedDialog(QStringLiteral("其它设置"), parent)
{
    bodyLayout()->addWidget(choiceGroup(QStringLiteral("电视制式"), settings.tvSystem,
                                        {{QStringLiteral("PAL制式"), kw::tvPal}, {QStringLiteral("NTSC制式"), kw::tvNtsc}}, body()));
    bodyLayout()->addWidget(choiceGroup(QStringLiteral("画质"), settings.quality,
                                        {{QStringLiteral("一般画质"), kw::qualityNormal}, {QStringLiteral("高清画质"), kw::qualityHigh}},
                                        body()));
    bodyLayout()->addWidget(choiceGroup(QStringLiteral("导入照片时，对横照片的剪裁效果   (支持单张照片模板效果)"), settings.landscapeCrop,
                                        {{kw::landscapeCropFull, kw::landscapeCropFull},
                                         {kw::landscapeCropTemplate, kw::landscapeCropTemplate}},
                                        body()));
    bodyLayout()->addWidget(choiceGroup(QStringLiteral("导入照片时，对竖照片的剪裁效果   (支持单张照片模板效果)"), settings.portraitCrop,
                                        {{kw::portraitCropZoom, kw::portraitCropZoom},
                                         {kw::portraitCropTemplate, kw::portraitCropTemplate}},
                                        body()));
    bodyLayout()->addLayout(buttonRow({closeButton(this, body())}));
    setMinimumWidth(560);
}

LyricsTypeWindow::LyricsTypeWindow(QWidget* parent) : FramedDialog(QStringLiteral("歌词类型选择"), parent), m_choice(lyricsType::both)
{
    setObjectName(QStringLiteral("TForm49"));
    auto* note = new QLabel(lyricsTypeNote, body());
    note->setWordWrap(true);
    bodyLayout()->addWidget(note);
    bodyLayout()->addWidget(choiceGroup(QStringLiteral("歌词类型"), m_choice,
                                        {{QStringLiteral("使用LRC歌词"), lyricsType::lrc},
                                         {QStringLiteral("使用卡拉OK歌词"), lyricsType::karaoke},
                                         {QStringLiteral("两种歌词都使用"), lyricsType::both}},
                                        body()));
    bodyLayout()->addLayout(buttonRow({closeButton(this, body())}));
    setMinimumWidth(460);
}

AlbumLengthWindow::AlbumLengthWindow(AlbumModel& model, QWidget* parent) : FramedDialog(QStringLiteral("相册时长"), parent)
{
    prepareAlbumLengthDialog(model);
    AlbumSettings& settings = model.settings;
    auto* rule = new QGroupBox(QStringLiteral("相册长度"), body());
    auto* ruleLayout = new QVBoxLayout(rule);
    auto* photos = new QRadioButton(QStringLiteral("以相片时间长度为准"), rule);
    auto* music = new QRadioButton(QStringLiteral("以音乐时间长度为准"), rule);
    photos->setChecked(photoLengthRule(settings));
    music->setChecked(!photoLengthRule(settings));
    auto* loopMusic = new QCheckBox(QStringLiteral("以音乐循环播放补充帧频"), rule);
    auto* loopPictures = new QCheckBox(QStringLiteral("以画面循环播放补充帧频"), rule);
    loopMusic->setChecked(settings.loopMusic);
    loopPictures->setChecked(settings.loopPictures);
    for (QWidget* option : {static_cast<QWidget*>(photos), static_cast<QWidget*>(music), static_cast<QWidget*>(loopMusic),
                            static_cast<QWidget*>(loopPictures)})
        ruleLayout->addWidget(option);
    // Looping the pictures belongs to the music-length rule.
    loopPictures->setEnabled(!photoLengthRule(settings));
    connect(photos, &QRadioButton::toggled, this, [&settings, loopPictures](bool on) {
        if (!on)
            return;
        choosePhotoLengthRule(settings);
        loopPictures->setChecked(false);
        loopPictures->setEnabled(false);
    });
    connect(music, &QRadioButton::toggled, this, [&settings, loopPictures](bool on) {
        if (!on)
            return;
        chooseMusicLengthRule(settings);
        loopPictures->setEnabled(true);
    });
    connect(loopMusic, &QCheckBox::toggled, this, [&settings](bool on) { settings.loopMusic = on; });
    connect(loopPictures, &QCheckBox::toggled, this, [&settings](bool on) { settings.loopPictures = on; });

    auto* note = new QLabel(model.music.isEmpty() ? QStringLiteral("还没有添加音乐：相册的长度由相片决定。")
                                                  : QStringLiteral("相片为准：音乐在画面结束时截止；音乐为准：相册随音乐的长度。"),
                            body());
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: %1;").arg(theme::textMuted.name()));
    bodyLayout()->addWidget(rule);
    bodyLayout()->addWidget(note);
    bodyLayout()->addLayout(buttonRow({closeButton(this, body())}));
    setMinimumWidth(420);
}

}  // namespace xc::ui
