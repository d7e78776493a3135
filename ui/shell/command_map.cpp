#include "ui/shell/command_map.h"

namespace xc::ui {

namespace {

CommandEntry entry(Command command, const char* objectName, const char* caption, const char* hint)
{
    return {command, QString::fromUtf8(objectName), QString::fromUtf8(caption), QString::fromUtf8(hint)};
}

}  // namespace

const QList<CommandEntry>& commandColumn()
{
    static const QList<CommandEntry> entries{
        entry(Command::AddPhotos, "Button_tianjia_xiangpian", "添加相片", "支持多个相片文件一起添加使用"),
        entry(Command::AddMusic, "Button_tianjia_yinyue", "添加音乐", "支持多个音乐文件一起添加使用"),
        entry(Command::AddLyrics, "Button_tianjia_geci", "添加歌词", "支持多个歌词文件一起添加使用"),
        entry(Command::AlbumLength, "Button_xiangce_changdu", "相册长度", "两种同步：以相册长度为准,以音乐长度为准"),
        entry(Command::TextEffects, "Button_wenzi_texiao", "文字特效",
              "支持多条文字特效,支持指定时间显示,颜色,字体,大小,字型等设置"),
        entry(Command::Karaoke, "Button_kalaok_shezhi", "卡拉OK设置", ""),
        entry(Command::OtherSettings, "Button_qita_shezhi", "其它设置", "支持PAL,NTSC电视制式,画质效果支持一般画质,高清画质"),
        entry(Command::MakeVcd, "Button_VCD", "VCD", "画面效果最高达到1280*720"),
        entry(Command::MakeSvcd, "Button_SVCD", "SVCD", "画面效果最高达到1280*720"),
        entry(Command::MakeDvd, "Button_DVD", "DVD", "画面效果最高达到1920*1080"),
        entry(Command::MakeAvi, "Button_AVI", "AVI", "画面效果最高达到1920*1080"),
        entry(Command::MakeMp4, "Button_MP4", "MP4", "适合手机、电脑和网络播放，画面效果最高达到1920*1080"),
        entry(Command::MakeImageSequence, "Button_xulietu", "序列图",
              "生成序列图片, 支持输出JPG,BMP,TGA,PCX, 画面效果最高达到1920*1080"),
        entry(Command::PictureEffects, "Button_huamian_texiao", "画面特效", "支持多条画面特效,支持指定时间显示"),
        entry(Command::PhotoCropping, "Button_xiangpian_jiancai", "相片剪裁", "对相片剪裁处理,达到高清最佳显示效果"),
        entry(Command::TemplateManager, "Button_moban_guanli", "模板管理",
              "对模板进行了横照,竖照,单张,多张,全屏效果等更多分类,为相片更换模板或模板指定相片"),
        entry(Command::IntroVideo, "Button_piantou_shipin", "片头视频", "添加片头视频文件,支持AVI格式的视频文件"),
        entry(Command::LyricsMaker, "Button_geci_zhizuo", "歌词制作", "LRC歌词制作,支持导入txt文件,lrc文件,更改歌词时间,预览歌词"),
    };
    return entries;
}

const QList<CommandEntry>& bottomRow()
{
    static const QList<CommandEntry> entries{
        entry(Command::ShowPhotos, "Button_xiangpian_quyu", "相片区域", "显示相片文件的缩略图区域"),
        entry(Command::ShowMusic, "Button_yinyue_quyu", "音乐区域", "显示音乐文件的缩略图区域"),
        entry(Command::ShowLyrics, "Button_geci_quyu", "歌词区域", "显示歌词文件的缩略图区域"),
        entry(Command::TemplatePage, "Button_wangzhan_moban", "网站模板", "打开此软件的网站模板页面"),
    };
    return entries;
}

const QList<CommandEntry>& titleButtons()
{
    static const QList<CommandEntry> entries{
        entry(Command::StartLayout, "Image_kaishibuju", "", "启动窗体"),
        entry(Command::RestoredLayout, "Image_heshibuju", "", "窗体放大"),
        entry(Command::FullScreenLayout, "Image_quanpingbuju", "", "全屏"),
        entry(Command::Exit, "Image_guanbi", "", "退出软件"),
    };
    return entries;
}

bool isTool(Command command)
{
    switch (command) {
    case Command::PictureEffects:
    case Command::PhotoCropping:
    case Command::TemplateManager:
    case Command::IntroVideo:
    case Command::LyricsMaker:
        return true;
    default:
        return false;
    }
}

bool needsPhotos(Command command)
{
    return command == Command::PhotoCropping || command == Command::TemplateManager;
}

}  // namespace xc::ui

namespace xc::ui {

namespace {

AreaCommandEntry area(AreaCommand command, const char* caption, const char* hint = "")
{
    return {command, QString::fromUtf8(caption), QString::fromUtf8(hint)};
}

}  // namespace

const QList<AreaCommandEntry>& areaButtons(BoardKind board)
{
    static const QList<AreaCommandEntry> photos{
        area(AreaCommand::Tiles, "图标", "相片缩略图"),
        area(AreaCommand::List, "列表", "相片列表"),
        area(AreaCommand::Delete, "删除", "删除单个相片"),
        area(AreaCommand::DeleteAll, "全删", "删除全部相片"),
        area(AreaCommand::Preview, "预览效果", "预览单个相片模板效果"),
    };
    static const QList<AreaCommandEntry> music{
        area(AreaCommand::Tiles, "图标", "音乐缩略图"),
        area(AreaCommand::List, "列表", "音乐列表"),
        area(AreaCommand::Delete, "删除", "删除单个音乐"),
        area(AreaCommand::DeleteAll, "全删", "删除全部音乐"),
        area(AreaCommand::Bind, "绑定", "绑定歌词文件"),
        area(AreaCommand::Unbind, "解绑", "解除绑定的歌词文件"),
        area(AreaCommand::UnbindAll, "全解绑", "解除全部绑定的歌词文件"),
        area(AreaCommand::AutoBind, "自动绑", "自动绑定全部歌词文件"),
        area(AreaCommand::MusicPreview, "音乐预览", "预览音乐文件"),
    };
    static const QList<AreaCommandEntry> lyrics{
        area(AreaCommand::Tiles, "图标", "歌词缩略图"),
        area(AreaCommand::List, "列表", "歌词列表"),
        area(AreaCommand::Delete, "删除", "删除单个歌词"),
        area(AreaCommand::DeleteAll, "全删", "删除全部歌词"),
        area(AreaCommand::Bind, "绑定", "绑定音乐文件"),
        area(AreaCommand::Unbind, "解绑", "解除绑定的音乐文件"),
        area(AreaCommand::UnbindAll, "全解绑", "解除全部绑定的音乐文件"),
        area(AreaCommand::AutoBind, "自动绑", "自动绑定全部音乐文件"),
        area(AreaCommand::LyricsSettings, "歌词设置", "对歌词进行设置,例如:歌词位置,大小,颜色,类型等等"),
        area(AreaCommand::LyricsPreview, "歌词预览", "预览歌词文件"),
    };
    switch (board) {
    case BoardKind::Photos: return photos;
    case BoardKind::Music: return music;
    case BoardKind::Lyrics: return lyrics;
    }
    return photos;
}

const QList<AreaCommandEntry>& contextMenu(BoardKind board)
{
    static const QList<AreaCommandEntry> photos{
        area(AreaCommand::Delete, "删除相片"),   area(AreaCommand::DeleteAll, "全部删除"),
        area(AreaCommand::Cropping, "相片剪裁"), area(AreaCommand::Tiles, "图标格式"),
        area(AreaCommand::List, "列表格式"),     area(AreaCommand::Preview, "预览效果"),
    };
    static const QList<AreaCommandEntry> music{
        area(AreaCommand::Delete, "删除音乐"),   area(AreaCommand::DeleteAll, "全部删除"),
        area(AreaCommand::Bind, "手动绑定"),     area(AreaCommand::AutoBind, "自动绑定"),
        area(AreaCommand::Unbind, "手动解绑"),   area(AreaCommand::UnbindAll, "全部解绑"),
        area(AreaCommand::Tiles, "图标格式"),    area(AreaCommand::List, "列表格式"),
        area(AreaCommand::MusicPreview, "音乐预览"),
    };
    static const QList<AreaCommandEntry> lyrics{
        area(AreaCommand::Delete, "删除歌词"),   area(AreaCommand::DeleteAll, "全部删除"),
        area(AreaCommand::Bind, "手动绑定"),     area(AreaCommand::AutoBind, "自动绑定"),
        area(AreaCommand::Unbind, "手动解绑"),   area(AreaCommand::UnbindAll, "全部解绑"),
        area(AreaCommand::Tiles, "图标格式"),    area(AreaCommand::List, "列表格式"),
        area(AreaCommand::LyricsSettings, "歌词设置"), area(AreaCommand::LyricsPreview, "歌词预览"),
    };
    switch (board) {
    case BoardKind::Photos: return photos;
    case BoardKind::Music: return music;
    case BoardKind::Lyrics: return lyrics;
    }
    return photos;
}

}  // namespace xc::ui
