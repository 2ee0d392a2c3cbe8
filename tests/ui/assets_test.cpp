// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures themselves, beyond what the windows show of them.

#include "controls/art.h"

#include <QImage>

#include <gtest/gtest.h>

// Each picture is rendered for the device pixels, so it stays crisp at 2x.
TEST(Assets, RenderAtTheDevicePixelRatio)
{
    for (const char* path : {ui::art::kTitle, ui::art::kIllustration, ui::art::kPeg, ui::art::kArrow}) {
        const QImage image = ui::svgPixmap(QString::fromLatin1(path), QSize(40, 30), 2.0).toImage();
        EXPECT_EQ(image.size(), QSize(80, 60)) << path;
        EXPECT_EQ(image.devicePixelRatio(), 2.0) << path;
    }
}

// The balls are 16 pixels across with their square on pixels 3..18; the
// corners of the 24 x 24 picture are transparent.
TEST(Assets, BallsFillTheirDiscAndNothingElse)
{
    for (const char* ball : {ui::art::kPeg, ui::art::kSelected}) {
        const QImage image = ui::svgPixmap(QString::fromLatin1(ball), QSize(24, 24), 1.0).toImage();
        for (const auto& [x, y, alpha] : {std::tuple{11, 11, 255}, {0, 0, 0}, {22, 22, 0}, {1, 11, 0}, {20, 11, 0}})
            EXPECT_EQ(qAlpha(image.pixel(x, y)), alpha) << ball << " at " << x << "," << y;
    }
}
