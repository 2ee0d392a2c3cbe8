// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

namespace ui {

// The program's seven windows; the game window asks for a help screen by
// its id.
enum class WindowId { Inizio, Gioco, Scelta, Storia, Istruzioni, Varianti, Info };

inline constexpr std::size_t kWindowCount = static_cast<std::size_t>(WindowId::Info) + 1;

} // namespace ui
