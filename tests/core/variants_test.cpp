#include "board_pictures.h"
#include "solver.h"
#include "variants.h"

namespace core {
namespace {

using testing::board;
using testing::gameAfter;
using testing::Moves;
using testing::routeTo;

const char* const kMuro = ". . X X X . .\n"
                          ". . X o X . .\n"
                          "X X X o X X X\n"
                          "X o o o o o X\n"
                          "X X X o X X X\n"
                          ". . X o X . .\n"
                          ". . X X X . .\n";
const char* const kQuadrato = ". . o o o . .\n"
                              ". . o o o . .\n"
                              "o o X X X o o\n"
                              "o o X o X o o\n"
                              "o o X X X o o\n"
                              ". . o o o . .\n"
                              ". . o o o . .\n";
const char* const kElica = ". . o o X . .\n"
                           ". . o X o . .\n"
                           "X o X o X o o\n"
                           "o X o o o X o\n"
                           "o o X o X o X\n"
                           ". . o X o . .\n"
                           ". . X o o . .\n";

TEST(VariantPatterns, AreTheWallTheSquareAndThePropellerInThatOrder)
{
    ASSERT_EQ(patterns().size(), 3u);
    EXPECT_EQ(patterns()[0].name, "Il muro");
    EXPECT_EQ(patterns()[1].name, "Il quadrato");
    EXPECT_EQ(patterns()[2].name, "L'elica");
    EXPECT_BOARD(patternBoard(Variant::Muro), board(kMuro));
    EXPECT_BOARD(patternBoard(Variant::Quadrato), board(kQuadrato));
    EXPECT_BOARD(patternBoard(Variant::Elica), board(kElica));
}

Board with(Board b, CellIndex cell, CellState state)
{
    b.setState(cell, state);
    return b;
}

TEST(VariantRecognition, NeedsExactlyThePegsOfAPatternCountingASelectedPeg)
{
    for (const Pattern& pattern : patterns()) {
        const Board exact = patternBoard(pattern.variant);
        const CellIndex first = pattern.cells.front();
        EXPECT_EQ(completedVariant(exact), pattern.variant) << pattern.name;
        EXPECT_EQ(completedVariant(with(exact, first, CellState::Selected)), pattern.variant) << pattern.name;
        EXPECT_EQ(completedVariant(with(exact, first, CellState::Empty)), std::nullopt) << pattern.name;
        EXPECT_EQ(completedVariant(with(with(exact, first, CellState::Empty), 17, CellState::Peg)), std::nullopt)
            << pattern.name << " with one peg moved off it";
    }
    EXPECT_EQ(completedVariant(with(board(kQuadrato), 17, CellState::Peg)), std::nullopt) << "the ring and its centre";
    EXPECT_EQ(completedVariant(with(board(kMuro), 17, CellState::Selected)), std::nullopt);
    EXPECT_EQ(completedVariant(with(board(kElica), 1, CellState::Peg)), std::nullopt);
    EXPECT_EQ(completedVariant(Board{}), std::nullopt);
}

Moves allButLast(const Moves& moves)
{
    return Moves(moves.begin(), moves.end() - 1);
}

TEST(VariantNotice, ShowsWhenPlayOnLevelSevenReachesAPattern)
{
    for (const Pattern& pattern : patterns()) {
        SCOPED_TRACE(pattern.name);
        const Moves& route = routeTo(pattern.variant);
        ASSERT_FALSE(route.empty());
        Game game = gameAfter(7, allButLast(route));
        EXPECT_FALSE(game.variantNoticeVisible());
        game.pct_Click(route.back().from);
        EXPECT_EQ(game.pct_Click(route.back().to), ClickOutcome::Played);
        EXPECT_BOARD(game.board(), patternBoard(pattern.variant));
        EXPECT_TRUE(game.variantNoticeVisible());
        // Only the propeller, with no two pegs side by side, ends the game.
        EXPECT_EQ(game.isGameOver(), pattern.variant == Variant::Elica);
        EXPECT_EQ(game.overNoticeVisible(), pattern.variant == Variant::Elica);
        if (game.isGameOver())
            continue;
        const CellIndex peg = pattern.cells.front();
        for (CellIndex cell : {peg, pattern.cells.back(), pattern.cells.back()}) { // select, move, drop
            game.pct_Click(cell);
            EXPECT_TRUE(game.variantNoticeVisible()) << "a selected peg still counts; click on " << cell;
        }
    }
}

TEST(VariantNotice, StaysHiddenAfterAsManyJumpsToOtherPositions)
{
    const Moves& solution = testing::solutionOf(7);
    for (const Pattern& pattern : patterns()) {
        const auto jumps = static_cast<std::ptrdiff_t>(32 - pattern.cells.size());
        const Game game = gameAfter(7, Moves(solution.begin(), solution.begin() + jumps));
        ASSERT_NE(game.board(), patternBoard(pattern.variant));
        EXPECT_FALSE(game.variantNoticeVisible()) << "after " << jumps << " jumps";
    }
}

TEST(VariantNotice, IsHiddenByALaterJumpAndAfterAnUndoOnLevelSevenGivesTheVerdictOnTheRestoredPosition)
{
    Game game = gameAfter(7, routeTo(Variant::Muro));
    game.pct_Click(4);
    game.pct_Click(16);
    EXPECT_FALSE(game.variantNoticeVisible());
    game.mnuannulla_Click();
    EXPECT_TRUE(game.variantNoticeVisible()) << "the wall is back";
    game = gameAfter(7, routeTo(Variant::Muro));
    game.mnuannulla_Click();
    EXPECT_FALSE(game.variantNoticeVisible()) << "the jump that completed the wall is undone";
}

TEST(VariantNotice, KeepsItsStateWhileThePropellerLocksTheBoard)
{
    Game game = gameAfter(7, routeTo(Variant::Elica));
    ASSERT_TRUE(game.isGameOver());
    for (CellIndex cell = 1; cell <= kCellCount; ++cell)
        EXPECT_EQ(game.pct_Click(cell), ClickOutcome::Ignored);
    EXPECT_TRUE(game.variantNoticeVisible());
}

TEST(VariantNotice, OutlastsLevelStartsAndPlayOnOtherLevelsUntilLevelSevenChecksAgain)
{
    Game game = gameAfter(7, routeTo(Variant::Muro));
    ASSERT_TRUE(game.variantNoticeVisible());
    for (LevelNumber level = 1; level <= 6; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        game.startLevel(level);
        EXPECT_TRUE(game.variantNoticeVisible());
        ASSERT_EQ(testing::play(game, testing::solutionOf(level)), ClickOutcome::SinglePegLeft);
        game.mnuannulla_Click();
        EXPECT_TRUE(game.variantNoticeVisible()) << "undo on another level checks nothing";
        game.mnuricomincia_Click();
        EXPECT_TRUE(game.variantNoticeVisible());
    }
    game.cmdsuccessivo_Click(game.levelCompleteDialogLoaded());
    ASSERT_EQ(game.level(), 7);
    EXPECT_TRUE(game.variantNoticeVisible()) << "no check on starting level 7";
    for (CellIndex cell : {17, 5}) { // a hole, a peg
        Game clicked = game;
        clicked.pct_Click(cell);
        EXPECT_FALSE(clicked.variantNoticeVisible()) << "any click on level 7 checks, here on " << cell;
    }
}

} // namespace
} // namespace core
