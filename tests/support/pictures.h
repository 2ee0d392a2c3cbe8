// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Boards as 7-line pictures of the 7 x 7 square, row 1 first: 'X' a peg,
// '*' the selected peg, 'o' an empty hole, '.' off the cross. Tests state
// boards this way, and GoogleTest prints every Board so (PrintTo).

#include "core/board.h"
#include "core/geometry.h"

#include <ostream>
#include <string>
#include <string_view>

namespace core::testing {

constexpr const char* kSymbols = "oX*"; // by CellState

// Picture n (from 0) of a table that draws 7-wide pictures side by side.
inline Board pictureIn(const char* const (&rows)[7], std::size_t n)
{
    Board board;
    for (CellIndex cell = 1; cell <= kCellCount; ++cell) {
        const GridPos at = gridPosOf(cell);
        const char symbol = rows[at.row - 1][8 * n + static_cast<std::size_t>(at.col - 1)];
        board.setState(cell, static_cast<CellState>(std::string_view(kSymbols).find(symbol)));
    }
    return board;
}

inline std::string pictureOf(const Board& board)
{
    std::string picture;
    for (int row = 1; row <= kGridSize; ++row)
        for (int col = 1; col <= kGridSize; ++col) {
            const CellIndex cell = cellAt(row, col);
            picture += cell == kNoCell ? '.' : kSymbols[static_cast<int>(board.stateOf(cell))];
            picture += col < kGridSize ? ' ' : '\n';
        }
    return picture;
}

inline std::string sideBySide(const Board& actual, const Board& expected)
{
    const std::string a = pictureOf(actual), e = pictureOf(expected);
    std::string text = "  actual          expected\n";
    for (std::size_t at = 0; at < a.size(); at += 14) // a row is 13 characters and a newline
        text += "  " + a.substr(at, 13) + "   " + e.substr(at, 13) + "\n";
    return text;
}

} // namespace core::testing

namespace core {
inline void PrintTo(const Board& board, std::ostream* out) { *out << "\n" << testing::pictureOf(board); }
} // namespace core
