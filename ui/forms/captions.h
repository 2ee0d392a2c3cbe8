// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QMenu;
class QMenuBar;

namespace ui {

// The captions that more than one window shows: the variants screen draws
// the game window small, title bar and menu bar included.

// The title of the start screen and of the game window.
inline constexpr const char* kProgramTitle = "Zibbet";

// The game window's three menus, left to right, added empty to bar: the
// game window fills them; on a thumbnail only their titles show.
struct GameMenus {
    QMenu* gioco;
    QMenu* livello;
    QMenu* aiuto;
};
GameMenus addGameMenus(QMenuBar* bar);

} // namespace ui
