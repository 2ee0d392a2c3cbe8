#pragma once

// An exhaustive search kept with the tests (the game never searches) for the
// jumps that solve a level or reach a pattern, and their replay through the
// game's clicks.

#include "board_pictures.h"
#include "referee.h"
#include "variants.h"

#include <unordered_set>

namespace core::testing {

// Jumps from start, depth first, to a position of `pegs` pegs (equal to target
// unless target is 0), remembering the positions that proved dead ends;
// empty when there are none.
inline Moves search(Position start, int pegs, Position target)
{
    Moves path;
    std::unordered_set<Position> dead;
    const auto found = [&](const auto& self, Position p) -> bool {
        if (std::popcount(p) == pegs)
            return target == 0 || p == target;
        if (dead.contains(p))
            return false;
        for (const Jump& j : jumpsIn(p)) {
            path.push_back(j);
            if (self(self, after(p, j)))
                return true;
            path.pop_back();
        }
        dead.insert(p);
        return false;
    };
    found(found, start);
    return path;
}

inline Moves solutionOf(LevelNumber level) { return search(positionOf(startBoard(level)), 1, 0); }

// From the start of level 7 to a pattern, searched backwards: a jump takes P
// to Q exactly when it takes the complement of Q to that of P, and backwards
// the goal is a nearly empty board, met far sooner.
inline Moves routeTo(Variant variant)
{
    const Position full = (Position{1} << kCellCount) - 1, goal = full & ~positionOf(startBoard(kLastLevel));
    const Moves back = search(full & ~positionOf(patternBoard(variant)), std::popcount(goal), goal);
    return Moves(back.rbegin(), back.rend());
}

// Plays each jump with two clicks, failing the test at the first jump that the
// game does not make exactly or that misreports a single peg left. Returns the
// outcome of the last click.
inline ClickOutcome play(Game& game, const Moves& jumps)
{
    ClickOutcome outcome = ClickOutcome::Played;
    for (const Jump& j : jumps) {
        const Position expected = after(positionOf(game.board()), j);
        game.pct_Click(j.from);
        outcome = game.pct_Click(j.to);
        if (positionOf(game.board()) != expected
            || (outcome == ClickOutcome::SinglePegLeft) != (std::popcount(expected) == 1)) {
            ADD_FAILURE() << "no jump from " << j.from << " to " << j.to << " on\n" << pictureOf(game.board());
            break;
        }
    }
    return outcome;
}

inline Game gameAfter(LevelNumber level, const Moves& jumps) { Game g; g.startLevel(level); play(g, jumps); return g; }
inline Moves firstOf(const Moves& moves, std::ptrdiff_t n) { return Moves(moves.begin(), moves.begin() + n); }
inline Board with(Board board, CellIndex cell, CellState state) { board.setState(cell, state); return board; }

} // namespace core::testing
