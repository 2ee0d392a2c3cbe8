// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/levels.h"

#include <array>

namespace core {

namespace {

using enum CellState;

// Exception cells in the order they are laid out; the order is part of the
// level start (cells are redrawn one by one in it).
constexpr std::array<CellIndex, 6> kCroce{17, 5, 10, 9, 11, 24};
constexpr std::array<CellIndex, 9> kPlus{17, 5, 10, 15, 16, 24, 18, 19, 29};
constexpr std::array<CellIndex, 11> kCaminetto{1, 2, 3, 4, 5, 6, 9, 10, 11, 16, 18};
constexpr std::array<CellIndex, 17> kFreccia{8, 2, 12, 4, 5, 6, 9, 10, 11, 17, 24, 28, 29, 30, 31, 32, 33};
constexpr std::array<CellIndex, 16> kPiramide{5, 9, 10, 11, 15, 16, 17, 18, 19, 21, 22, 23, 24, 25, 26, 27};
constexpr std::array<CellIndex, 9> kDiamante{1, 3, 7, 13, 17, 21, 27, 31, 33};
constexpr std::array<CellIndex, 1> kSolitario{17};

const std::array<Level, 7> kLevels{{
    {"Croce", Empty, kCroce},
    {"Plus", Empty, kPlus},
    {"Caminetto", Empty, kCaminetto},
    {"Freccia", Empty, kFreccia},
    {"Piramide", Empty, kPiramide},
    {"Diamante", Peg, kDiamante},
    {"Solitario", Peg, kSolitario},
}};

} // namespace

const Level& levelInfo(LevelNumber level)
{
    return kLevels[static_cast<std::size_t>(level - 1)];
}

Board startBoard(LevelNumber level)
{
    const Level& info = levelInfo(level);
    Board board;
    for (CellIndex i = 1; i <= kCellCount; ++i)
        board.setState(i, info.base);
    for (CellIndex cell : info.exceptions)
        board.setState(cell, info.exceptionState());
    return board;
}

} // namespace core
