// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/variants.h"

#include <array>

namespace core {

namespace {

constexpr std::array<CellIndex, 24> kMuro{1, 2, 3, 4, 6, 26, 7, 8, 9, 27, 11, 12,
                                          13, 14, 28, 30, 31, 32, 33, 20, 21, 22, 25, 23};
constexpr std::array<CellIndex, 8> kQuadrato{9, 10, 11, 16, 18, 23, 24, 25};
constexpr std::array<CellIndex, 12> kElica{3, 5, 9, 7, 11, 15, 19, 23, 25, 27, 29, 31};

const std::array<Pattern, 3> kPatterns{{
    {Variant::Muro, "Il muro", kMuro},
    {Variant::Quadrato, "Il quadrato", kQuadrato},
    {Variant::Elica, "L'elica", kElica},
}};

// How many of the pattern's positions hold a peg: the count of marks that
// muro, quadrato and elica leave in their lists.
int markedPositions(const Pattern& pattern, const Board& board)
{
    int marks = 0;
    for (CellIndex cell : pattern.cells)
        marks += board.holdsPeg(cell) ? 1 : 0;
    return marks;
}

} // namespace

const Pattern& patternOf(Variant variant)
{
    return kPatterns[static_cast<std::size_t>(variant)];
}

std::optional<Variant> completedVariant(const Board& board)
{
    const int pioli = board.pegCount();
    for (const Pattern& pattern : kPatterns) {
        const int size = static_cast<int>(pattern.cells.size());
        // Every position marked and no peg outside: exactly the pattern.
        if (pioli == size && markedPositions(pattern, board) == size)
            return pattern.variant;
    }
    return std::nullopt;
}

Board patternBoard(Variant variant)
{
    Board board;
    for (CellIndex cell : patternOf(variant).cells)
        board.setState(cell, CellState::Peg);
    return board;
}

} // namespace core
