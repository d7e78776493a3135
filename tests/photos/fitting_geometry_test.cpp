#include "core/keywords.h"
#include "photos/fitting_geometry.h"

#include <gtest/gtest.h>

using namespace xc;

TEST(FittingGeometry, FollowsTheSlotAndCropRules)
{
    struct Case {
        const char* what;
        QSize photo, slot;
        QString landscapeCrop, portraitCrop;
        QSize scaled, canvas;
    };
    const QString full = kw::landscapeCropFull, landscapeWhole = kw::landscapeCropTemplate;
    const QString zoom = kw::portraitCropZoom, portraitWhole = kw::portraitCropTemplate;
    const Case cases[] = {
        {"same aspect as the slot", {1600, 1200}, {800, 600}, full, zoom, {800, 600}, {800, 600}},
        {"square, widened to cover", {1000, 1000}, {800, 600}, full, zoom, {800, 800}, {800, 600}},
        {"portrait into a landscape slot", {600, 800}, {800, 600}, full, zoom, {800, 1066}, {800, 600}},
        {"portrait, heightened to cover", {600, 800}, {608, 1080}, full, zoom, {810, 1080}, {608, 1080}},
        {"panorama, full screen", {3000, 1000}, {0, 0}, full, zoom, {1920, 640}, {1920, 1080}},
        {"4:3, full screen loses its bottom", {1600, 1200}, {0, 0}, full, zoom, {1920, 1440}, {1920, 1080}},
        {"landscape, template default", {1600, 1200}, {0, 0}, landscapeWhole, zoom, {1440, 1080}, {1440, 1080}},
        {"panorama, template default", {3000, 1000}, {0, 0}, landscapeWhole, zoom, {1920, 640}, {1920, 640}},
        {"portrait, partial zoom", {1200, 1600}, {0, 0}, full, zoom, {1080, 1440}, {1080, 1080}},
        {"portrait, template default", {1200, 1600}, {0, 0}, full, portraitWhole, {810, 1080}, {810, 1080}},
        {"tall panorama, template default", {1000, 3000}, {0, 0}, full, portraitWhole, {360, 1080}, {360, 1080}},
        // A slot with exactly one side 0 has no fixed size.
        {"width 0 only", {1600, 1200}, {0, 600}, full, zoom, {1920, 1440}, {1920, 1080}},
        {"height 0 only", {1200, 1600}, {800, 0}, full, zoom, {1080, 1440}, {1080, 1080}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FitGeometry g = fitGeometry(c.photo, c.slot, c.landscapeCrop, c.portraitCrop);
        EXPECT_EQ(g.scaled, c.scaled);
        EXPECT_EQ(g.canvas, c.canvas);
    }
}

TEST(FittingGeometry, ReplacementPhotosAreFittedWholeWhateverTheSettings)
{
    EXPECT_EQ(replacementFitGeometry({1200, 1600}, {0, 0}), (FitGeometry{{810, 1080}, {810, 1080}}));
    EXPECT_EQ(replacementFitGeometry({1600, 1200}, {0, 0}), (FitGeometry{{1440, 1080}, {1440, 1080}}));
    EXPECT_EQ(replacementFitGeometry({1600, 1200}, {800, 600}), (FitGeometry{{800, 600}, {800, 600}}));
    EXPECT_EQ(slotSizeOf("800", ""), QSize(800, 0));
}
