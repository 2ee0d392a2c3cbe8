// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
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
// size with its aspect ratio kept and centred.
QPixmap svgPixmap(const QString& path, QSize logicalSize, qreal devicePixelRatio);

// An SVG icon, made once and shared while the application runs (needs
// the application object).
QIcon svgIcon(const QString& path);

// The window icon, the same on every window.
QIcon appIcon();

} // namespace ui
