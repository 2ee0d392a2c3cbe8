// Plays the input as a game: each byte is one action of the player on the
// game window or on the level-complete dialog, and the referee checks the
// rules after every action. A broken rule aborts with its text and the board.

#include "referee.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Half the clicks play a jump that the position allows (its origin, or its
// landing once the origin is selected), so inputs reach deep into games.
void act(core::testing::Referee& referee, unsigned byte)
{
    using namespace core::testing;
    const auto cell = static_cast<core::CellIndex>(1 + byte % core::kCellCount);
    if (byte < 100) {
        referee.click(cell);
    } else if (byte < 200) {
        const std::vector<TableJump> jumps = jumpsIn(positionOf(referee.game().board()));
        if (jumps.empty())
            return referee.click(cell);
        const TableJump& jump = jumps[byte % jumps.size()];
        referee.click(referee.game().board().stateOf(jump.from) == core::CellState::Selected ? jump.to : jump.from);
    } else if (byte < 213) {
        referee.undo();
    } else if (byte < 220) {
        referee.restart();
    } else if (byte < 234) {
        referee.startLevel(static_cast<core::LevelNumber>(1 + byte % core::kLastLevel));
    } else if (byte < 240) { // the dialog also opens by itself when one peg is left
        referee.openDialog();
    } else if (byte < 246) {
        referee.pressStesso();
    } else if (byte < 252) {
        referee.pressSuccessivo();
    } else {
        referee.closeDialog();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    core::testing::Referee referee;
    for (std::size_t i = 0; i < size; ++i) {
        act(referee, data[i]);
        if (!referee.fault().empty()) {
            std::fprintf(stderr, "broken rule at byte %zu: %s\n", i, referee.fault().c_str());
            std::abort();
        }
    }
    return 0;
}
