// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole games played through the referee, which checks every action.

#include "solver.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace core::testing {

// Random games through the referee, from every level, with the solution of
// the level and the way to each pattern of level 7 among the actions.
TEST(RandomPlay, KeepsTheRulesInSeededGamesFromEveryLevel)
{
    std::map<std::string, int> reached;
    for (std::uint64_t seed = 1'000'000; seed < 1'001'400; ++seed) {
        std::mt19937_64 random(seed);
        Referee referee;
        referee.startLevel(static_cast<LevelNumber>(1 + seed % kLastLevel));
        for (int step = 0; step < 120 && referee.fault().empty(); ++step) {
            // Mostly the actions that play a possible jump.
            playByte(referee, static_cast<unsigned>(random() % 4 != 0 ? 100 + random() % 100 : random() % 256));
            reached["a locked board"] += referee.game().isGameOver();
            reached["the variant notice"] += referee.game().variantNoticeVisible();
            reached["the dialog of the last level"] += referee.dialog() == kLastLevel;
        }
        ASSERT_EQ(referee.fault(), "") << "in the game of seed " << seed;
    }
    for (const auto& [what, count] : reached)
        EXPECT_GT(count, 0) << what << " never reached";
}

} // namespace core::testing
