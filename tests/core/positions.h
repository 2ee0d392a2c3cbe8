#pragma once

// Positions as 33-bit sets for the tests' own search and play: cheap to copy,
// compare and hash, and blind to the selection (a Selected peg is a peg).

#include "board.h"
#include "jumps.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace core::testing {

using Position = std::uint64_t; // bit c - 1 set: cell c holds a peg

inline constexpr Position kFullBoard = (Position{1} << kCellCount) - 1;

constexpr Position bitOf(CellIndex cell) { return Position{1} << (cell - 1); }

inline Position positionOf(const Board& board)
{
    Position position = 0;
    for (CellIndex cell = 1; cell <= kCellCount; ++cell)
        position |= board.holdsPeg(cell) ? bitOf(cell) : 0;
    return position;
}

// A jump as the player makes it: a click on `from`, then on `to`.
struct Jump {
    CellIndex from = kNoCell;
    CellIndex to = kNoCell;
};

struct TableJump {
    CellIndex from, over, to;
};

// The 76 entries of the jump table in one list.
inline const std::vector<TableJump>& allJumps()
{
    static const std::vector<TableJump> list = [] {
        std::vector<TableJump> jumps;
        for (CellIndex from = 1; from <= kCellCount; ++from)
            for (std::size_t n = 0; n < buchi(from).arrivi.size(); ++n)
                if (buchi(from).arrivi[n] != kNoCell)
                    jumps.push_back({from, buchi(from).saltati[n], buchi(from).arrivi[n]});
        return jumps;
    }();
    return list;
}

constexpr bool canJump(Position position, const TableJump& jump)
{
    const Position pegs = bitOf(jump.from) | bitOf(jump.over);
    return (position & pegs) == pegs && (position & bitOf(jump.to)) == 0;
}

constexpr Position afterJump(Position position, const TableJump& jump)
{
    return position ^ bitOf(jump.from) ^ bitOf(jump.over) ^ bitOf(jump.to);
}

inline std::vector<TableJump> jumpsIn(Position position)
{
    std::vector<TableJump> possible;
    for (const TableJump& jump : allJumps())
        if (canJump(position, jump))
            possible.push_back(jump);
    return possible;
}

inline bool anyJumpIn(Position position)
{
    return std::any_of(allJumps().begin(), allJumps().end(), [&](const TableJump& j) { return canJump(position, j); });
}

} // namespace core::testing
