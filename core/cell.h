// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace core {

// A hole of the cross-shaped board, numbered 1..33 row by row, left to right.
// 0 names no cell: it appears only in the unused entries of a jump list.
using CellIndex = std::int16_t;

inline constexpr CellIndex kNoCell = 0;
inline constexpr int kCellCount = 33;

// What a hole holds. A Selected cell still holds a peg: every count or test
// of "is there a peg here" treats Peg and Selected alike.
enum class CellState : std::uint8_t { Empty, Peg, Selected };

// One of the seven levels, 1..7.
using LevelNumber = int;

inline constexpr LevelNumber kFirstLevel = 1;
inline constexpr LevelNumber kLastLevel = 7;

constexpr bool isCell(int index) { return index >= 1 && index <= kCellCount; }
constexpr bool isLevel(int level) { return level >= kFirstLevel && level <= kLastLevel; }

} // namespace core
