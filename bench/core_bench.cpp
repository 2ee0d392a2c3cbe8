// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Timings of the game's rules, for the record: a click must never be the
// slow part of a repaint.

#include "core/game.h"
#include "core/jumps.h"
#include "core/levels.h"
#include "core/variants.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace core;

Game levelSeven()
{
    Game game;
    game.Form_Load();
    game.startLevel(kLastLevel);
    return game;
}

// A click that only moves the selection between two pegs (the variant
// check still runs, this being level 7).
void selectClick(benchmark::State& state)
{
    Game game = levelSeven();
    const CellIndex pegs[] = {5, 29};
    std::size_t n = 0;
    for (auto _ : state) {
        n ^= 1;
        benchmark::DoNotOptimize(game.pct_Click(pegs[n]));
    }
}
BENCHMARK(selectClick);

// The first jump of level 7 with its three checks: variant, no more moves,
// single peg. Each round copies the game with 5 selected (a few dozen bytes).
void jumpClick(benchmark::State& state)
{
    Game selected = levelSeven();
    selected.pct_Click(5);
    for (auto _ : state) {
        Game game = selected;
        benchmark::DoNotOptimize(game.pct_Click(17));
        benchmark::DoNotOptimize(game); // the jump's writes to the board stay
    }
}
BENCHMARK(jumpClick);

// The variant check alone, on a board that is a pattern and one that is not.
void variantCheck(benchmark::State& state)
{
    const Board boards[] = {patternBoard(Variant::Muro), startBoard(kLastLevel)};
    for (auto _ : state)
        for (const Board& board : boards)
            benchmark::DoNotOptimize(completedVariant(board));
}
BENCHMARK(variantCheck);

// A whole game of level 7, jumping at random until the board locks; the
// choice of jumps is timed too.
void randomGame(benchmark::State& state)
{
    std::mt19937 random(7);
    std::int64_t jumps = 0;
    for (auto _ : state) {
        Game game = levelSeven();
        while (!game.isGameOver()) {
            const std::vector<Jump> possible = legalJumps(game.board());
            const Jump& jump = possible[random() % possible.size()];
            game.pct_Click(jump.from);
            benchmark::DoNotOptimize(game.pct_Click(jump.to));
            ++jumps;
        }
    }
    state.counters["jumps per game"] =
        benchmark::Counter(static_cast<double>(jumps) / static_cast<double>(state.iterations()));
}
BENCHMARK(randomGame);

} // namespace

BENCHMARK_MAIN();
