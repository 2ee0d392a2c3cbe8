// Every picture is compiled in, valid, and draws something of the expected
// shape. Catches a missing SVG plugin as well as a broken file.

#include "art.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace {

struct Asset {
    const char* path;
    QSizeF aspect;
};

const Asset kAssets[] = {
    {ui::art::kIcon, {32, 32}},          {ui::art::kArrow, {32, 32}},   {ui::art::kBack, {32, 32}},
    {ui::art::kPeg, {24, 24}},           {ui::art::kSelected, {24, 24}}, {ui::art::kTitle, {1287, 401}},
    {ui::art::kIllustration, {2977, 2114}}, {ui::art::kStrip, {82, 11}},
};

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

} // namespace

TEST(Assets, EveryPictureLoadsWithItsAspectRatioAndDrawsSomething)
{
    for (const Asset& asset : kAssets) {
        SCOPED_TRACE(asset.path);
        QSvgRenderer renderer(QString::fromLatin1(asset.path));
        ASSERT_TRUE(renderer.isValid());
        const QSizeF size = renderer.viewBoxF().size();
        EXPECT_NEAR(size.width() / size.height(), asset.aspect.width() / asset.aspect.height(), 0.01);
        const QPixmap pixmap = ui::svgPixmap(QString::fromLatin1(asset.path), asset.aspect.toSize(), 2.0);
        EXPECT_EQ(pixmap.size(), asset.aspect.toSize() * 2) << "rendered at the device pixel ratio";
        EXPECT_GT(opaquePixels(pixmap.toImage()), 0);
    }
}

TEST(Assets, WindowIconRendersAtEveryDesktopSize)
{
    const QIcon icon = ui::appIcon();
    for (int side : {16, 32, 48, 64, 128, 256}) {
        const QImage image = icon.pixmap(QSize(side, side)).toImage();
        EXPECT_EQ(image.size(), QSize(side, side));
        EXPECT_GT(opaquePixels(image), side * side / 2) << side;
    }
}

// The balls are 16 pixels across with their square on pixels 3..18; the
// corners of the 24 x 24 picture are transparent.
TEST(Assets, BallsFillTheirDiscAndNothingElse)
{
    for (const char* ball : {ui::art::kPeg, ui::art::kSelected}) {
        const QImage image = ui::svgPixmap(QString::fromLatin1(ball), QSize(24, 24), 1.0).toImage();
        EXPECT_EQ(qAlpha(image.pixel(11, 11)), 255) << ball;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << ball;
        EXPECT_EQ(qAlpha(image.pixel(22, 22)), 0) << ball;
        EXPECT_EQ(qAlpha(image.pixel(1, 11)), 0) << ball;
        EXPECT_EQ(qAlpha(image.pixel(20, 11)), 0) << ball;
    }
}
