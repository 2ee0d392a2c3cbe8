#include "board_pictures.h"
#include "game.h"
#include "levels.h"
#include "solver.h"

#include <functional>

namespace core {
namespace {

using testing::board;
using testing::gameAfter;

TEST(Undo, IsDisabledBeforeTheFirstJumpAndByEveryKindOfLevelStart)
{
    Game opened;
    opened.Form_Load();
    EXPECT_FALSE(opened.canUndo());
    opened.mnuannulla_Click();
    EXPECT_BOARD(opened.board(), startBoard(1));
    const std::pair<const char*, std::function<void(Game&)>> starts[] = {
        {"level menu", [](Game& g) { g.startLevel(7); }},
        {"restart", [](Game& g) { g.mnuricomincia_Click(); }},
        {"same level", [](Game& g) { g.cmdstesso_Click(g.levelCompleteDialogLoaded()); }},
        {"next level", [](Game& g) { g.cmdsuccessivo_Click(g.levelCompleteDialogLoaded()); }},
    };
    for (const auto& [what, start] : starts) {
        SCOPED_TRACE(what);
        Game game = gameAfter(7, {{5, 17}});
        ASSERT_TRUE(game.canUndo());
        start(game);
        EXPECT_FALSE(game.canUndo());
        const Board fresh = game.board();
        game.mnuannulla_Click();
        EXPECT_BOARD(game.board(), fresh);
        EXPECT_EQ(game.undoRecord(), (UndoRecord{5, 10, 17})) << "the record stays, unused";
    }
}

TEST(Undo, RestoresTheThreeCellsOfTheLastJumpOnlyOnce)
{
    Game game = gameAfter(7, {{5, 17}, {8, 10}});
    EXPECT_EQ(game.undoRecord(), (UndoRecord{8, 9, 10}));
    game.mnuannulla_Click();
    const Board afterFirstJump = board(". . X X X . .\n"
                                       ". . X o X . .\n"
                                       "X X X o X X X\n"
                                       "X X X X X X X\n"
                                       "X X X X X X X\n"
                                       ". . X X X . .\n"
                                       ". . X X X . .\n");
    EXPECT_BOARD(game.board(), afterFirstJump);
    EXPECT_FALSE(game.canUndo());
    game.mnuannulla_Click();
    EXPECT_BOARD(game.board(), afterFirstJump);
}

TEST(Undo, OfAJumpWhoseLandingPegWasSelectedSinceLeavesNothingSelected)
{
    Game game = gameAfter(7, {{5, 17}});
    game.pct_Click(17);
    game.mnuannulla_Click();
    EXPECT_BOARD(game.board(), startBoard(7));
}

TEST(Undo, KeepsAnotherPegSelectedSinceTheJumpForTheNextClick)
{
    Game game = gameAfter(7, {{5, 17}});
    game.pct_Click(29);
    game.mnuannulla_Click();
    Board expected = startBoard(7);
    expected.setState(29, CellState::Selected);
    EXPECT_BOARD(game.board(), expected);
    game.pct_Click(17);
    EXPECT_EQ(game.undoRecord(), (UndoRecord{29, 24, 17}));
}

TEST(Undo, OfAJumpThatLeftNoJumpLiftsTheLock)
{
    Game game = gameAfter(1, {{17, 29}, {5, 17}});
    ASSERT_TRUE(game.isGameOver());
    game.mnuannulla_Click();
    EXPECT_FALSE(game.isGameOver());
    EXPECT_FALSE(game.overNoticeVisible());
    EXPECT_BOARD(game.board(), gameAfter(1, {{17, 29}}).board());
    EXPECT_EQ(game.pct_Click(5), ClickOutcome::Played);
    EXPECT_EQ(game.board().selectedCell(), 5);
}

TEST(Undo, OfTheJumpThatLeftOnePegBringsBackTwoAndTheLastJumpCanBeMadeAgain)
{
    const testing::Moves& solution = testing::solutionOf(1);
    Game game = gameAfter(1, solution);
    ASSERT_EQ(game.board().pegCount(), 1);
    game.mnuannulla_Click();
    EXPECT_EQ(game.board().pegCount(), 2);
    EXPECT_FALSE(game.isGameOver());
    EXPECT_FALSE(game.overNoticeVisible());
    game.pct_Click(solution.back().from);
    EXPECT_EQ(game.pct_Click(solution.back().to), ClickOutcome::SinglePegLeft);
}

} // namespace
} // namespace core
