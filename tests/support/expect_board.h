#pragma once

// EXPECT_BOARD: on failure prints both boards side by side, so the
// difference shows at a glance.

#include "pictures.h"

#include <gtest/gtest.h>

namespace core::testing {

inline ::testing::AssertionResult sameBoard(const char* as, const char* es, const Board& actual, const Board& expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << as << " differs from " << es << "\n" << sideBySide(actual, expected);
}

} // namespace core::testing

#define EXPECT_BOARD(actual, expected) EXPECT_PRED_FORMAT2(::core::testing::sameBoard, actual, expected)
