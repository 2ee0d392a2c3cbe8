// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/board.h"

#include "core/geometry.h"

#include <stdexcept>

namespace core {

int Board::pegCount() const
{
    int count = 0;
    for (CellState state : m_cells)
        count += state != CellState::Empty ? 1 : 0;
    return count;
}

CellIndex Board::selectedCell() const
{
    CellIndex selected = kNoCell;
    for (CellIndex i = 1; i <= kCellCount; ++i)
        if (stateOf(i) == CellState::Selected)
            selected = i;
    return selected;
}

namespace {

CellState stateFromSymbol(char symbol)
{
    switch (symbol) {
    case 'X': return CellState::Peg;
    case '*': return CellState::Selected;
    case 'o': return CellState::Empty;
    default: throw std::invalid_argument(std::string("unexpected board symbol '") + symbol + "'");
    }
}

char symbolOf(CellState state)
{
    switch (state) {
    case CellState::Peg: return 'X';
    case CellState::Selected: return '*';
    case CellState::Empty: break;
    }
    return 'o';
}

} // namespace

Board boardFromPicture(std::string_view picture)
{
    Board board;
    int row = 1;
    int col = 1;
    for (char symbol : picture) {
        if (symbol == ' ' || symbol == '\t' || symbol == '\r')
            continue;
        if (symbol == '\n') {
            if (col > 1) {
                if (col != kGridSize + 1)
                    throw std::invalid_argument("board row " + std::to_string(row) + " is not 7 wide");
                ++row;
                col = 1;
            }
            continue;
        }
        if (row > kGridSize || col > kGridSize)
            throw std::invalid_argument("board picture is larger than 7 x 7");
        if (symbol == '.') {
            if (isOnBoard(row, col))
                throw std::invalid_argument("'.' drawn on a hole of the cross");
        } else {
            if (!isOnBoard(row, col))
                throw std::invalid_argument("a hole drawn off the cross");
            board.setState(cellAt(row, col), stateFromSymbol(symbol));
        }
        ++col;
    }
    const bool complete = (row == kGridSize && col == kGridSize + 1) || (row == kGridSize + 1 && col == 1);
    if (!complete)
        throw std::invalid_argument("board picture is not 7 rows of 7");
    return board;
}

std::string pictureOf(const Board& board)
{
    std::string picture;
    for (int row = 1; row <= kGridSize; ++row) {
        for (int col = 1; col <= kGridSize; ++col) {
            if (col > 1)
                picture += ' ';
            picture += isOnBoard(row, col) ? symbolOf(board.stateOf(cellAt(row, col))) : '.';
        }
        picture += '\n';
    }
    return picture;
}

} // namespace core
