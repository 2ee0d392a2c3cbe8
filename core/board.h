// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/cell.h"

#include <array>
#include <cstddef>

namespace core {

// The 33 holes and what each holds. Nothing else describes the position:
// the selection lives in the board as the one Selected cell.
class Board {
public:
    // A new board has every hole Empty.
    Board() { m_cells.fill(CellState::Empty); }

    // cell must be 1..33.
    CellState stateOf(CellIndex cell) const { return m_cells[slot(cell)]; }
    void setState(CellIndex cell, CellState state) { m_cells[slot(cell)] = state; }

    // Peg or Selected.
    bool holdsPeg(CellIndex cell) const { return stateOf(cell) != CellState::Empty; }

    int pegCount() const;

    // The Selected cell, scanning 1..33 upwards so the last one met wins;
    // kNoCell when nothing is selected.
    CellIndex selectedCell() const;

    friend bool operator==(const Board&, const Board&) = default;

private:
    static std::size_t slot(CellIndex cell) { return static_cast<std::size_t>(cell - 1); }

    std::array<CellState, kCellCount> m_cells{};
};

} // namespace core
