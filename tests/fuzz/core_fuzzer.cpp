// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the input as a game, one action of the player a byte (see
// playByte); a broken rule aborts with its text and the boards.

#include "solver.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    core::testing::Referee referee;
    for (std::size_t i = 0; i < size; ++i) {
        playByte(referee, data[i]);
        if (!referee.fault().empty()) {
            std::fprintf(stderr, "broken rule at byte %zu: %s\n", i, referee.fault().c_str());
            std::abort();
        }
    }
    return 0;
}
