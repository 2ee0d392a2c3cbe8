#include "board_pictures.h"

#include "geometry.h"

namespace core {
namespace {

using testing::board;

TEST(Board, ReadsAndDrawsItsOwnPicture)
{
    const std::string picture =
        ". . X o X . .\n"
        ". . o * o . .\n"
        "o o o o o o o\n"
        "o o o X o o o\n"
        "o o o o o o o\n"
        ". . o o o . .\n"
        ". . X o X . .\n";
    const Board b = board(picture);
    EXPECT_EQ(pictureOf(b), picture);
    EXPECT_EQ(b.stateOf(5), CellState::Selected);
    EXPECT_EQ(b.pegCount(), 6);
    EXPECT_EQ(b.selectedCell(), 5);
}

TEST(Board, NumbersCellsRowByRowOverTheCross)
{
    EXPECT_EQ(cellAt(1, 3), 1);
    EXPECT_EQ(cellAt(3, 1), 7);
    EXPECT_EQ(cellAt(4, 4), 17);
    EXPECT_EQ(cellAt(7, 5), 33);
    EXPECT_EQ(cellAt(1, 1), kNoCell);
    for (CellIndex i = 1; i <= kCellCount; ++i)
        EXPECT_EQ(cellAt(gridPosOf(i).row, gridPosOf(i).col), i);
}

} // namespace
} // namespace core
