#pragma once

// Plays a Game as the game window does and checks, after every action, the
// rules that hold whatever was played. Driven by the random play test and by
// the fuzzer; keeps the first broken rule as text.

#include "game.h"
#include "levels.h"
#include "positions.h"
#include "variants.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace core::testing {

class Referee {
public:
    Referee() { m_game.Form_Load(); }

    const Game& game() const { return m_game; }
    bool dialogOpen() const { return m_dialogOpen; }
    const std::string& fault() const { return m_fault; } // empty while every rule held

    void click(CellIndex cell)
    {
        const Game before = m_game;
        const ClickOutcome outcome = m_game.pct_Click(cell);
        if (before.isGameOver())
            return check(outcome == ClickOutcome::Ignored && same(before, m_game), "a locked board ignores clicks");
        const Position was = positionOf(before.board()), now = positionOf(board());
        const UndoRecord& jump = m_game.undoRecord();
        if (now != was) {
            check(jump.ultpartenza == before.board().selectedCell() && jump.ultarrivo == cell
                      && isJump(was, now, jump) && board().selectedCell() == kNoCell,
                  "a jump takes the selected peg over one peg to the clicked hole, leaving nothing selected");
            check(m_game.isGameOver() == !anyJumpIn(now), "after a jump the board locks exactly when no jump is left");
            m_beforeJump = was;
            m_undoPossible = true;
        } else {
            check(jump == before.undoRecord(), "a click without a jump records none");
            checkSelectionClick(before.board(), cell);
        }
        check(outcome == (board().pegCount() == 1 ? ClickOutcome::SinglePegLeft : ClickOutcome::Played),
              "a click reports a single peg exactly when one is left");
        checkVariantNotice(before);
        if (outcome == ClickOutcome::SinglePegLeft)
            openDialog();
        checkAlways();
    }

    void undo()
    {
        const Game before = m_game;
        m_game.mnuannulla_Click();
        if (!before.canUndo())
            return check(same(before, m_game), "a disabled undo does nothing");
        const UndoRecord& jump = before.undoRecord();
        check(positionOf(board()) == m_beforeJump, "undo brings back the pegs from before the last jump");
        for (CellIndex cell = 1; cell <= kCellCount; ++cell)
            if (cell == jump.ultpartenza || cell == jump.ultsaltato)
                check(board().stateOf(cell) == CellState::Peg, "undo puts back two plain pegs");
            else if (cell != jump.ultarrivo)
                check(board().stateOf(cell) == before.board().stateOf(cell), "undo touches no other cell");
        check(!m_game.isGameOver() && !m_game.overNoticeVisible(), "undo unlocks the board and hides the notice");
        m_undoPossible = false;
        checkVariantNotice(before);
        checkAlways();
    }

    void startLevel(LevelNumber level) { levelStart([&] { m_game.startLevel(level); }, level); }
    void restart() { levelStart([&] { m_game.mnuricomincia_Click(); }, m_game.level()); }

    // As the single-peg check opens the level-complete dialog: loading reads
    // the level; a dialog already open only comes to the front.
    void openDialog()
    {
        if (m_dialogOpen)
            return;
        const Game before = m_game;
        m_livello = m_game.levelCompleteDialogLoaded();
        m_dialogOpen = true;
        check(m_livello == before.level() && !m_game.overNoticeVisible() && board() == before.board()
                  && m_game.isGameOver() == before.isGameOver(),
              "loading the dialog reads the level and only hides the no-more-moves notice");
    }

    void pressStesso()
    {
        if (std::exchange(m_dialogOpen, false))
            levelStart([&] { m_game.cmdstesso_Click(m_livello); }, m_livello);
    }

    void pressSuccessivo()
    {
        if (!std::exchange(m_dialogOpen, false))
            return;
        if (m_livello < kLastLevel)
            return levelStart([&] { m_game.cmdsuccessivo_Click(m_livello); }, m_livello + 1);
        const Game before = m_game;
        m_game.cmdsuccessivo_Click(m_livello);
        m_undoPossible = false;
        check(board() == before.board() && m_game.level() == before.level() && !m_game.isGameOver(),
              "after the last level the position stays, unlocked");
        checkAlways();
    }

    void closeDialog() { m_dialogOpen = false; }

private:
    const Board& board() const { return m_game.board(); }

    static bool same(const Game& a, const Game& b)
    {
        return a.board() == b.board() && a.level() == b.level() && a.isGameOver() == b.isGameOver()
            && a.canUndo() == b.canUndo() && a.overNoticeVisible() == b.overNoticeVisible()
            && a.variantNoticeVisible() == b.variantNoticeVisible() && a.undoRecord() == b.undoRecord();
    }

    static bool isJump(Position was, Position now, const UndoRecord& jump)
    {
        for (const TableJump& entry : allJumps())
            if (entry.from == jump.ultpartenza && entry.over == jump.ultsaltato && entry.to == jump.ultarrivo)
                return canJump(was, entry) && now == afterJump(was, entry);
        return false;
    }

    // A click without a jump selects, moves or drops the selection, or does
    // nothing; only a dropped selection can lock the board then.
    void checkSelectionClick(const Board& before, CellIndex cell)
    {
        const CellIndex selected = before.selectedCell();
        Board expected = before;
        if (before.stateOf(cell) == CellState::Peg) {
            if (selected != kNoCell)
                expected.setState(selected, CellState::Peg);
            expected.setState(cell, CellState::Selected);
        } else if (before.stateOf(cell) == CellState::Selected) {
            expected.setState(cell, CellState::Peg);
        } else {
            const Position pegs = positionOf(before);
            for (const TableJump& jump : allJumps())
                check(jump.from != selected || jump.to != cell || !canJump(pegs, jump),
                      "a click on a hole that the selected peg can jump to makes the jump");
        }
        check(board() == expected, "a click without a jump only changes the selection");
        const bool dropped = before.stateOf(cell) == CellState::Selected;
        check(m_game.isGameOver() == (dropped && !anyJumpIn(positionOf(board()))),
              "without a jump only a dropped selection can lock the board");
    }

    void checkVariantNotice(const Game& before)
    {
        static const std::vector<Position> kPatterns{positionOf(patternBoard(Variant::Muro)),
                                                     positionOf(patternBoard(Variant::Quadrato)),
                                                     positionOf(patternBoard(Variant::Elica))};
        const bool pattern = std::ranges::find(kPatterns, positionOf(board())) != kPatterns.end();
        check(m_game.variantNoticeVisible() == (m_game.level() == kLastLevel ? pattern : before.variantNoticeVisible()),
              "on level 7 the variant notice shows exactly the patterns; on other levels it keeps its state");
    }

    template <class Start>
    void levelStart(Start start, LevelNumber level)
    {
        const bool variantNotice = m_game.variantNoticeVisible();
        start();
        m_undoPossible = false;
        check(board() == startBoard(level) && m_game.level() == level && !m_game.isGameOver()
                  && !m_game.overNoticeVisible() && m_game.variantNoticeVisible() == variantNotice,
              "a level start lays out a fresh game and leaves the variant notice alone");
        checkAlways();
    }

    void checkAlways()
    {
        int selected = 0;
        for (CellIndex cell = 1; cell <= kCellCount; ++cell)
            selected += board().stateOf(cell) == CellState::Selected ? 1 : 0;
        check(selected <= 1, "at most one peg is selected");
        check(!m_game.isGameOver() || !anyJumpIn(positionOf(board())), "the board never locks while a jump is possible");
        check(m_game.canUndo() == m_undoPossible, "undo is possible exactly from a jump to its undo or a level start");
        check(!m_game.overNoticeVisible() || m_game.isGameOver(), "the no-more-moves notice shows only when locked");
    }

    void check(bool holds, const char* rule)
    {
        if (!holds && m_fault.empty())
            m_fault = std::string(rule) + ", on level " + std::to_string(m_game.level()) + " with\n" + pictureOf(board());
    }

    Game m_game;
    bool m_dialogOpen = false;
    LevelNumber m_livello = 0;
    Position m_beforeJump = 0;
    bool m_undoPossible = false;
    std::string m_fault;
};

} // namespace core::testing
