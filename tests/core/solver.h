#pragma once

// An exhaustive search kept with the tests (the game never searches): it
// proves that a level can be solved or a pattern reached, and hands back the
// jumps that do it, for the tests to play through the game's clicks.

#include "game.h"
#include "positions.h"
#include "variants.h"

#include <optional>
#include <vector>

namespace core::testing {

using Moves = std::vector<Jump>;

// Jumps from start down to one peg anywhere; nullopt when there are none.
std::optional<Moves> solveToOnePeg(Position start);

// Jumps from start to exactly the pegs of target; nullopt when impossible.
std::optional<Moves> reach(Position start, Position target);

// Searched once per run: a solution of each level and a way from the start
// of level 7 to each pattern; empty if the search failed.
const Moves& solutionOf(LevelNumber level);
const Moves& routeTo(Variant variant);

// Plays each jump with two clicks, failing the test at the first jump the
// game does not make. Returns the outcome of the last click.
ClickOutcome play(Game& game, const Moves& jumps);

// A game that started level and then played jumps.
Game gameAfter(LevelNumber level, const Moves& jumps);

} // namespace core::testing
