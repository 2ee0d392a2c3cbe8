#include "solver.h"

#include "levels.h"

#include <gtest/gtest.h>

#include <bit>
#include <map>
#include <unordered_set>

namespace core::testing {

namespace {

// Depth first, remembering the positions from which the goal proved out of
// reach: positions repeat so much that a whole game of level 7 takes a few
// tens of thousands of visits.
class Search {
public:
    Search(Position start, int goalPegs, std::optional<Position> goal) : m_goalPegs(goalPegs), m_goal(goal)
    {
        m_found = found(start);
    }

    std::optional<std::vector<TableJump>> path() const { return m_found ? std::optional(m_path) : std::nullopt; }

private:
    bool found(Position position)
    {
        if (std::popcount(position) == m_goalPegs)
            return !m_goal || position == *m_goal;
        if (m_deadEnds.contains(position))
            return false;
        for (const TableJump& jump : allJumps()) {
            if (!canJump(position, jump))
                continue;
            m_path.push_back(jump);
            if (found(afterJump(position, jump)))
                return true;
            m_path.pop_back();
        }
        m_deadEnds.insert(position);
        return false;
    }

    int m_goalPegs;
    std::optional<Position> m_goal;
    std::unordered_set<Position> m_deadEnds;
    std::vector<TableJump> m_path;
    bool m_found = false;
};

} // namespace

std::optional<Moves> solveToOnePeg(Position start)
{
    const auto path = Search(start, 1, std::nullopt).path();
    if (!path)
        return std::nullopt;
    Moves moves;
    for (const TableJump& jump : *path)
        moves.push_back({jump.from, jump.to});
    return moves;
}

// Searched backwards: a jump turns position P into Q exactly when the same
// jump turns the complement of Q into the complement of P. Backwards the goal
// is a nearly empty board, which the search meets far sooner.
std::optional<Moves> reach(Position start, Position target)
{
    const Position goal = kFullBoard & ~start;
    const auto path = Search(kFullBoard & ~target, std::popcount(goal), goal).path();
    if (!path)
        return std::nullopt;
    Moves moves;
    for (auto jump = path->rbegin(); jump != path->rend(); ++jump)
        moves.push_back({jump->from, jump->to});
    return moves;
}

const Moves& solutionOf(LevelNumber level)
{
    static std::map<LevelNumber, Moves> found;
    if (!found.contains(level))
        found[level] = solveToOnePeg(positionOf(startBoard(level))).value_or(Moves{});
    return found[level];
}

const Moves& routeTo(Variant variant)
{
    static std::map<Variant, Moves> found;
    if (!found.contains(variant))
        found[variant] = reach(positionOf(startBoard(kLastLevel)), positionOf(patternBoard(variant))).value_or(Moves{});
    return found[variant];
}

ClickOutcome play(Game& game, const Moves& jumps)
{
    ClickOutcome outcome = ClickOutcome::Played;
    for (const Jump& jump : jumps) {
        const int pegs = game.board().pegCount();
        game.pct_Click(jump.from);
        outcome = game.pct_Click(jump.to);
        if (game.board().pegCount() != pegs - 1 || game.board().stateOf(jump.to) != CellState::Peg) {
            ADD_FAILURE() << "no jump from " << jump.from << " to " << jump.to << " on\n" << pictureOf(game.board());
            break;
        }
    }
    return outcome;
}

Game gameAfter(LevelNumber level, const Moves& jumps)
{
    Game game;
    game.Form_Load();
    game.startLevel(level);
    play(game, jumps);
    return game;
}

} // namespace core::testing
