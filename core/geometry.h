// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/cell.h"

namespace core {

// The board is the cross inside a 7 x 7 square. Rows and columns count 1..7
// from the top left, so cell 1 is at row 1, column 3 and cell 33 at 7, 5.
inline constexpr int kGridSize = 7;

struct GridPos {
    int row = 0;
    int col = 0;
    friend constexpr bool operator==(GridPos, GridPos) = default;
};

// True when (row, col) is a hole of the cross; false off it or off the square.
constexpr bool isOnBoard(int row, int col)
{
    if (row < 1 || row > kGridSize || col < 1 || col > kGridSize)
        return false;
    const bool middleRows = row >= 3 && row <= 5;
    const bool middleCols = col >= 3 && col <= 5;
    return middleRows || middleCols;
}

// The cell at (row, col), or kNoCell off the cross.
constexpr CellIndex cellAt(int row, int col)
{
    if (!isOnBoard(row, col))
        return kNoCell;
    CellIndex index = 0;
    for (int r = 1; r <= kGridSize; ++r) {
        for (int c = 1; c <= kGridSize; ++c) {
            if (isOnBoard(r, c))
                ++index;
            if (r == row && c == col)
                return index;
        }
    }
    return kNoCell;
}

// Row and column of a cell 1..33.
constexpr GridPos gridPosOf(CellIndex cell)
{
    for (int r = 1; r <= kGridSize; ++r)
        for (int c = 1; c <= kGridSize; ++c)
            if (isOnBoard(r, c) && cellAt(r, c) == cell)
                return {r, c};
    return {};
}

} // namespace core
