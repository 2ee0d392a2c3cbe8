// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/board.h"
#include "core/cell.h"

#include <span>
#include <string_view>

namespace core {

// One of the seven start positions. Laying it out gives every cell the base
// state, then flips each exception cell, in list order, to the other state.
struct Level {
    std::string_view name; // "Croce"
    CellState base;
    std::span<const CellIndex> exceptions;

    // Peg when the base is Empty and the other way round.
    CellState exceptionState() const
    {
        return base == CellState::Empty ? CellState::Peg : CellState::Empty;
    }
};

// level must be 1..7.
const Level& levelInfo(LevelNumber level);

// The start pattern of a level on a fresh board.
Board startBoard(LevelNumber level);

} // namespace core
