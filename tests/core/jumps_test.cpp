#include "geometry.h"
#include "jumps.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

namespace core {
namespace {

// (jumped-over cell, landing cell) for every used entry of a cell's list.
std::set<std::pair<int, int>> jumpsOf(CellIndex cell)
{
    std::set<std::pair<int, int>> jumps;
    const Jumps& j = buchi(cell);
    for (std::size_t n = 0; n < j.arrivi.size(); ++n)
        if (j.arrivi[n] != kNoCell)
            jumps.insert({j.saltati[n], j.arrivi[n]});
    return jumps;
}

TEST(JumpTable, HoldsSeventySixJumpsSpreadOverTheCellsByTheirPlaceOnTheCross)
{
    const std::set<int> four{9, 10, 11, 16, 17, 18, 23, 24, 25};
    const std::set<int> one{2, 5, 14, 15, 19, 20, 29, 32};
    std::size_t total = 0;
    for (CellIndex cell = 1; cell <= kCellCount; ++cell) {
        const std::size_t expected = four.contains(cell) ? 4 : one.contains(cell) ? 1 : 2;
        EXPECT_EQ(jumpsOf(cell).size(), expected) << "cell " << cell;
        total += jumpsOf(cell).size();
    }
    EXPECT_EQ(total, 76u);
    EXPECT_EQ(jumpTableSize(), 76);
}

TEST(JumpTable, ListsTheJumpsOfCornerEdgeAndCentreCells)
{
    using Set = std::set<std::pair<int, int>>;
    EXPECT_EQ(jumpsOf(1), (Set{{2, 3}, {4, 9}}));
    EXPECT_EQ(jumpsOf(2), (Set{{5, 10}}));
    EXPECT_EQ(jumpsOf(7), (Set{{8, 9}, {14, 21}}));
    EXPECT_EQ(jumpsOf(17), (Set{{10, 5}, {18, 19}, {24, 29}, {16, 15}}));
    EXPECT_EQ(jumpsOf(33), (Set{{32, 31}, {30, 25}}));
}

TEST(JumpTable, GoesTwoCellsInAStraightLineOverTheNeighbourBetween)
{
    for (CellIndex from = 1; from <= kCellCount; ++from) {
        const Jumps& j = buchi(from);
        for (std::size_t n = 0; n < j.arrivi.size(); ++n) {
            SCOPED_TRACE("cell " + std::to_string(from) + " entry " + std::to_string(n));
            ASSERT_EQ(j.arrivi[n] == kNoCell, j.saltati[n] == kNoCell) << "an entry is used in both lists or in none";
            if (j.arrivi[n] == kNoCell)
                continue;
            const GridPos a = gridPosOf(from), b = gridPosOf(j.saltati[n]), c = gridPosOf(j.arrivi[n]);
            EXPECT_EQ(std::abs(b.row - a.row) + std::abs(b.col - a.col), 1) << "not a neighbour";
            EXPECT_EQ((GridPos{2 * b.row - a.row, 2 * b.col - a.col}), c) << "not straight on";
        }
    }
}

TEST(JumpTable, CanBeJumpedBackTheSameWay)
{
    for (CellIndex from = 1; from <= kCellCount; ++from)
        for (const auto& [over, to] : jumpsOf(from))
            EXPECT_TRUE(jumpsOf(static_cast<CellIndex>(to)).contains({over, from}))
                << from << " over " << over << " to " << to;
}

TEST(JumpTable, HasNoJumpsForNoCell)
{
    for (CellIndex nothing : {CellIndex{0}, CellIndex{34}, CellIndex{-1}})
        EXPECT_TRUE(jumpsOf(nothing).empty() && buchi(nothing).saltati == Jumps{}.saltati) << nothing;
}

} // namespace
} // namespace core
