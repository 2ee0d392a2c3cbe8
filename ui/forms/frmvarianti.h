// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "helpscreen.h"

#include "core/board.h"

#include <QPixmap>

namespace ui {

// "Le varianti": the three target patterns of the last level, each shown as
// a small picture of the game window holding that pattern.
class FrmVarianti : public HelpScreen {
    Q_OBJECT
public:
    FrmVarianti();

    // A thumbnail of the game window with its title and menu bar, showing
    // board and nothing else, drawn by the game window's own board widget.
    static QPixmap gameWindowPicture(const core::Board& board, qreal devicePixelRatio);
};

} // namespace ui
