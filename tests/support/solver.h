// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// An exhaustive search kept with the tests (the game never searches) for the
// jumps that solve a level or reach a pattern of level 7. Tests and the
// benchmarks take their known games from here, never from a table.

#include "referee.h"

#include <map>
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

// The jumps that clear a level to one peg, searched once per process.
inline const Moves& solutionOf(LevelNumber level)
{
    static std::map<LevelNumber, Moves> solutions;
    const auto [it, first] = solutions.try_emplace(level);
    if (first)
        it->second = search(positionOf(startBoard(level)), 1, 0);
    return it->second;
}

// From the start of level 7 to a pattern, searched backwards: a jump takes P
// to Q exactly when it takes the complement of Q to that of P, and backwards
// the goal is a nearly empty board, met far sooner.
inline const Moves& routeTo(Variant variant)
{
    static std::map<Variant, Moves> routes;
    const auto [it, first] = routes.try_emplace(variant);
    if (first) {
        const Position full = (Position{1} << kCellCount) - 1, goal = full & ~positionOf(startBoard(kLastLevel));
        const Moves back = search(full & ~positionOf(patternBoard(variant)), std::popcount(goal), goal);
        it->second = Moves(back.rbegin(), back.rend());
    }
    return it->second;
}

} // namespace core::testing
