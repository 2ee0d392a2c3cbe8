#include "board_pictures.h"
#include "levels.h"
#include "solver.h"

namespace core {
namespace {

using testing::gameAfter;
using testing::solutionOf;

void expectFreshGame(const Game& game, LevelNumber level)
{
    EXPECT_BOARD(game.board(), startBoard(level));
    EXPECT_EQ(game.level(), level);
    EXPECT_EQ(game.levelCaption(), levelInfo(level).caption);
    EXPECT_EQ(game.levelName(), levelInfo(level).name);
    EXPECT_FALSE(game.isGameOver());
    EXPECT_FALSE(game.overNoticeVisible());
    EXPECT_FALSE(game.canUndo());
}

TEST(RestartAndLevelStart, GiveAFreshGameWhateverTheStateOfTheLastOne)
{
    Game selected = gameAfter(3, {solutionOf(3).front()});
    selected.pct_Click(solutionOf(3)[1].from);
    const std::pair<const char*, Game> games[] = {{"in play with a peg selected", selected},
                                                  {"locked with pegs left", gameAfter(1, {{17, 29}, {5, 17}})},
                                                  {"solved", gameAfter(7, solutionOf(7))}};
    for (const auto& [state, game] : games) {
        SCOPED_TRACE(state);
        Game restarted = game;
        restarted.mnuricomincia_Click();
        expectFreshGame(restarted, game.level());
        Game started = game;
        started.startLevel(4);
        expectFreshGame(started, 4);
        EXPECT_EQ(started.pct_Click(10), ClickOutcome::Played);
        EXPECT_EQ(started.board().selectedCell(), 10);
    }
}

TEST(LevelCompleteDialog, LoadingReadsTheLevelAndHidesTheNoticeButLeavesTheBoardLocked)
{
    Game game = gameAfter(3, solutionOf(3));
    ASSERT_TRUE(game.overNoticeVisible());
    const Board solved = game.board();
    EXPECT_EQ(game.levelCompleteDialogLoaded(), 3);
    EXPECT_FALSE(game.overNoticeVisible());
    EXPECT_TRUE(game.isGameOver());
    EXPECT_TRUE(game.canUndo());
    EXPECT_BOARD(game.board(), solved);
}

TEST(LevelCompleteDialog, StartsTheSolvedLevelAgainOrTheNextOne)
{
    for (LevelNumber level = kFirstLevel; level <= kLastLevel; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        const Game solved = gameAfter(level, solutionOf(level));
        Game same = solved;
        same.cmdstesso_Click(same.levelCompleteDialogLoaded());
        expectFreshGame(same, level);
        if (level == kLastLevel)
            break;
        Game next = solved;
        next.cmdsuccessivo_Click(next.levelCompleteDialogLoaded());
        expectFreshGame(next, level + 1);
    }
}

TEST(LevelCompleteDialog, NextAfterTheLastLevelUnlocksTheLonePegWhichIsSolvedAgainAtTheNextClick)
{
    Game game = gameAfter(7, solutionOf(7));
    const Board solved = game.board();
    game.cmdsuccessivo_Click(game.levelCompleteDialogLoaded());
    EXPECT_BOARD(game.board(), solved);
    EXPECT_EQ(game.level(), 7);
    EXPECT_FALSE(game.isGameOver());
    EXPECT_FALSE(game.canUndo());
    EXPECT_FALSE(game.overNoticeVisible());
    for (CellIndex cell = 1; cell <= kCellCount; ++cell) {
        Game next = game;
        EXPECT_EQ(next.pct_Click(cell), ClickOutcome::SinglePegLeft) << "cell " << cell;
        EXPECT_EQ(next.levelCompleteDialogLoaded(), 7);
    }
}

TEST(LevelCompleteDialog, ActsOnTheSolvedLevelAfterAnotherWasChosenFromTheMenu)
{
    Game solved = gameAfter(2, solutionOf(2));
    const LevelNumber livello = solved.levelCompleteDialogLoaded();
    solved.startLevel(5);
    testing::play(solved, {{16, 28}});
    Game same = solved;
    same.cmdstesso_Click(livello);
    expectFreshGame(same, 2);
    Game next = solved;
    next.cmdsuccessivo_Click(livello);
    expectFreshGame(next, 3);
}

} // namespace
} // namespace core
