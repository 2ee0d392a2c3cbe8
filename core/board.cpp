// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/board.h"

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

} // namespace core
