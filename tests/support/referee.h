// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The oracle of the rules. Positions are 33-bit sets and the jump rule is
// worked out afresh from the grid; the Referee plays a core::Game the way the
// windows do and checks after every action that the game shows exactly what
// the rules say. The window tests play every action through it; it keeps the
// first broken rule as text.

#include "core/game.h"
#include "core/geometry.h"
#include "core/levels.h"
#include "pictures.h"
#include "core/variants.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

namespace core::testing {

using Position = std::uint64_t; // bit c - 1 set: cell c holds a peg
using Moves = std::vector<Jump>;

constexpr Position bit(CellIndex cell) { return Position{1} << (cell - 1); }
constexpr Position after(Position p, const Jump& j) { return p ^ bit(j.from) ^ bit(j.over) ^ bit(j.to); }

inline Position positionOf(const Board& board)
{
    Position p = 0;
    for (CellIndex cell = 1; cell <= kCellCount; ++cell)
        p |= board.holdsPeg(cell) ? bit(cell) : 0;
    return p;
}

// Every jump over a neighbour in a row or column to the hole beyond.
inline const Moves& straightJumps()
{
    static const Moves all = [] {
        Moves jumps;
        for (CellIndex from = 1; from <= kCellCount; ++from)
            for (const auto& [dr, dc] : {std::pair{-1, 0}, {0, 1}, {1, 0}, {0, -1}}) {
                const GridPos at = gridPosOf(from);
                const CellIndex over = cellAt(at.row + dr, at.col + dc), to = cellAt(at.row + 2 * dr, at.col + 2 * dc);
                if (over != kNoCell && to != kNoCell)
                    jumps.push_back({from, over, to});
            }
        return jumps;
    }();
    return all;
}

// The jumps p allows: pegs on from and over, a hole on to.
inline Moves jumpsIn(Position p)
{
    Moves possible;
    for (const Jump& j : straightJumps())
        if ((p & bit(j.from)) && (p & bit(j.over)) && !(p & bit(j.to)))
            possible.push_back(j);
    return possible;
}

inline bool isPattern(Position p)
{
    return std::ranges::any_of(std::array{Variant::Muro, Variant::Quadrato, Variant::Elica},
                               [p](Variant v) { return p == positionOf(patternBoard(v)); });
}

// Everything a player can see of a game.
struct Seen {
    Board board;
    LevelNumber level = 1;
    bool locked = false, overNotice = false, variantNotice = false, canUndo = false;
    UndoRecord undo{};
    friend bool operator==(const Seen&, const Seen&) = default;
};

inline Seen seen(const Game& g)
{
    return {g.board(), g.level(), g.isGameOver(), g.overNoticeVisible(), g.variantNoticeVisible(), g.canUndo(),
            g.undoRecord()};
}

inline std::string differences(const Seen& got, const Seen& want)
{
    const auto flags = [](const Seen& s) {
        std::ostringstream text;
        text << "level " << s.level << "; locked, over, variant, undo: " << s.locked << s.overNotice << s.variantNotice
             << s.canUndo << " of " << s.undo.ultpartenza << "/" << s.undo.ultsaltato << "/" << s.undo.ultarrivo;
        return text.str();
    };
    return sideBySide(got.board, want.board) + "  actual:   " + flags(got) + "\n  expected: " + flags(want) + "\n";
}

class Referee {
public:
    Referee() { reload(); }

    const Game& game() const { return m_game; }
    // The level the open level-complete dialog read; empty while it is closed.
    std::optional<LevelNumber> dialog() const { return m_dialog; }
    const std::string& fault() const { return m_fault; }

    // A fresh game window.
    void reload()
    {
        m_game = Game();
        m_game.Form_Load();
        expect("a fresh game window", Seen{startBoard(1)});
    }

    ClickOutcome click(CellIndex cell)
    {
        Seen want = seen(m_game);
        const ClickOutcome outcome = m_game.pct_Click(cell);
        if (want.locked)
            return expect("a click on a locked board", want, outcome == ClickOutcome::Ignored), outcome;
        const CellIndex selected = want.board.selectedCell();
        if (want.board.holdsPeg(cell) && selected != kNoCell) // the selection goes, or moves here
            want.board.setState(selected, CellState::Peg);
        if (cell != selected && want.board.holdsPeg(cell))
            want.board.setState(cell, CellState::Selected);
        for (const Jump& j : jumpsIn(positionOf(want.board)))
            if (j.from == selected && j.to == cell) {
                want.board.setState(j.from, CellState::Empty);
                want.board.setState(j.over, CellState::Empty);
                want.board.setState(j.to, CellState::Peg);
                want.canUndo = true;
                want.undo = {j.from, j.over, j.to};
            }
        const Position now = positionOf(want.board);
        want.variantNotice = want.level == kLastLevel ? isPattern(now) : want.variantNotice;
        if (want.board.stateOf(cell) == CellState::Peg && jumpsIn(now).empty())
            want.locked = want.overNotice = true;
        const bool single = std::popcount(now) == 1;
        expect("a click", want, outcome == (single ? ClickOutcome::SinglePegLeft : ClickOutcome::Played));
        if (single && !m_dialog) {
            want.overNotice = false;
            m_dialog = m_game.levelCompleteDialogLoaded();
            expect("loading the dialog", want, m_dialog == want.level);
        }
        return outcome;
    }

    void undo()
    {
        Seen want = seen(m_game);
        if (want.canUndo) {
            want.board.setState(want.undo.ultpartenza, CellState::Peg);
            want.board.setState(want.undo.ultsaltato, CellState::Peg);
            want.board.setState(want.undo.ultarrivo, CellState::Empty);
            want.canUndo = want.locked = want.overNotice = false;
            want.variantNotice = want.level == kLastLevel ? isPattern(positionOf(want.board)) : want.variantNotice;
        }
        m_game.mnuannulla_Click();
        expect("an undo", want);
    }

    void startLevel(LevelNumber level) { expectFresh("a level start", level, [&] { m_game.startLevel(level); }); }
    void restart() { expectFresh("a restart", m_game.level(), [&] { m_game.mnuricomincia_Click(); }); }

    // "Stesso livello", "Livello successivo": the level read when the dialog
    // loaded, whatever was chosen since. There is no level after the last:
    // its solved board stays, unlocked.
    void dialogSame()
    {
        const LevelNumber livello = dialogButton();
        expectFresh("Stesso livello", livello, [&] { m_game.cmdstesso_Click(livello); });
    }

    void dialogNext()
    {
        const LevelNumber livello = dialogButton();
        Seen want = seen(m_game);
        want.locked = want.overNotice = want.canUndo = false;
        if (livello < kLastLevel)
            return expectFresh("Livello successivo", livello + 1, [&] { m_game.cmdsuccessivo_Click(livello); });
        m_game.cmdsuccessivo_Click(livello);
        expect("Livello successivo after the last level", want);
    }

    void dialogClosed() { m_dialog.reset(); }

private:
    // The level the dialog read, which its buttons act on.
    LevelNumber dialogButton() { return std::exchange(m_dialog, std::nullopt).value(); }

    // A fresh game of level: unlocked, nothing to undo, the no-more-moves
    // notice hidden; the variant notice and the undo record as they were.
    template <typename Action>
    void expectFresh(const char* rule, LevelNumber level, Action action)
    {
        Seen want = seen(m_game);
        want = {startBoard(level), level, false, false, want.variantNotice, false, want.undo};
        action();
        expect(rule, want);
    }

    void expect(const char* rule, const Seen& want, bool alsoHolds = true)
    {
        if (m_fault.empty() && (seen(m_game) != want || !alsoHolds))
            m_fault = std::string(rule) + " broke a rule\n" + differences(seen(m_game), want);
    }

    Game m_game;
    std::optional<LevelNumber> m_dialog;
    std::string m_fault;
};

} // namespace core::testing
