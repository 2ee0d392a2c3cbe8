// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace ui {

// An SVG drawn into an image of deviceSize pixels (premultiplied ARGB),
// scaled to fit with its aspect ratio kept and centred, on transparency.
// The one way the program rasterises its art: the build prerenders the
// first paint's pictures with it (render-art), so a prerendered picture is
// pixel for pixel what the program would draw.
QImage renderSvg(const QString& path, QSize deviceSize);

} // namespace ui
