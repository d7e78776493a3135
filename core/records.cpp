#include "core/records.h"

namespace xc {

namespace {

using P = PhotoRecord;
constexpr std::array<FieldInfo<P>, 23> photoFields{{
    {&P::seq, "seq", "序号"},
    {&P::path, "path", "位置"},
    {&P::name, "name", "文件名"},
    {&P::ext, "ext", "类型"},
    {&P::width, "width", "相片宽度"},
    {&P::height, "height", "相片高度"},
    {&P::orientation, "orientation", "竖照or横照"},
    {&P::templateFolder, "templateFolder", "模板文件夹"},
    {&P::templateIndex, "templateIndex", "对应主模板编号"},
    {&P::fitTag, "fitTag", "图片名称(测试使用)"},
    {&P::templatePhotoCount, "templatePhotoCount", "对应模板所需照片数量"},
    {&P::slotName, "slotName", "图片名称"},
    {&P::templatePackage, "templatePackage", "模板地址"},
    {&P::slotWidth, "slotWidth", "所需照片_宽度尺寸"},
    {&P::slotHeight, "slotHeight", "所需照片_高度尺寸"},
    {&P::templateWidths, "templateWidths", "模板_相片宽度"},
    {&P::templateHeights, "templateHeights", "模板_相片高度"},
    {&P::templateOrientations, "templateOrientations", "模板_竖照横照"},
    {&P::templateJpgNames, "templateJpgNames", "模板_相片JPG名称"},
    {&P::templateFrames, "templateFrames", "模板swf总帧数"},
    {&P::thumbDone, "thumbDone", "suoluotu_wancheng"},
    {&P::cropDone, "cropDone", "jiancai_wancheng"},
    {&P::crop, "crop", "剪裁"},
}};

using T = TemplateRecord;
constexpr std::array<FieldInfo<T>, 12> catalogueFields{{
    {&T::kind, "kind", "模板类型"},
    {&T::category, "category", "模板分类"},
    {&T::photoCount, "photoCount", "相片数量"},
    {&T::slotWidths, "slotWidths", "相片宽度"},
    {&T::slotHeights, "slotHeights", "相片高度"},
    {&T::slotOrientations, "slotOrientations", "竖照横照"},
    {&T::slotJpgNames, "slotJpgNames", "相片JPG名称"},
    {&T::package, "package", "位置"},
    {&T::classMark, "classMark", "分类标注"},
    {&T::index, "index", "序号"},
    {&T::frames, "frames", "模板swf总帧数"},
    {&T::collection, "collection", "模板系列"},
}};
constexpr std::array<FieldInfo<T>, 14> classifiedFields{{
    {&T::kind, "kind", "模板类型"},
    {&T::category, "category", "模板分类"},
    {&T::photoCount, "photoCount", "相片数量"},
    {&T::slotWidths, "slotWidths", "相片宽度"},
    {&T::slotHeights, "slotHeights", "相片高度"},
    {&T::slotOrientations, "slotOrientations", "竖照横照"},
    {&T::slotJpgNames, "slotJpgNames", "相片JPG名称"},
    {&T::package, "package", "位置"},
    {&T::classMark, "classMark", "分类标注"},
    {&T::index, "index", "序号"},
    {&T::landscapeSlots, "landscapeSlots", "横照几张"},
    {&T::portraitSlots, "portraitSlots", "竖照几张"},
    {&T::frames, "frames", "模板swf总帧数"},
    {&T::collection, "collection", "模板系列"},
}};

using M = MusicRecord;
constexpr std::array<FieldInfo<M>, 8> musicFields{{
    {&M::seq, "seq", "序号"},
    {&M::name, "name", "音乐文件名"},
    {&M::ext, "ext", "类型"},
    {&M::path, "path", "位置"},
    {&M::duration, "duration", "音乐时间"},
    {&M::frames, "frames", "需要帧数"},
    {&M::lyricsKey, "lyricsKey", "绑定歌词"},
    {&M::lyricsName, "lyricsName", "绑定歌词名称"},
}};

using L = LyricsRecord;
constexpr std::array<FieldInfo<L>, 15> lyricsFields{{
    {&L::seq, "seq", "序号"},
    {&L::name, "name", "歌词文件名"},
    {&L::ext, "ext", "类型"},
    {&L::path, "path", "位置"},
    {&L::musicKey, "musicKey", "绑定音乐"},
    {&L::musicName, "musicName", "绑定音乐名称"},
    {&L::colorName, "colorName", "歌词颜色"},
    {&L::colorValue, "colorValue", "歌词颜色(数字)"},
    {&L::fontSize, "fontSize", "歌词大小"},
    {&L::fontName, "fontName", "歌词字体"},
    {&L::bold, "bold", "歌词粗体"},
    {&L::italic, "italic", "歌词斜体"},
    {&L::underline, "underline", "歌词下划线"},
    {&L::hAlign, "hAlign", "歌词左边居中右边"},
    {&L::vAlign, "vAlign", "歌词上面中间下面"},
}};

using K = KaraokeStyleRecord;
constexpr std::array<FieldInfo<K>, 13> karaokeFields{{
    {&K::seq, "seq", "序号"},
    {&K::name, "name", "歌词名称"},
    {&K::colorName, "colorName", "歌词颜色"},
    {&K::highlightColorName, "highlightColorName", "渲染颜色"},
    {&K::fontName, "fontName", "歌词字体"},
    {&K::fontSize, "fontSize", "歌词大小"},
    {&K::bold, "bold", "粗体"},
    {&K::italic, "italic", "斜体"},
    {&K::underline, "underline", "下划线"},
    {&K::path, "path", "歌词位置"},
    {&K::colorValue, "colorValue", "歌词颜色(数字)"},
    {&K::highlightColorValue, "highlightColorValue", "渲染颜色(数字)"},
    {&K::script, "script", "简体或繁体"},
}};

using E = TextEffectRecord;
constexpr std::array<FieldInfo<E>, 15> textEffectFields{{
    {&E::text, "text", "文字"},
    {&E::startTime, "startTime", "开始时间"},
    {&E::endTime, "endTime", "结束时间"},
    {&E::state, "state", "启动"},
    {&E::motionName, "motionName", "文字装饰特效"},
    {&E::x, "x", "x_zhi"},
    {&E::y, "y", "y_zhi"},
    {&E::effectName, "effectName", "文字特效名称"},
    {&E::colorName, "colorName", "字体颜色"},
    {&E::fontName, "fontName", "字体名称"},
    {&E::fontSize, "fontSize", "字体大小"},
    {&E::bold, "bold", "粗体"},
    {&E::italic, "italic", "斜体"},
    {&E::underline, "underline", "下划线"},
    {&E::colorValue, "colorValue", "字体颜色(数字)"},
}};

using I = PictureEffectRecord;
constexpr std::array<FieldInfo<I>, 12> pictureEffectFields{{
    {&I::frameCount, "frameCount", "帧数"},
    {&I::startTime, "startTime", "开始时间"},
    {&I::endTime, "endTime", "结束时间"},
    {&I::state, "state", "启动"},
    {&I::effectName, "effectName", "图片装饰特效"},
    {&I::order, "order", "顺序号"},
    {&I::path, "path", "图片位置"},
    {&I::left, "left", "左"},
    {&I::top, "top", "上"},
    {&I::width, "width", "宽"},
    {&I::height, "height", "高"},
    {&I::opacity, "opacity", "不透明度"},
}};

}  // namespace

RecordLayout<PhotoRecord> PhotoRecord::layout() { return photoFields; }
RecordLayout<TemplateRecord> TemplateRecord::catalogueLayout() { return catalogueFields; }
RecordLayout<TemplateRecord> TemplateRecord::classifiedLayout() { return classifiedFields; }
RecordLayout<MusicRecord> MusicRecord::layout() { return musicFields; }
RecordLayout<LyricsRecord> LyricsRecord::layout() { return lyricsFields; }
RecordLayout<KaraokeStyleRecord> KaraokeStyleRecord::layout() { return karaokeFields; }
RecordLayout<TextEffectRecord> TextEffectRecord::layout() { return textEffectFields; }
RecordLayout<PictureEffectRecord> PictureEffectRecord::layout() { return pictureEffectFields; }

}  // namespace xc
