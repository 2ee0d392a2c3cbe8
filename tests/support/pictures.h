// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Boards stated as 7-line pictures (see pictureOf), and drawn as pictures in
// failure messages: GoogleTest prints a Board through PrintTo.

#include "core/board.h"

#include <ostream>

#include <string>

namespace core::testing {

// Picture n (from 0) of a table that draws 7-wide pictures side by side.
inline Board pictureIn(const char* const (&rows)[7], std::size_t n)
{
    std::string picture;
    for (const std::string row : rows)
        picture += row.substr(8 * n, 7) + "\n";
    return boardFromPicture(picture);
}

inline std::string sideBySide(const Board& actual, const Board& expected)
{
    const std::string a = pictureOf(actual), e = pictureOf(expected);
    std::string text = "  actual          expected\n";
    for (std::size_t at = 0; at < a.size(); at += 14) // a row is 13 characters and a newline
        text += "  " + a.substr(at, 13) + "   " + e.substr(at, 13) + "\n";
    return text;
}

} // namespace core::testing

namespace core {
inline void PrintTo(const Board& board, std::ostream* out) { *out << "\n" << pictureOf(board); }
} // namespace core
