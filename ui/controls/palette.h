// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The colours of the windows, in one place. The artwork in assets/ uses the
// same values (see assets/PALETTE.md).

#include <QColor>

namespace ui::colours {

inline constexpr QColor kGameBackground{255, 128, 255}; // game window, start screen
inline constexpr QColor kDialogBackground{255, 192, 255}; // dialog, help screens
inline constexpr QColor kPanel{255, 192, 128};            // the cross under the cells
inline constexpr QColor kCell{255, 255, 128};             // cells and button faces
inline constexpr QColor kRimLight{255, 255, 255};
inline constexpr QColor kRimDark{128, 128, 128};
inline constexpr QColor kRed{255, 0, 0};
inline constexpr QColor kYellow{255, 255, 0};
inline constexpr QColor kBlue{0, 0, 255};
inline constexpr QColor kDarkBlue{0, 0, 192};
inline constexpr QColor kBlack{0, 0, 0};

// The classic three-dimensional frame of a sunken box.
inline constexpr QColor kShadow{128, 128, 128};
inline constexpr QColor kDarkShadow{64, 64, 64};
inline constexpr QColor kHighlight{255, 255, 255};
inline constexpr QColor kLight{212, 208, 200};

// The title bar of an active window, drawn on the variants screen's
// thumbnails of the game window: a gradient from left to right.
inline constexpr QColor kTitleBarLeft{0, 0, 128};
inline constexpr QColor kTitleBarRight{16, 132, 208};
inline constexpr QColor kTitleBarText{255, 255, 255};

} // namespace ui::colours
