// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/cell.h"
#include "controls/form.h"

namespace ui {

// "Complimenti!": opened when one peg is left. It is built with the level
// the game window showed at that moment (livello) and its two level buttons
// act on that level, whatever the player chose from the menus since.
class FrmScelta : public Form {
    Q_OBJECT
public:
    explicit FrmScelta(core::LevelNumber livello);


Q_SIGNALS:
    void sameLevelChosen(core::LevelNumber livello);
    void nextLevelChosen(core::LevelNumber livello);
    // "Esci" or Escape.
    void exitRequested();

private:
    core::LevelNumber m_livello;
};

} // namespace ui
