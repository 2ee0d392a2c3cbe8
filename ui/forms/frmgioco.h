// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/form.h"
#include "core/game.h"
#include "windowid.h"

#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace ui {

class BoardView;

// The game window: the board with its notices and three menus. It owns the
// game's state (core::Game); every handler calls the core, then shows what
// the core's state now is. What the player asks of other windows it says
// with a signal.
//
// Each action of the player is said to assistive technology once, when it
// has been fully handled: what changed, or that nothing could, and a notice
// only if it is still showing then.
class FrmGioco : public Form {
    Q_OBJECT
public:
    FrmGioco();

    // The level-complete dialog's side: its load reads the level and hides
    // the no-more-moves notice; its two buttons set up a level.
    core::LevelNumber levelCompleteDialogLoaded();
    void setUpSameLevel(core::LevelNumber livello);
    void setUpNextLevel(core::LevelNumber livello);

Q_SIGNALS:
    // One peg is left: the level-complete dialog opens, or comes to the front.
    void singlePegLeft();
    // The "Aiuto" menu: screen is one of the four help screens.
    void helpRequested(ui::WindowId screen);
    void exitRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createMenus();
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {});
    void pct_Click(core::CellIndex index);
    void mnuannulla_Click();
    void mnuricomincia_Click();
    void mnuLevel_Click(core::LevelNumber level);
    void showState(const QString& said = {});
    QString overview() const;
    // The window's keys as a screen reader says them, from the menu entries.
    QString windowKeysSaid() const;
    // What a handled click did, from the board before it and the game now.
    QString clickSpeech(const core::Board& before, core::CellIndex index) const;

    core::Game m_game;
    BoardView* m_board = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QAction* m_mnuannulla = nullptr;
    std::array<QAction*, core::kLastLevel> m_levelEntries{};
};

} // namespace ui
