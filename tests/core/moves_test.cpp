#include "board_pictures.h"
#include "levels.h"
#include "solver.h"

namespace core {
namespace {

using testing::board;
using testing::gameAfter;

Board withSelected(Board b, CellIndex cell)
{
    b.setState(cell, CellState::Selected);
    return b;
}

TEST(ClickWithNothingSelected, SelectsAPegAndChangesNothingOnAHole)
{
    Game game = gameAfter(7, {});
    EXPECT_EQ(game.pct_Click(17), ClickOutcome::Played);
    EXPECT_BOARD(game.board(), startBoard(7));
    EXPECT_EQ(game.pct_Click(5), ClickOutcome::Played);
    EXPECT_BOARD(game.board(), board(". . X X X . .\n"
                                     ". . X * X . .\n"
                                     "X X X X X X X\n"
                                     "X X X o X X X\n"
                                     "X X X X X X X\n"
                                     ". . X X X . .\n"
                                     ". . X X X . .\n"));
    EXPECT_FALSE(game.canUndo());
}

TEST(ClickWithOneSelected, MovesTheSelectionToAnotherPegEvenOneItCouldJumpOverAndDropsItOnItself)
{
    Game game = gameAfter(7, {});
    game.pct_Click(29);
    game.pct_Click(24); // 29 could jump over 24 into the centre
    EXPECT_BOARD(game.board(), withSelected(startBoard(7), 24));
    game.pct_Click(24);
    EXPECT_BOARD(game.board(), startBoard(7));
    EXPECT_FALSE(game.canUndo());
    EXPECT_FALSE(game.isGameOver());
}

TEST(ClickWithOneSelected, JumpsOverTheNeighbourIntoTheHoleBeyondLeavingNothingSelected)
{
    Game game = gameAfter(4, {});
    game.pct_Click(4);
    EXPECT_EQ(game.pct_Click(16), ClickOutcome::Played);
    EXPECT_BOARD(game.board(), board(". . o X o . .\n"
                                     ". . o X X . .\n"
                                     "o X o X X X o\n"
                                     "o o X X o o o\n"
                                     "o o o X o o o\n"
                                     ". . X X X . .\n"
                                     ". . X X X . .\n"));
    EXPECT_EQ(game.undoRecord(), (UndoRecord{4, 9, 16}));
    EXPECT_TRUE(game.canUndo());
}

TEST(ClickWithOneSelected, JumpsInEveryDirection)
{
    struct Case {
        LevelNumber level;
        testing::Moves before;
        CellIndex from, over, to;
    };
    const Case cases[] = {
        {3, {}, 9, 16, 23}, {1, {}, 17, 24, 29}, {5, {{16, 28}, {17, 29}}, 28, 29, 30}, {7, {}, 19, 18, 17},
        {7, {}, 29, 24, 17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " over " + std::to_string(c.over) + " to " + std::to_string(c.to));
        Game game = gameAfter(c.level, c.before);
        Board expected = game.board();
        expected.setState(c.from, CellState::Empty);
        expected.setState(c.over, CellState::Empty);
        expected.setState(c.to, CellState::Peg);
        game.pct_Click(c.from);
        game.pct_Click(c.to);
        EXPECT_BOARD(game.board(), expected);
        EXPECT_EQ(game.undoRecord(), (UndoRecord{c.from, c.over, c.to}));
    }
}

TEST(ClickWithOneSelected, MakesNoJumpTheRulesForbidAndKeepsTheSelection)
{
    // After 5 over 10 into the centre of level 7, with holes at 5 and 10.
    const std::pair<CellIndex, const char*> selections[] = {
        {2, "over an empty hole"}, {22, "diagonally"}, {7, "three cells along a row"}, {29, "three cells up"}};
    for (const auto& [selected, what] : selections) {
        SCOPED_TRACE(what);
        Game game = gameAfter(7, {{5, 17}});
        game.pct_Click(selected);
        EXPECT_EQ(game.pct_Click(10), ClickOutcome::Played);
        EXPECT_BOARD(game.board(), withSelected(gameAfter(7, {{5, 17}}).board(), selected));
        EXPECT_EQ(game.undoRecord(), (UndoRecord{5, 10, 17}));
    }
}

TEST(NoMoreMoves, AJumpThatLeavesNoJumpShowsTheNoticeAndLocksTheBoard)
{
    Game game = gameAfter(1, {{17, 29}});
    game.pct_Click(5);
    EXPECT_EQ(game.pct_Click(17), ClickOutcome::Played); // four pegs, none side by side
    EXPECT_TRUE(game.isGameOver());
    EXPECT_TRUE(game.overNoticeVisible());
    const Board locked = game.board();
    for (CellIndex cell = 1; cell <= kCellCount; ++cell)
        EXPECT_EQ(game.pct_Click(cell), ClickOutcome::Ignored) << "cell " << cell;
    EXPECT_BOARD(game.board(), locked);
    EXPECT_TRUE(game.overNoticeVisible());
}

TEST(NoMoreMoves, IsFoundOnlyWhenAJumpLandsOrASelectionIsDropped)
{
    // "Livello successivo" for a solved level 7, pressed after a game of
    // level 1 was lost meanwhile, unlocks pegs that have no jump.
    Game game = gameAfter(7, testing::solutionOf(7));
    const LevelNumber livello = game.levelCompleteDialogLoaded();
    game.startLevel(1);
    testing::play(game, {{17, 29}, {5, 17}});
    ASSERT_TRUE(game.isGameOver());
    game.cmdsuccessivo_Click(livello);
    ASSERT_FALSE(game.isGameOver());
    for (CellIndex cell : {1, 9, 1}) { // a hole, a selection, a hole with 9 selected
        game.pct_Click(cell);
        EXPECT_FALSE(game.isGameOver()) << "after a click on " << cell;
    }
    game.pct_Click(9);
    EXPECT_TRUE(game.isGameOver()) << "the dropped selection is checked";
    EXPECT_TRUE(game.overNoticeVisible());
}

TEST(SinglePeg, TheLastJumpReportsItWithTheBoardLockedAndTheJumpUndoable)
{
    const testing::Moves& solution = testing::solutionOf(1);
    Game game = gameAfter(1, testing::Moves(solution.begin(), solution.end() - 1));
    EXPECT_EQ(game.pct_Click(solution.back().from), ClickOutcome::Played);
    EXPECT_EQ(game.pct_Click(solution.back().to), ClickOutcome::SinglePegLeft);
    EXPECT_EQ(game.board().pegCount(), 1);
    EXPECT_TRUE(game.isGameOver());
    EXPECT_TRUE(game.overNoticeVisible());
    EXPECT_TRUE(game.canUndo());
}

} // namespace
} // namespace core
