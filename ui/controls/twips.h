// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Window layouts are designed in twips (1/1440 inch). They map to logical
// pixels at a fixed 15 twips per pixel, whatever the screen; Qt's device
// pixel ratio then scales the whole window, so the proportions never change.
// A place in twips has a type of its own, so that a QPoint, QSize or QRect
// always means logical pixels.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) { return twips / kTwipsPerPixel; }

struct TwipsPoint {
    int x = 0;
    int y = 0;
    constexpr QPoint toPixels() const { return {ui::toPixels(x), ui::toPixels(y)}; }
};

struct TwipsSize {
    int width = 0;
    int height = 0;
    constexpr QSize toPixels() const { return {ui::toPixels(width), ui::toPixels(height)}; }
};

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    constexpr QRect toPixels() const
    {
        return {TwipsPoint{left, top}.toPixels(), TwipsSize{width, height}.toPixels()};
    }
};

} // namespace ui
