#include "board_pictures.h"
#include "game.h"
#include "levels.h"
#include "solver.h"

namespace core::testing {
namespace {

TEST(Solver, FindsNoWayWhereThereIsNone)
{
    EXPECT_EQ(solveToOnePeg(bitOf(1) | bitOf(33)), std::nullopt);
    // Level 1 less its foot: no single jump removes that peg.
    const Position start = positionOf(startBoard(1));
    EXPECT_EQ(reach(start, start & ~bitOf(24)), std::nullopt);
}

TEST(EveryLevel, CanBeSolvedToOnePegByClickingThroughTheGame)
{
    for (LevelNumber level = kFirstLevel; level <= kLastLevel; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        const Moves& solution = solutionOf(level);
        ASSERT_EQ(static_cast<int>(solution.size()), startBoard(level).pegCount() - 1);
        Game game = gameAfter(level, {});
        for (const Jump& jump : solution) {
            ASSERT_FALSE(game.isGameOver());
            EXPECT_EQ(game.pct_Click(jump.from), ClickOutcome::Played);
            const ClickOutcome outcome = game.pct_Click(jump.to);
            EXPECT_EQ(outcome, &jump == &solution.back() ? ClickOutcome::SinglePegLeft : ClickOutcome::Played);
        }
        EXPECT_EQ(game.board().pegCount(), 1);
        EXPECT_FALSE(game.variantNoticeVisible());
    }
}

} // namespace
} // namespace core::testing
