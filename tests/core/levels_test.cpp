#include "board_pictures.h"
#include "game.h"
#include "levels.h"
#include "solver.h"

namespace core {
namespace {

using testing::board;

struct LevelCase {
    LevelNumber number;
    const char* name;
    const char* caption;
    const char* menuCaption;
    int pegs;
    const char* picture;
};

const LevelCase kLevels[] = {
    {1, "Croce", "Livello 1:", "&1 - Croce", 6,
     ". . o o o . .\n. . o X o . .\no o X X X o o\no o o X o o o\no o o X o o o\n. . o o o . .\n. . o o o . .\n"},
    {2, "Plus", "Livello 2:", "&2 - Plus", 9,
     ". . o o o . .\n. . o X o . .\no o o X o o o\no X X X X X o\no o o X o o o\n. . o X o . .\n. . o o o . .\n"},
    {3, "Caminetto", "Livello 3:", "&3 - Caminetto", 11,
     ". . X X X . .\n. . X X X . .\no o X X X o o\no o X o X o o\no o o o o o o\n. . o o o . .\n. . o o o . .\n"},
    {4, "Freccia", "Livello 4:", "&4 - Freccia", 17,
     ". . o X o . .\n. . X X X . .\no X X X X X o\no o o X o o o\no o o X o o o\n. . X X X . .\n. . X X X . .\n"},
    {5, "Piramide", "Livello 5:", "&5 - Piramide", 16,
     ". . o o o . .\n. . o X o . .\no o X X X o o\no X X X X X o\nX X X X X X X\n. . o o o . .\n. . o o o . .\n"},
    {6, "Diamante", "Livello 6:", "&6 - Diamante", 24,
     ". . o X o . .\n. . X X X . .\no X X X X X o\nX X X o X X X\no X X X X X o\n. . X X X . .\n. . o X o . .\n"},
    {7, "Solitario", "Livello 7:", "&7 - Solitario", 32,
     ". . X X X . .\n. . X X X . .\nX X X X X X X\nX X X o X X X\nX X X X X X X\n. . X X X . .\n. . X X X . .\n"},
};

TEST(LevelCatalogue, GivesEachLevelItsStartPictureNameAndCaptionsWhichALevelStartShows)
{
    Game game;
    game.Form_Load();
    for (const LevelCase& level : kLevels) {
        SCOPED_TRACE(level.name);
        const Level& info = levelInfo(level.number);
        EXPECT_EQ(info.number, level.number);
        EXPECT_EQ(info.name, level.name);
        EXPECT_EQ(info.caption, level.caption);
        EXPECT_EQ(info.menuCaption, level.menuCaption);
        EXPECT_BOARD(startBoard(level.number), board(level.picture));
        EXPECT_EQ(startBoard(level.number).pegCount(), level.pegs);
        game.startLevel(level.number);
        EXPECT_BOARD(game.board(), board(level.picture));
        EXPECT_EQ(game.level(), level.number);
        EXPECT_EQ(game.levelCaption(), level.caption);
        EXPECT_EQ(game.levelName(), level.name);
    }
}

TEST(LevelStart, LaysOutExactlyThePatternOverAnyPosition)
{
    for (LevelNumber from = kFirstLevel; from <= kLastLevel; ++from) {
        // Part way through a game of `from`, with a peg selected.
        const testing::Moves& solution = testing::solutionOf(from);
        Game played = testing::gameAfter(from, testing::Moves(solution.begin(), solution.begin() + 2));
        played.pct_Click(solution[2].from);
        ASSERT_NE(played.board().selectedCell(), kNoCell);
        for (LevelNumber to = kFirstLevel; to <= kLastLevel; ++to) {
            SCOPED_TRACE("level " + std::to_string(to) + " over a game of level " + std::to_string(from));
            Game game = played;
            game.startLevel(to);
            EXPECT_BOARD(game.board(), startBoard(to));
        }
    }
}

TEST(GameWindowLoad, StartsFromAnEmptyBoardAndOpensOnLevelOneAsItsMenuEntryWould)
{
    Game game;
    EXPECT_BOARD(game.board(), Board{});
    game.Form_Load();
    Game fromMenu;
    fromMenu.startLevel(1);
    EXPECT_BOARD(game.board(), fromMenu.board());
    EXPECT_EQ(game.level(), 1);
    EXPECT_EQ(game.levelCaption(), "Livello 1:");
    EXPECT_EQ(game.levelName(), "Croce");
    EXPECT_FALSE(game.isGameOver());
    EXPECT_FALSE(game.canUndo());
    EXPECT_FALSE(game.overNoticeVisible());
    EXPECT_FALSE(game.variantNoticeVisible());
}

} // namespace
} // namespace core
