// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures themselves, beyond what the windows show of them.

#include "controls/art.h"
#include "controls/svgrender.h"
#include "forms/frminizio.h"

#include <QImage>
#include <QPushButton>

#include <gtest/gtest.h>

// The start screen's pictures come prerendered by the build at the sizes it
// shows them, for the usual ratios, each exactly what drawing its SVG gives.
TEST(Assets, TheStartScreenIsPrerenderedAsItWouldBeDrawn)
{
    ui::FrmInizio inizio;
    const std::pair<const char*, QSize> shown[] = {
        {ui::art::kTitle, inizio.findChild<QWidget*>(QStringLiteral("Picture1"))->size()},
        {ui::art::kIllustration, inizio.findChild<QWidget*>(QStringLiteral("Picture2"))->size()},
        {ui::art::kArrow, inizio.findChild<QPushButton*>(QStringLiteral("cmdvai"))->iconSize()}};
    for (const auto& [path, size] : shown)
        for (qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
            const QImage prerendered = ui::prerenderedArt(QString::fromLatin1(path), size * ratio);
            EXPECT_FALSE(prerendered.isNull()) << path << " at " << ratio;
            EXPECT_TRUE(prerendered == ui::renderSvg(QString::fromLatin1(path), size * ratio)) << path << " at " << ratio;
        }
}
