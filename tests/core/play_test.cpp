#include "solver.h"

#include <random>

namespace core::testing {

TEST(EveryLevel, IsSolvedToOnePegByTheSearchReplayedThroughTheClicks)
{
    for (LevelNumber level = kFirstLevel; level <= kLastLevel; ++level) {
        const Moves solution = solutionOf(level);
        ASSERT_EQ(static_cast<int>(solution.size()), startBoard(level).pegCount() - 1) << "level " << level;
        Game game = gameAfter(level, solution);
        EXPECT_TRUE(game.isGameOver() && game.overNoticeVisible() && game.canUndo() && game.board().pegCount() == 1);
    }
}

TEST(VariantNotice, ShowsWhenRealMovesOnLevelSevenReachAPatternButNotAfterAsManyJumpsElsewhere)
{
    for (const Pattern& pattern : patterns()) {
        const Moves route = routeTo(pattern.variant);
        ASSERT_EQ(route.size(), 32 - pattern.cells.size()) << pattern.name;
        const Game nearMiss = gameAfter(7, firstOf(solutionOf(7), std::ssize(route)));
        ASSERT_NE(positionOf(nearMiss.board()), positionOf(patternBoard(pattern.variant)));
        EXPECT_FALSE(nearMiss.variantNoticeVisible()) << pattern.name;
        Game game = gameAfter(7, route);
        EXPECT_TRUE(game.variantNoticeVisible()) << pattern.name;
        EXPECT_EQ(game.isGameOver(), pattern.variant == Variant::Elica) << "only the propeller has no jump";
        game.pct_Click(pattern.cells[0]);
        EXPECT_TRUE(game.variantNoticeVisible()) << pattern.name << " with a peg selected";
        game.mnuannulla_Click();
        EXPECT_FALSE(game.variantNoticeVisible()) << pattern.name << " undone";
    }
}

TEST(VariantNotice, ComesBackWithAnUndoOnLevelSevenAndOutlastsOtherLevelsUntilLevelSevenChecksAgain)
{
    Game game = gameAfter(7, routeTo(Variant::Muro));
    play(game, {{4, 9, 16}});
    game.mnuannulla_Click();
    EXPECT_TRUE(game.variantNoticeVisible()) << "the wall is back";
    for (LevelNumber level = kFirstLevel; level < kLastLevel; ++level) {
        game.startLevel(level);
        ASSERT_EQ(play(game, solutionOf(level)), ClickOutcome::SinglePegLeft);
        game.mnuannulla_Click();
        EXPECT_TRUE(game.variantNoticeVisible()) << "after a start, play and undo on level " << level;
    }
    game.cmdsuccessivo_Click(game.levelCompleteDialogLoaded());
    EXPECT_TRUE(game.variantNoticeVisible()) << "starting level 7 checks nothing";
    game.pct_Click(17);
    EXPECT_FALSE(game.variantNoticeVisible()) << "a click on level 7 does";
}

TEST(RandomPlay, KeepsTheRulesInSeededGamesFromEveryLevel)
{
    int singlePegs = 0, locks = 0;
    for (std::uint64_t seed = 1'000'000; seed < 1'001'400; ++seed) {
        std::mt19937_64 random(seed);
        Referee referee;
        referee.game.startLevel(static_cast<LevelNumber>(1 + seed % kLastLevel));
        for (int step = 0; step < 120 && referee.fault.empty(); ++step) {
            // Mostly the actions that play a possible jump.
            referee.act(static_cast<unsigned>(random() % 4 != 0 ? 100 + random() % 100 : random() % 256));
            singlePegs += referee.game.board().pegCount() == 1 ? 1 : 0;
            locks += referee.game.isGameOver() ? 1 : 0;
        }
        ASSERT_EQ(referee.fault, "") << "in the game of seed " << seed;
    }
    EXPECT_TRUE(singlePegs > 0 && locks > 0) << "the ends of play must be reached, or their rules go unchecked";
}

} // namespace core::testing
