#pragma once

// Positions as 33-bit sets, and a referee that plays a Game as the window and
// the level-complete dialog do, one action a byte, checking after every click
// and undo the rules that hold whatever was played. Driven by the random play
// test and the fuzzer; keeps the first broken rule as text.

#include "game.h"
#include "jumps.h"
#include "levels.h"

#include <bit>
#include <utility>
#include <vector>

namespace core::testing {

using Position = std::uint64_t; // bit c - 1 set: cell c holds a peg
struct Jump { CellIndex from, over, to; };
using Moves = std::vector<Jump>;

constexpr Position bit(CellIndex cell) { return cell > 0 ? Position{1} << (cell - 1) : 0; }
constexpr Position after(Position p, const Jump& j) { return p ^ bit(j.from) ^ bit(j.over) ^ bit(j.to); }

// The cells holding a peg (Peg or Selected), or only the Selected ones.
inline Position positionOf(const Board& board, bool selectedOnly = false)
{
    Position p = 0;
    for (CellIndex cell = 1; cell <= kCellCount; ++cell)
        p |= (selectedOnly ? board.stateOf(cell) == CellState::Selected : board.holdsPeg(cell)) ? bit(cell) : 0;
    return p;
}

// The jumps of the table that p allows: pegs on from and over, a hole on to.
inline Moves jumpsIn(Position p)
{
    static const Moves table = [] {
        Moves all;
        for (CellIndex from = 1; from <= kCellCount; ++from)
            for (std::size_t n = 0; n < 4; ++n) // unused entries never match, as bit(kNoCell) is 0
                all.push_back({from, buchi(from).saltati[n], buchi(from).arrivi[n]});
        return all;
    }();
    Moves possible;
    for (const Jump& j : table)
        if ((p & bit(j.from)) && (p & bit(j.over)) && !(p & bit(j.to)))
            possible.push_back(j);
    return possible;
}

class Referee {
public:
    Game game;
    std::string fault; // empty while every rule held

    Referee() { game.Form_Load(); }

    // Mostly clicks, half of them playing a jump the position allows; then
    // undo, restart, a level start and, while the dialog is open, its buttons.
    void act(unsigned byte)
    {
        const Moves jumps = jumpsIn(positionOf(game.board()));
        const CellIndex selected = game.board().selectedCell();
        if (byte >= 240 && std::exchange(m_dialogOpen, false)) {
            byte < 248 ? game.cmdstesso_Click(m_livello) : game.cmdsuccessivo_Click(m_livello);
        } else if (byte < 100 || byte >= 240) {
            click(static_cast<CellIndex>(1 + byte % kCellCount));
        } else if (byte < 200 && !jumps.empty()) {
            const Jump* j = &jumps[byte % jumps.size()];
            for (const Jump& k : jumps) // the selected peg lands if it can
                j = k.from == selected ? &k : j;
            click(j->from == selected ? j->to : j->from);
        } else if (byte < 220) {
            undo();
        } else if (byte < 228) {
            game.mnuricomincia_Click();
        } else {
            game.startLevel(static_cast<LevelNumber>(1 + byte % kLastLevel));
        }
    }

private:
    void click(CellIndex cell)
    {
        const Game old = game;
        const ClickOutcome outcome = game.pct_Click(cell);
        const Position was = positionOf(old.board()), now = positionOf(game.board());
        if (old.isGameOver())
            return check(outcome == ClickOutcome::Ignored && game.board() == old.board(), "locked, clicks do nothing");
        Position jumped = was; // after the jump the click asks for, if the rules allow it
        for (const CellIndex from = old.board().selectedCell(); const Jump& j : jumpsIn(was))
            jumped = j.from == from && j.to == cell ? after(was, j) : jumped;
        check(now == jumped, "a click jumps the selected peg to it if the rules allow; no other click moves a peg");
        check(std::popcount(positionOf(game.board(), true)) <= 1, "at most one peg is selected");
        check(!game.isGameOver() || jumpsIn(now).empty(), "the game is never over while a jump is possible");
        check(now == was || game.isGameOver() == jumpsIn(now).empty(), "a jump ends the game exactly if none is left");
        m_beforeJump = now == was ? m_beforeJump : was;
        if (outcome == ClickOutcome::SinglePegLeft && !std::exchange(m_dialogOpen, true))
            m_livello = game.levelCompleteDialogLoaded();
    }

    void undo()
    {
        const Game old = game;
        game.mnuannulla_Click();
        const bool restored = positionOf(game.board()) == m_beforeJump && !game.isGameOver() && !game.canUndo();
        check(old.canUndo() ? restored : game.board() == old.board(), "undo restores the last jump's cells, once");
    }

    void check(bool holds, const char* rule)
    {
        if (!holds && fault.empty())
            fault = std::string(rule) + " (level " + std::to_string(game.level()) + ")\n" + pictureOf(game.board());
    }

    bool m_dialogOpen = false;
    LevelNumber m_livello = 0;
    Position m_beforeJump = 0;
};

} // namespace core::testing
