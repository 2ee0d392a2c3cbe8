// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole games played through the referee, which checks every action.

#include "solver.h"

#include <gtest/gtest.h>

#include <random>

namespace core::testing {

// Past the last level the dialog has nothing to lay out: the lone peg stays,
// and the next click, wherever it falls, finds one peg and opens it again.
TEST(EveryLevel, IsSolvedToOnePegByTheSearchAndTheDialogMovesOnToTheNext)
{
    Referee referee;
    for (LevelNumber level = kFirstLevel; level <= kLastLevel; ++level) {
        ASSERT_EQ(std::ssize(solutionOf(level)), startBoard(level).pegCount() - 1) << "level " << level;
        play(referee, solutionOf(level));
        ASSERT_EQ(referee.dialog(), level);
        referee.dialogNext();
    }
    EXPECT_EQ(referee.click(referee.game().board().holdsPeg(1) ? 2 : 1), ClickOutcome::SinglePegLeft);
    EXPECT_EQ(referee.dialog(), kLastLevel);
    referee.dialogSame();
    EXPECT_EQ(referee.fault(), "");
}

// Random games through the referee, with the way to each pattern of level 7
// among the actions, so the variant notice is held to the rules too.
TEST(RandomPlay, KeepsTheRulesInSeededGamesFromEveryLevel)
{
    int singlePegs = 0, locks = 0, dialogs = 0, variants = 0;
    for (std::uint64_t seed = 1'000'000; seed < 1'001'400; ++seed) {
        std::mt19937_64 random(seed);
        Referee referee;
        referee.startLevel(static_cast<LevelNumber>(1 + seed % kLastLevel));
        for (int step = 0; step < 120 && referee.fault().empty(); ++step) {
            // Mostly the actions that play a possible jump.
            playByte(referee, static_cast<unsigned>(random() % 4 != 0 ? 100 + random() % 100 : random() % 256));
            singlePegs += referee.game().board().pegCount() == 1 ? 1 : 0;
            locks += referee.game().isGameOver() ? 1 : 0;
            dialogs += referee.dialog() ? 1 : 0;
            variants += referee.game().variantNoticeVisible() ? 1 : 0;
        }
        ASSERT_EQ(referee.fault(), "") << "in the game of seed " << seed;
    }
    EXPECT_TRUE(singlePegs > 0 && locks > 0 && dialogs > 0 && variants > 0) << "the ends of play must be reached";
}

} // namespace core::testing
