// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Window layouts are designed in twips (1/1440 inch). They map to logical
// pixels at a fixed 15 twips per pixel, whatever the screen; Qt's device
// pixel ratio then scales the whole window, so the proportions never change.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return twips / kTwipsPerPixel; }
constexpr int twips(int pixels) { return pixels * kTwipsPerPixel; }

constexpr QPoint twipsPoint(int left, int top) { return {px(left), px(top)}; }
constexpr QSize twipsSize(int width, int height) { return {px(width), px(height)}; }
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsPoint(left, top), twipsSize(width, height)};
}

} // namespace ui
