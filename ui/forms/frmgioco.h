#pragma once

#include "form.h"
#include "game.h"

#include <array>

class QAction;
class QMenuBar;

namespace ui {

class BoardView;
class Windows;

// The game window: the board with its notices and three menus. It owns the
// game's state (core::Game); every handler calls the core, then shows what
// the core's state now is.
class FrmGioco : public Form {
    Q_OBJECT
public:
    explicit FrmGioco(Windows& windows);

    const core::Game& game() const { return m_game; }
    BoardView* boardView() const { return m_board; }
    QMenuBar* menuBar() const { return m_menuBar; }

    // The level-complete dialog's side: reading the level at its load, and
    // its two buttons.
    core::LevelNumber levelCompleteDialogLoaded();
    void setUpSameLevel(core::LevelNumber livello);
    void setUpNextLevel(core::LevelNumber livello);

    void pct_Click(core::CellIndex index);
    void mnuannulla_Click();
    void mnuricomincia_Click();
    void mnuLevel_Click(core::LevelNumber level);

private:
    void createMenus();
    QAction* addEntry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {});
    void showState();

    Windows& m_windows;
    core::Game m_game;
    BoardView* m_board = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QAction* m_mnuannulla = nullptr;
    std::array<QAction*, core::kLastLevel> m_levelEntries{};
};

} // namespace ui
