#pragma once

// Helpers for tests that state boards as 7-line pictures (see pictureOf).

#include "board.h"

#include <gtest/gtest.h>

#include <string>

namespace core::testing {

inline Board board(const std::string& picture)
{
    return boardFromPicture(picture);
}

// EXPECT_PRED_FORMAT2(sameBoard, actual, expected): on failure prints both
// boards side by side so the difference shows at a glance.
inline ::testing::AssertionResult sameBoard(const char* actualExpr, const char* expectedExpr,
                                            const Board& actual, const Board& expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const std::string a = pictureOf(actual);
    const std::string e = pictureOf(expected);
    std::string text = std::string(actualExpr) + " differs from " + expectedExpr + "\n  actual          expected\n";
    std::size_t ia = 0, ie = 0;
    while (ia < a.size() && ie < e.size()) {
        const std::size_t na = a.find('\n', ia), ne = e.find('\n', ie);
        text += "  " + a.substr(ia, na - ia) + "   " + e.substr(ie, ne - ie) + "\n";
        ia = na + 1;
        ie = ne + 1;
    }
    return ::testing::AssertionFailure() << text;
}

} // namespace core::testing

#define EXPECT_BOARD(actual, expected) EXPECT_PRED_FORMAT2(::core::testing::sameBoard, actual, expected)
#define ASSERT_BOARD(actual, expected) ASSERT_PRED_FORMAT2(::core::testing::sameBoard, actual, expected)
