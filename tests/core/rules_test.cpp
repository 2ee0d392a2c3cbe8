// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The data of the rules, held to pictures of them: the levels and the
// patterns. The jumps are the referee's, worked out afresh from the grid, and
// how the game plays it all is held to the referee in play_test.

#include "solver.h"

#include <gtest/gtest.h>

namespace core::testing {

const char* const kPictures[7] = {
    "..ooo.. ..ooo.. ..XXX.. ..oXo.. ..ooo.. ..oXo.. ..XXX.. ..XXX.. ..ooo.. ..ooX..",
    "..oXo.. ..oXo.. ..XXX.. ..XXX.. ..oXo.. ..XXX.. ..XXX.. ..XoX.. ..ooo.. ..oXo..",
    "ooXXXoo oooXooo ooXXXoo oXXXXXo ooXXXoo oXXXXXo XXXXXXX XXXoXXX ooXXXoo XoXoXoo",
    "oooXooo oXXXXXo ooXoXoo oooXooo oXXXXXo XXXoXXX XXXoXXX XoooooX ooXoXoo oXoooXo",
    "oooXooo oooXooo ooooooo oooXooo XXXXXXX oXXXXXo XXXXXXX XXXoXXX ooXXXoo ooXoXoX",
    "..ooo.. ..oXo.. ..ooo.. ..XXX.. ..ooo.. ..XXX.. ..XXX.. ..XoX.. ..ooo.. ..oXo..",
    "..ooo.. ..ooo.. ..ooo.. ..XXX.. ..ooo.. ..oXo.. ..XXX.. ..XXX.. ..ooo.. ..Xoo..",
};

TEST(Levels, StartFromTheirPicturesWithTheirNamesAndCaptions)
{
    const char* const names[] = {"Croce", "Plus", "Caminetto", "Freccia", "Piramide", "Diamante", "Solitario"};
    for (LevelNumber level = kFirstLevel; level <= kLastLevel; ++level) {
        const auto i = static_cast<std::size_t>(level - 1);
        const std::string name = names[i], number = std::to_string(level);
        EXPECT_EQ(startBoard(level), pictureIn(kPictures, i)) << name;
        EXPECT_EQ(levelInfo(level).name, name);
        EXPECT_EQ(levelInfo(level).caption, "Livello " + number + ":");
    }
}

TEST(Variants, AreTheWallTheSquareAndThePropellerDrawnByTheirPictures)
{
    const char* const names[] = {"Il muro", "Il quadrato", "L'elica"};
    ASSERT_EQ(patterns().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(patterns()[i].name, names[i]);
        EXPECT_EQ(patternBoard(patterns()[i].variant), pictureIn(kPictures, 7 + i));
    }
}

} // namespace core::testing
