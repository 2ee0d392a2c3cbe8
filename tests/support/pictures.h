#pragma once

// Boards stated as 7-line pictures (see pictureOf), and EXPECT_BOARD, which on
// failure prints both boards side by side so the difference shows at a glance.

#include "board.h"

#include <gtest/gtest.h>

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

inline ::testing::AssertionResult sameBoard(const char* as, const char* es, const Board& actual, const Board& expected)
{
    const std::string a = pictureOf(actual), e = pictureOf(expected);
    std::string text = std::string(as) + " differs from " + es + "\n  actual          expected\n";
    for (std::size_t at = 0; at < a.size(); at += 14) // a row is 13 characters and a newline
        text += "  " + a.substr(at, 13) + "   " + e.substr(at, 13) + "\n";
    return actual == expected ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << text;
}

} // namespace core::testing

#define EXPECT_BOARD(actual, expected) EXPECT_PRED_FORMAT2(::core::testing::sameBoard, actual, expected)
