// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/jumps.h"

#include "core/geometry.h"

namespace core {

namespace {

struct Direction {
    int dRow;
    int dCol;
};

// Up, right, down, left. The order among a cell's entries means nothing to
// the rules; it only has to be fixed so the table is deterministic.
constexpr std::array<Direction, 4> kDirections{{{-1, 0}, {0, 1}, {1, 0}, {0, -1}}};

constexpr Jumps jumpsOf(CellIndex from)
{
    Jumps jumps;
    const GridPos pos = gridPosOf(from);
    std::size_t n = 0;
    for (const Direction d : kDirections) {
        const CellIndex over = cellAt(pos.row + d.dRow, pos.col + d.dCol);
        const CellIndex to = cellAt(pos.row + 2 * d.dRow, pos.col + 2 * d.dCol);
        if (over != kNoCell && to != kNoCell) {
            jumps.arrivi[n] = to;
            jumps.saltati[n] = over;
            ++n;
        }
    }
    return jumps;
}

constexpr std::array<Jumps, kCellCount + 1> buildTable()
{
    std::array<Jumps, kCellCount + 1> table{};
    for (CellIndex cell = 1; cell <= kCellCount; ++cell)
        table[static_cast<std::size_t>(cell)] = jumpsOf(cell);
    return table;
}

// Entry 0 stays empty, so a lookup by a CellIndex needs no offset.
constexpr auto kTable = buildTable();

} // namespace

const Jumps& buchi(CellIndex partenza)
{
    return isCell(partenza) ? kTable[static_cast<std::size_t>(partenza)] : kTable[0];
}

std::vector<Jump> legalJumps(const Board& board)
{
    std::vector<Jump> jumps;
    for (CellIndex from = 1; from <= kCellCount; ++from) {
        if (!board.holdsPeg(from))
            continue;
        const Jumps& table = buchi(from);
        for (std::size_t n = 0; n < table.arrivi.size(); ++n) {
            const CellIndex over = table.saltati[n];
            const CellIndex to = table.arrivi[n];
            if (over != kNoCell && board.holdsPeg(over) && !board.holdsPeg(to))
                jumps.push_back({from, over, to});
        }
    }
    return jumps;
}

} // namespace core
