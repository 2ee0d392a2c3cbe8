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
