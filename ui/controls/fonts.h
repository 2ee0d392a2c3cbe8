// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace ui {

// The two faces the windows were designed with. Sizes are given in points
// at 96 dpi and set in pixels (pt x 4/3), so text keeps its place in the
// twips layout whatever the desktop's font settings are.
enum class Face { SansSerif, Comic };

struct FontStyle {
    Face face = Face::SansSerif;
    double points = 8.25;
    bool bold = false;
    bool italic = false;
};

QFont makeFont(const FontStyle& style);

// Maps the design faces onto free ones that ship with the system: "MS Sans
// Serif" onto Liberation Sans, "Comic Sans MS" onto Comic Neue. Called once,
// by installProcessWideSetUp().
void installFontSubstitutes();

} // namespace ui
