#include "geometry.h"
#include "solver.h"

#include <map>
#include <set>

namespace core::testing {

using enum CellState;

TEST(JumpTable, HoldsSeventySixStraightJumpsOverANeighbourCountedPerCellByItsPlaceOnTheCross)
{
    const std::string perCell = "212" "212" "2244422" "1144411" "2244422" "212" "212"; // row by row
    std::map<int, std::set<std::pair<int, int>>> listed; // cell: (over, to)
    for (CellIndex cell = 1; cell <= kCellCount; ++cell) {
        for (std::size_t n = 0; n < 4; ++n) {
            const CellIndex over = buchi(cell).saltati[n], to = buchi(cell).arrivi[n];
            const GridPos a = gridPosOf(cell), b = gridPosOf(over), c = gridPosOf(to);
            EXPECT_TRUE((over == kNoCell && to == kNoCell)
                        || (listed[cell].insert({over, to}).second
                            && (b.row - a.row) * (b.row - a.row) + (b.col - a.col) * (b.col - a.col) == 1
                            && c == (GridPos{2 * b.row - a.row, 2 * b.col - a.col})))
                << cell << " over " << over << " to " << to;
        }
        EXPECT_EQ(static_cast<int>(listed[cell].size()), perCell[cell - 1] - '0') << "cell " << cell;
    }
    EXPECT_EQ(jumpTableSize(), 76);
    EXPECT_EQ(listed[1], (std::set<std::pair<int, int>>{{2, 3}, {4, 9}}));
    EXPECT_EQ(listed[17], (std::set<std::pair<int, int>>{{10, 5}, {16, 15}, {18, 19}, {24, 29}}));
    EXPECT_TRUE(buchi(kNoCell).arrivi == Jumps{}.arrivi && buchi(34).arrivi == Jumps{}.arrivi) << "off the board";
}

// Levels 1 to 7 side by side, then the three patterns of level 7.
const char* const kPictures[7] = {
    "..ooo.. ..ooo.. ..XXX.. ..oXo.. ..ooo.. ..oXo.. ..XXX.. ..XXX.. ..ooo.. ..ooX..",
    "..oXo.. ..oXo.. ..XXX.. ..XXX.. ..oXo.. ..XXX.. ..XXX.. ..XoX.. ..ooo.. ..oXo..",
    "ooXXXoo oooXooo ooXXXoo oXXXXXo ooXXXoo oXXXXXo XXXXXXX XXXoXXX ooXXXoo XoXoXoo",
    "oooXooo oXXXXXo ooXoXoo oooXooo oXXXXXo XXXoXXX XXXoXXX XoooooX ooXoXoo oXoooXo",
    "oooXooo oooXooo ooooooo oooXooo XXXXXXX oXXXXXo XXXXXXX XXXoXXX ooXXXoo ooXoXoX",
    "..ooo.. ..oXo.. ..ooo.. ..XXX.. ..ooo.. ..XXX.. ..XXX.. ..XoX.. ..ooo.. ..oXo..",
    "..ooo.. ..ooo.. ..ooo.. ..XXX.. ..ooo.. ..oXo.. ..XXX.. ..XXX.. ..ooo.. ..Xoo..",
};

TEST(Levels, StartFromTheirPicturesOverAnyPositionAndTheWindowOpensOnLevelOne)
{
    const char* const names[] = {"Croce", "Plus", "Caminetto", "Freccia", "Piramide", "Diamante", "Solitario"};
    const int pegs[] = {6, 9, 11, 17, 16, 24, 32};
    Game played = gameAfter(7, {{5, 10, 17}});
    played.pct_Click(29);
    for (LevelNumber level = kFirstLevel; level <= kLastLevel; ++level) {
        const auto i = static_cast<std::size_t>(level - 1);
        const std::string name = names[i], number = std::to_string(level);
        Game game = played;
        game.startLevel(level);
        EXPECT_BOARD(game.board(), pictureIn(kPictures, i)) << name;
        EXPECT_EQ(game.board().pegCount(), pegs[i]) << name;
        EXPECT_EQ(game.levelName(), name);
        EXPECT_EQ(game.levelCaption(), "Livello " + number + ":");
        EXPECT_EQ(levelInfo(level).menuCaption, "&" + number + " - " + name);
    }
    Game opened;
    opened.Form_Load();
    EXPECT_BOARD(opened.board(), pictureIn(kPictures, 0));
    EXPECT_FALSE(opened.level() != 1 || opened.canUndo() || opened.isGameOver() || opened.overNoticeVisible()
                 || opened.variantNoticeVisible());
}

TEST(Variants, AreTheWallTheSquareAndThePropellerRecognisedByExactlyTheirPegsSelectedOrNot)
{
    const char* const names[] = {"Il muro", "Il quadrato", "L'elica"};
    ASSERT_EQ(patterns().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const Pattern& pattern = patterns()[i];
        const Board exact = pictureIn(kPictures, 7 + i);
        EXPECT_EQ(pattern.name, names[i]);
        EXPECT_BOARD(patternBoard(pattern.variant), exact);
        EXPECT_EQ(completedVariant(with(exact, pattern.cells.back(), Selected)), pattern.variant) << names[i];
        EXPECT_EQ(completedVariant(with(exact, 17, Peg)), std::nullopt) << names[i] << " and a peg more";
        EXPECT_EQ(completedVariant(with(with(exact, 17, Peg), pattern.cells[0], Empty)), std::nullopt) << names[i];
    }
}

} // namespace core::testing
