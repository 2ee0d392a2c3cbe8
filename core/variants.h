// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/board.h"
#include "core/cell.h"

#include <optional>
#include <span>
#include <string_view>

namespace core {

// The three target patterns recognised on level 7.
enum class Variant { Muro, Quadrato, Elica };

struct Pattern {
    Variant variant;
    std::string_view name; // "Il muro"
    std::span<const CellIndex> cells; // in position order
};

const Pattern& patternOf(Variant variant);

// The variant whose cells are exactly the cells holding a peg (Peg or
// Selected), if any. The three sizes differ, so at most one matches.
std::optional<Variant> completedVariant(const Board& board);

// The board holding exactly the pegs of a pattern.
Board patternBoard(Variant variant);

} // namespace core
