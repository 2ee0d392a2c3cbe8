// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ui {

// The pictures compiled in from assets/, addressed by file name.
namespace art {
inline constexpr const char* kIcon = ":/assets/icon.svg";
inline constexpr const char* kArrow = ":/assets/arrow.svg";
inline constexpr const char* kBack = ":/assets/back.svg";
inline constexpr const char* kPeg = ":/assets/peg.svg";
inline constexpr const char* kSelected = ":/assets/selected.svg";
inline constexpr const char* kTitle = ":/assets/title.svg";
inline constexpr const char* kIllustration = ":/assets/illustration.svg";
inline constexpr const char* kStrip = ":/assets/strip.svg";
} // namespace art

// An SVG rendered for a logical size at a device pixel ratio, cached, so a
// paint never rasterises vector art again. The picture is scaled to fit the
// size with its aspect ratio kept and centred. The first paint's pictures
// come prerendered by the build for the usual ratios (prerenderedArt);
// every other size is drawn from the SVG when first asked for.
QPixmap svgPixmap(const QString& path, QSize logicalSize, qreal devicePixelRatio);

// The picture the build prerendered for this SVG at this size in device
// pixels, pixel for pixel what drawing the SVG gives; null if there is none.
QImage prerenderedArt(const QString& path, QSize deviceSize);

// An SVG icon, made once and shared while the application runs (needs
// the application object). Nothing is drawn until a size is asked for.
QIcon svgIcon(const QString& path);

// The window icon, the same on every window: the icon theme's pictures (the
// pixels of its PNGs) at the sizes drawn for them, the SVG at any other size.
QIcon appIcon();

} // namespace ui
