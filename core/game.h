// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/board.h"
#include "core/cell.h"
#include "core/jumps.h"

#include <string_view>

namespace core {

// The last jump, kept for the one-step undo. All kNoCell until the first
// jump; overwritten by each jump and never cleared.
struct UndoRecord {
    CellIndex ultpartenza = kNoCell; // where the peg came from
    CellIndex ultsaltato = kNoCell;  // the peg it jumped over
    CellIndex ultarrivo = kNoCell;   // where it landed
    friend bool operator==(const UndoRecord&, const UndoRecord&) = default;
};

// What a click asks of the window beyond repainting from the state.
enum class ClickOutcome {
    Ignored,       // the board is locked: nothing changed, no check ran
    Played,        // handled; the state says what changed
    SinglePegLeft, // handled, and one peg is left: open the level-complete
                   // dialog, or bring it to the front if it is already open
};

// Everything the game window shows and remembers: the board, the current
// level, the game-over lock, the two notices and whether an undo is possible.
// The window calls the handlers below and repaints from the accessors; this
// class never knows that a window exists.
class Game {
public:
    // As the window is created: every cell Empty, level 1, nothing to undo,
    // both notices hidden. Form_Load then lays out level 1.
    Game() = default;

    // Loading the game window: lays out level 1. Everything else already is
    // as level 1 leaves it, the Game being fresh.
    void Form_Load();

    // A click on cell index (1..33): select, move or drop the selection, or
    // jump; then the variant check (level 7), the no-more-moves check and
    // the single-peg check.
    ClickOutcome pct_Click(CellIndex index);

    // Takes back the last jump. Does nothing when no undo is possible
    // (the menu entry is disabled then).
    void mnuannulla_Click();

    // The level menu: a fresh game of level (1..7).
    void startLevel(LevelNumber level);

    // "Ricomincia": a fresh game of the current level.
    void mnuricomincia_Click();

    // The level-complete dialog's side of the game. Loading the dialog hides
    // the no-more-moves notice and reads the level it will act on.
    LevelNumber levelCompleteDialogLoaded();
    // "Stesso livello": a fresh game of livello, the level read at load.
    void cmdstesso_Click(LevelNumber livello);
    // "Livello successivo": a fresh game of livello + 1. After level 7 it only
    // unlocks the board and leaves the solved position as it is.
    void cmdsuccessivo_Click(LevelNumber livello);

    const Board& board() const { return m_board; }
    // The current level (the window's level text), 1..7. The level menu's
    // check mark and the two level captions always follow it.
    LevelNumber level() const { return m_txtliv; }
    std::string_view levelName() const; // "Croce"
    // True once the no-more-moves check found nothing left: clicks are
    // ignored until an undo or a level start.
    bool isGameOver() const { return m_txte; }
    bool canUndo() const { return m_undoEnabled; }
    bool overNoticeVisible() const { return m_overNotice; }
    bool variantNoticeVisible() const { return m_variantNotice; }
    const UndoRecord& undoRecord() const { return m_undo; }

private:
    void selectPeg(CellIndex index);
    void tryJump(CellIndex arrivo);
    void annulla(const Jump& jump);
    void runVariantCheck();
    void resetPlay();

    Board m_board;
    LevelNumber m_txtliv = kFirstLevel;
    bool m_txte = false;
    bool m_undoEnabled = false;
    bool m_overNotice = false;
    bool m_variantNotice = false;
    UndoRecord m_undo;
};

} // namespace core
