// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The levels, held to pictures of them. The jumps are the referee's, worked
// out afresh from the grid; how the game plays is held to the referee by the
// window tests, which play every action through it; the patterns of level 7
// are held to the pictures of "Le varianti" there.

#include "core/levels.h"
#include "pictures.h"

#include <gtest/gtest.h>

namespace core::testing {

const char* const kPictures[7] = {
    "..ooo.. ..ooo.. ..XXX.. ..oXo.. ..ooo.. ..oXo.. ..XXX..",
    "..oXo.. ..oXo.. ..XXX.. ..XXX.. ..oXo.. ..XXX.. ..XXX..",
    "ooXXXoo oooXooo ooXXXoo oXXXXXo ooXXXoo oXXXXXo XXXXXXX",
    "oooXooo oXXXXXo ooXoXoo oooXooo oXXXXXo XXXoXXX XXXoXXX",
    "oooXooo oooXooo ooooooo oooXooo XXXXXXX oXXXXXo XXXXXXX",
    "..ooo.. ..oXo.. ..ooo.. ..XXX.. ..ooo.. ..XXX.. ..XXX..",
    "..ooo.. ..ooo.. ..ooo.. ..XXX.. ..ooo.. ..oXo.. ..XXX..",
};

// Their names are in the game window's menu, held to its accessibility tree.
TEST(Levels, StartFromTheirPictures)
{
    for (LevelNumber level = kFirstLevel; level <= kLastLevel; ++level)
        EXPECT_EQ(startBoard(level), pictureIn(kPictures, static_cast<std::size_t>(level - 1))) << "level " << level;
}

} // namespace core::testing
