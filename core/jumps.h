// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/board.h"
#include "core/cell.h"

#include <array>
#include <vector>

namespace core {

// The jumps of one cell: entry n goes over saltati[n] and lands on arrivi[n].
// A cell has 1 to 4 jumps; the unused entries hold kNoCell in both lists.
struct Jumps {
    std::array<CellIndex, 4> arrivi{};
    std::array<CellIndex, 4> saltati{};
};

// The jump table: for cell partenza (1..33), every jump over a neighbour in
// a straight line to the hole just beyond, with all three cells on the
// cross. Pure geometry: whether the jump can be made now is the caller's
// business. Derived from the grid, never typed in.
const Jumps& buchi(CellIndex partenza);

// A jump the position allows now: pegs on from and over (either may be the
// selected peg), a hole on to.
struct Jump {
    CellIndex from = kNoCell;
    CellIndex over = kNoCell;
    CellIndex to = kNoCell;
    friend bool operator==(const Jump&, const Jump&) = default;
};

// Every jump the board allows, by origin 1..33, each origin's in table order.
std::vector<Jump> legalJumps(const Board& board);

} // namespace core
