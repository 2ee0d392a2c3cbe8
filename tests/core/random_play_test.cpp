#include "referee.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace core::testing {
namespace {

constexpr int kGamesPerLevel = 300;
constexpr int kActionsPerGame = 120;

// Game n of a run plays from seed base + n. The environment variable
// ZIBBET_RANDOM_PLAY_SEED sets another base, to replay a failure or explore.
std::uint64_t baseSeed()
{
    const char* text = std::getenv("ZIBBET_RANDOM_PLAY_SEED");
    return text != nullptr ? std::strtoull(text, nullptr, 10) : 1'000'000;
}

class RandomPlayer {
public:
    explicit RandomPlayer(std::uint64_t seed) : m_random(seed) {}

    // Mostly clicks that play on, so that games get deep; now and then a
    // click anywhere, an undo, a restart, a level start or a dialog button.
    void act(Referee& referee)
    {
        const Board& board = referee.game().board();
        const int roll = below(100);
        const std::vector<TableJump> jumps = roll < 75 ? jumpsIn(positionOf(board)) : std::vector<TableJump>{};
        if (referee.dialogOpen() && roll < 30) {
            const int button = below(3);
            button == 0 ? referee.pressStesso() : button == 1 ? referee.pressSuccessivo() : referee.closeDialog();
        } else if (!jumps.empty()) {
            const TableJump& jump = jumps[static_cast<std::size_t>(below(static_cast<int>(jumps.size())))];
            const bool land = board.stateOf(jump.from) == CellState::Selected && roll < 70;
            referee.click(land ? jump.to : jump.from);
        } else if (roll < 88) {
            referee.click(static_cast<CellIndex>(1 + below(kCellCount)));
        } else if (roll < 95) {
            referee.undo();
        } else if (roll < 97) {
            referee.restart();
        } else {
            referee.startLevel(1 + below(kLastLevel));
        }
    }

private:
    int below(int n) { return static_cast<int>(m_random() % static_cast<std::uint64_t>(n)); }

    std::mt19937_64 m_random;
};

TEST(RandomPlay, KeepsEveryRuleOfTheGameFromEveryLevel)
{
    const std::uint64_t base = baseSeed();
    int singlePegs = 0;
    int locks = 0;
    for (int game = 0; game < kGamesPerLevel * kLastLevel; ++game) {
        const std::uint64_t seed = base + static_cast<std::uint64_t>(game);
        SCOPED_TRACE("seed " + std::to_string(seed) + " (game " + std::to_string(game)
                     + " of ZIBBET_RANDOM_PLAY_SEED=" + std::to_string(base) + ")");
        RandomPlayer player(seed);
        Referee referee;
        referee.startLevel(1 + game % kLastLevel);
        for (int step = 0; step < kActionsPerGame; ++step) {
            player.act(referee);
            ASSERT_EQ(referee.fault(), "") << "after action " << step;
            singlePegs += referee.game().board().pegCount() == 1 ? 1 : 0;
            locks += referee.game().isGameOver() ? 1 : 0;
        }
    }
    // The games must reach the ends of play, or the rules about them went unchecked.
    EXPECT_GT(singlePegs, 0);
    EXPECT_GT(locks, 0);
}

} // namespace
} // namespace core::testing
