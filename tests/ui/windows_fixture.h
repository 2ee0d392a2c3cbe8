#pragma once

// A fresh set of windows per test, and the player's hands: clicks on cells
// at their places in the window, menu entries, keys.

#include "cell.h"
#include "windows.h"

#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

class QAction;
class QLabel;
class QPushButton;

namespace ui {
class FrmGioco;
class FrmScelta;
}

using Move = std::pair<core::CellIndex, core::CellIndex>; // from, to

// A known way to clear each level to a single peg.
const std::vector<Move>& solutionOf(core::LevelNumber level);

class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Start screen, then Enter: the way a player reaches the game.
    ui::FrmGioco* openGame();

    // A left click at the middle of cell n, delivered to the game window at
    // that pixel so the window finds the cell itself.
    void clickCell(core::CellIndex cell);
    void play(const std::vector<Move>& moves);
    // Plays a level's solution; the last jump opens the level-complete dialog.
    ui::FrmScelta* solve(core::LevelNumber level);

    ui::FrmGioco* game() const;
    ui::FrmScelta* dialog() const;
    QAction* entry(const char* name) const;
    void trigger(const char* name) const;
    // Makes w the active window, so its shortcuts fire.
    static void activate(QWidget* w);
    // A key pressed in w: to its focused control, falling back to w.
    static void press(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    static QLabel* label(QWidget* window, const char* name);
    static QPushButton* button(QWidget* window, const char* name);
    // How cells look now, as a board picture.
    std::string shownBoard() const;

    std::unique_ptr<ui::Windows> windows;
    int endedCount = 0;
};
