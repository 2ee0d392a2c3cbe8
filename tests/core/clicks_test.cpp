#include "solver.h"

namespace core::testing {

using enum CellState;

TEST(Clicks, SelectMoveAndDropTheSelectionAndJumpOnlyOverANeighbourIntoTheHoleBeyondInAnyDirection)
{
    Game game = gameAfter(7, {});
    EXPECT_EQ(game.pct_Click(17), ClickOutcome::Played); // a hole, with nothing selected
    EXPECT_BOARD(game.board(), startBoard(7));
    game.pct_Click(29);
    game.pct_Click(24); // 29 could jump over 24 into the centre
    EXPECT_BOARD(game.board(), with(startBoard(7), 24, Selected));
    EXPECT_EQ(game.pct_Click(24), ClickOutcome::Played);
    EXPECT_BOARD(game.board(), startBoard(7));
    EXPECT_FALSE(game.canUndo() || game.isGameOver());
    for (const auto& [from, over, to] : {UndoRecord{5, 10, 17}, {15, 16, 17}, {19, 18, 17}, {29, 24, 17}}) {
        game = gameAfter(7, {});
        game.pct_Click(from);
        EXPECT_EQ(game.pct_Click(to), ClickOutcome::Played);
        EXPECT_BOARD(game.board(), with(with(with(startBoard(7), to, Peg), from, Empty), over, Empty));
        EXPECT_TRUE(game.canUndo() && game.undoRecord() == (UndoRecord{from, over, to})) << "from " << from;
    }
    // Into hole 10 after 5 over 10: over the hole 5, diagonally over 16,
    // three cells along row 3, three cells up column 4. The selection stays.
    const Game start = gameAfter(7, {{5, 10, 17}});
    for (const CellIndex selected : {2, 22, 7, 29}) {
        game = start;
        game.pct_Click(selected);
        EXPECT_EQ(game.pct_Click(10), ClickOutcome::Played);
        EXPECT_BOARD(game.board(), with(start.board(), selected, Selected));
    }
}

// A fresh game of level: unlocked, the notice hidden, nothing to undo.
void expectFreshGame(const Game& game, LevelNumber level)
{
    EXPECT_BOARD(game.board(), startBoard(level));
    EXPECT_EQ(game.level(), level);
    EXPECT_FALSE(game.isGameOver() || game.overNoticeVisible() || game.canUndo());
}

TEST(GameOver, FollowsTheJumpThatLeavesNoneIgnoresEveryClickAndIsLiftedByUndoOrALevelStart)
{
    Game game = gameAfter(1, {{17, 24, 29}, {5, 10, 17}}); // four pegs, none side by side
    EXPECT_TRUE(game.isGameOver() && game.overNoticeVisible());
    for (CellIndex cell = 1; cell <= kCellCount; ++cell)
        EXPECT_EQ(game.pct_Click(cell), ClickOutcome::Ignored) << "cell " << cell;
    EXPECT_BOARD(game.board(), gameAfter(1, {{17, 24, 29}, {5, 10, 17}}).board());
    Game restarted = game;
    restarted.mnuricomincia_Click();
    expectFreshGame(restarted, 1);
    game.mnuannulla_Click();
    EXPECT_FALSE(game.isGameOver() || game.overNoticeVisible());
    EXPECT_BOARD(game.board(), gameAfter(1, {{17, 24, 29}}).board());
}

TEST(Undo, RestoresTheThreeCellsOfTheLastJumpOnceOnlyAndTakesALandingPegSelectedSince)
{
    Game game = gameAfter(7, {{5, 10, 17}, {8, 9, 10}});
    game.mnuannulla_Click();
    EXPECT_BOARD(game.board(), gameAfter(7, {{5, 10, 17}}).board());
    EXPECT_FALSE(game.canUndo()) << "once only";
    game = gameAfter(7, {{5, 10, 17}});
    game.pct_Click(17);
    game.mnuannulla_Click();
    EXPECT_BOARD(game.board(), startBoard(7));
}

TEST(LevelCompleteDialog, LoadingHidesTheNoticeAndItsButtonsStartTheSolvedLevelOrTheNextEvenAfterAMenuChoice)
{
    for (LevelNumber level = kFirstLevel; level < kLastLevel; ++level) {
        Game game = gameAfter(level, solutionOf(level));
        const LevelNumber livello = game.levelCompleteDialogLoaded();
        EXPECT_TRUE(!game.overNoticeVisible() && game.isGameOver() && game.canUndo()) << "level " << level;
        const LevelNumber chosen = (level + 3) % kLastLevel + 1; // neither this level nor the next
        game.startLevel(chosen); // which lifts the lock, so the jump is made
        play(game, firstOf(solutionOf(chosen), 1));
        Game same = game;
        same.cmdstesso_Click(livello);
        expectFreshGame(same, level);
        game.cmdsuccessivo_Click(livello);
        expectFreshGame(game, level + 1);
    }
}

TEST(LevelCompleteDialog, AfterLevelSevenStessoStartsItAgainAndSuccessivoUnlocksTheLonePegWhichADroppedSelectionLocks)
{
    Game game = gameAfter(7, solutionOf(7));
    const Board solved = game.board();
    Game same = game;
    same.cmdstesso_Click(same.levelCompleteDialogLoaded());
    expectFreshGame(same, 7);
    game.cmdsuccessivo_Click(game.levelCompleteDialogLoaded());
    EXPECT_BOARD(game.board(), solved);
    EXPECT_FALSE(game.level() != 7 || game.isGameOver() || game.canUndo());
    const auto lone = static_cast<CellIndex>(std::countr_zero(positionOf(solved)) + 1);
    EXPECT_EQ(game.pct_Click(lone == 1 ? 2 : 1), ClickOutcome::SinglePegLeft); // a hole
    EXPECT_EQ(game.pct_Click(lone), ClickOutcome::SinglePegLeft);
    EXPECT_FALSE(game.isGameOver()) << "neither a click on a hole nor a selection ends the game";
    game.pct_Click(lone);
    EXPECT_TRUE(game.isGameOver() && game.overNoticeVisible()) << "a dropped selection does";
}

} // namespace core::testing
