#include "effects/picture_effects.h"

#include "core/album_model.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace xc {
namespace {

TEST(PictureEffects, OnlyAReadablePictureOnTheFrameForAWhileIsAdded)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("star.png"));
    QImage(40, 20, QImage::Format_ARGB32).save(png);
    struct Case {
        PictureEffectDraft draft;
        const char* says;  // empty: added
    };
    const Case cases[] = {
        {{png, 2.5, 3.0, QRect(10, 20, 400, 300), 70}, ""},
        {{dir.filePath(QStringLiteral("none.png")), 0, 1, QRect(0, 0, 10, 10), 50}, "none.png"},
        {{png, 0, 0, QRect(0, 0, 10, 10), 50}, "显示时长"},
        {{png, 0, 1, QRect(1920, 0, 10, 10), 50}, "画面之内"},
        {{png, 0, 1, QRect(0, 0, 10, 10), 0}, "不透明度"},
    };
    AlbumModel model;
    for (const Case& c : cases) {
        const Status added = addPictureEffect(model.pictureEffects, c.draft);
        EXPECT_EQ(added.ok(), !*c.says) << c.says;
        EXPECT_TRUE(added.error().contains(QString::fromUtf8(c.says))) << added.error().toStdString();
    }
    ASSERT_EQ(model.pictureEffects.count(), 1);
    const PictureEffectRecord& row = model.pictureEffects[0];
    EXPECT_EQ(row.startTime, QStringLiteral("2.5"));
    EXPECT_EQ(row.endTime, QStringLiteral("5.5"));
    EXPECT_EQ(row.effectName, QStringLiteral("star.png"));
    EXPECT_EQ(row.order, QStringLiteral("1"));

    // Loaded for a half-size surface: the box halves, the picture keeps its 2:1 aspect inside it.
    const Result<PictureEffectFrames> loaded = loadPictureEffect(row, QSize(960, 540));
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.value().geometry, QRect(5, 10 + 25, 200, 100));
    EXPECT_EQ(loaded.value().firstFrame, 63);  // 2.5 s at 25 frames a second, rounded
    EXPECT_EQ(loaded.value().endFrame, 138);
    EXPECT_DOUBLE_EQ(loaded.value().opacity, 0.7);
}

}  // namespace
}  // namespace xc
