// The game window: its layout, its menus, and a game played with mouse and
// keyboard.

#include "windows_fixture.h"

#include "boardview.h"
#include "cellwidget.h"
#include "frmgioco.h"
#include "geometry.h"
#include "levels.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

const char* const kLevel1 =
    ". . o o o . .\n"
    ". . o X o . .\n"
    "o o X X X o o\n"
    "o o o X o o o\n"
    "o o o X o o o\n"
    ". . o o o . .\n"
    ". . o o o . .\n";

QStringList checkedLevels(const ui::FrmGioco* game)
{
    QStringList checked;
    for (int n = 1; n <= 7; ++n) {
        auto* action = game->findChild<QAction*>(QStringLiteral("mnu%1").arg(n));
        if (action && action->isChecked())
            checked << action->objectName();
    }
    return checked;
}

bool noticeShown(const ui::FrmGioco* game, const char* disc, const char* label)
{
    const auto* shape = game->findChild<QWidget*>(QString::fromLatin1(disc));
    const auto* text = game->findChild<QLabel*>(QString::fromLatin1(label));
    EXPECT_EQ(shape->isVisible(), text->isVisible()) << "a notice shows as a pair";
    return shape->isVisible() && text->isVisible();
}

} // namespace

TEST_F(WindowsTest, GameWindowHasTheDesignedClientAreaCellsAndNotices)
{
    ui::FrmGioco* gioco = openGame();
    ASSERT_NE(gioco, nullptr);
    ui::BoardView* board = gioco->boardView();
    EXPECT_EQ(gioco->windowTitle(), "Zibbet");
    EXPECT_EQ(board->size(), QSize(345, 346));
    EXPECT_EQ(board->mapTo(gioco, QPoint(0, 0)), QPoint(0, gioco->menuBar()->height()));
    EXPECT_EQ(gioco->size(), QSize(345, 346 + gioco->menuBar()->height()));
    EXPECT_EQ(gioco->minimumSize(), gioco->maximumSize()) << "the window cannot be resized";
    EXPECT_FALSE(gioco->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    for (core::CellIndex i = 1; i <= core::kCellCount; ++i) {
        const core::GridPos pos = core::gridPosOf(i);
        ui::CellWidget* cell = board->findChild<ui::CellWidget*>(QStringLiteral("pct(%1)").arg(i));
        ASSERT_NE(cell, nullptr) << i;
        EXPECT_EQ(cell->geometry(), QRect(40 * pos.col, 40 * pos.row, 25, 25)) << "cell " << i;
    }
    const auto geometryOf = [&](const char* name) {
        return board->findChild<QWidget*>(QString::fromLatin1(name))->geometry();
    };
    EXPECT_EQ(geometryOf("shpover"), QRect(248, 24, 73, 73));
    EXPECT_EQ(geometryOf("lblover"), QRect(256, 32, 57, 57));
    EXPECT_EQ(geometryOf("shpvariante"), QRect(248, 248, 73, 73));
    EXPECT_EQ(geometryOf("lblvariante"), QRect(252, 256, 65, 57));
    EXPECT_EQ(geometryOf("Image1"), QRect(8, 328, 82, 11));
    EXPECT_EQ(label(gioco, "lblover")->text(), "Non ci sono più mosse possibili");
    EXPECT_EQ(label(gioco, "lblvariante")->text(), "Hai completato una variante");
    EXPECT_EQ(label(gioco, "lblover")->font().pixelSize(), 11) << "8.25 pt at 96 dpi";
    EXPECT_TRUE(label(gioco, "lblover")->font().bold());
}

TEST_F(WindowsTest, GameWindowOpensOnLevelOneWithBothNoticesAndTheLevelLabelsHidden)
{
    ui::FrmGioco* gioco = openGame();
    EXPECT_EQ(shownBoard(), kLevel1);
    EXPECT_FALSE(noticeShown(gioco, "shpover", "lblover"));
    EXPECT_FALSE(noticeShown(gioco, "shpvariante", "lblvariante"));
    EXPECT_FALSE(label(gioco, "lbllivello")->isVisible());
    EXPECT_FALSE(label(gioco, "lblnome")->isVisible());
    EXPECT_EQ(label(gioco, "lbllivello")->text(), "Livello 1:");
    EXPECT_EQ(label(gioco, "lblnome")->text(), "Croce");
    EXPECT_EQ(checkedLevels(gioco), QStringList{"mnu1"});
    EXPECT_FALSE(entry("mnuannulla")->isEnabled());
}

TEST_F(WindowsTest, MenusHaveTheirCaptionsShortcutsAndOrder)
{
    ui::FrmGioco* gioco = openGame();
    struct Row {
        const char* name;
        const char* caption;
        const char* shortcut;
    };
    const std::vector<std::pair<const char*, std::vector<Row>>> expected{
        {"&Gioco",
         {{"mnuricomincia", "&Ricomincia", "F2"},
          {"mnuannulla", "&Annulla", "Ctrl+Z"},
          {"mnusepara", "", ""},
          {"mnuesci", "&Esci", "Del"}}},
        {"&Livello",
         {{"mnu1", "&1 - Croce", ""},
          {"mnu2", "&2 - Plus", ""},
          {"mnu3", "&3 - Caminetto", ""},
          {"mnu4", "&4 - Freccia", ""},
          {"mnu5", "&5 - Piramide", ""},
          {"mnu6", "&6 - Diamante", ""},
          {"mnu7", "&7 - Solitario", ""}}},
        {"&Aiuto",
         {{"mnustoria", "&Storia del gioco", "F3"},
          {"mnuistruzioni", "&Istruzioni", "F4"},
          {"mnuvarianti", "&Varianti", "F5"},
          {"mnusepara2", "", ""},
          {"mnuinfo", "I&nformazioni", "F6"}}},
    };
    const QList<QAction*> menus = gioco->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    for (std::size_t m = 0; m < expected.size(); ++m) {
        QMenu* menu = menus[int(m)]->menu();
        EXPECT_EQ(menu->title(), expected[m].first);
        const QList<QAction*> entries = menu->actions();
        ASSERT_EQ(entries.size(), int(expected[m].second.size())) << expected[m].first;
        for (std::size_t e = 0; e < expected[m].second.size(); ++e) {
            const Row& row = expected[m].second[e];
            EXPECT_EQ(entries[int(e)]->objectName(), row.name);
            EXPECT_EQ(entries[int(e)]->text(), row.caption) << row.name;
            EXPECT_EQ(entries[int(e)]->shortcut().toString(), row.shortcut) << row.name;
            EXPECT_EQ(entries[int(e)]->isSeparator(), *row.caption == '\0') << row.name;
        }
    }
    EXPECT_EQ(gioco->findChild<QMenu*>("mnugioco"), menus[0]->menu());
    EXPECT_EQ(gioco->findChild<QMenu*>("mnulivello"), menus[1]->menu());
    EXPECT_EQ(gioco->findChild<QMenu*>("mnuaiuto"), menus[2]->menu());
}

TEST_F(WindowsTest, ClicksSelectMoveAndDropTheSelectionAndMakeJumps)
{
    openGame();
    clickCell(9);
    clickCell(10);
    EXPECT_EQ(shownBoard(),
              ". . o o o . .\n"
              ". . o X o . .\n"
              "o o X * X o o\n"
              "o o o X o o o\n"
              "o o o X o o o\n"
              ". . o o o . .\n"
              ". . o o o . .\n");
    clickCell(10);
    EXPECT_EQ(shownBoard(), kLevel1) << "a click on the selected peg drops the selection";
    clickCell(10);
    clickCell(12);
    EXPECT_EQ(shownBoard(),
              ". . o o o . .\n"
              ". . o X o . .\n"
              "o o X o o X o\n"
              "o o o X o o o\n"
              "o o o X o o o\n"
              ". . o o o . .\n"
              ". . o o o . .\n");
    EXPECT_TRUE(entry("mnuannulla")->isEnabled());
    clickCell(1);
    EXPECT_EQ(game()->game().board().selectedCell(), core::kNoCell) << "an empty hole with nothing selected";
}

TEST_F(WindowsTest, ShortcutsRestartUndoAndTheLevelMenuWorkFromTheKeyboard)
{
    ui::FrmGioco* gioco = openGame();
    play({{10, 12}});
    ASSERT_TRUE(entry("mnuannulla")->isEnabled());

    press(gioco, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shownBoard(), kLevel1);
    EXPECT_FALSE(entry("mnuannulla")->isEnabled()) << "one step of undo only";

    play({{10, 12}});
    press(gioco, Qt::Key_F2);
    EXPECT_EQ(shownBoard(), kLevel1);
    EXPECT_FALSE(entry("mnuannulla")->isEnabled());

    press(gioco, Qt::Key_L, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << "Alt+L opens the level menu";
    EXPECT_EQ(popup->objectName(), "mnulivello");
    QTest::keyClick(popup, Qt::Key_3);
    EXPECT_EQ(checkedLevels(gioco), QStringList{"mnu3"});
    EXPECT_EQ(gioco->game().level(), 3);
    EXPECT_EQ(label(gioco, "lblnome")->text(), "Caminetto");
    EXPECT_EQ(game()->game().board().pegCount(), 11);
}

TEST_F(WindowsTest, LevelMenuChecksExactlyTheLevelStarted)
{
    ui::FrmGioco* gioco = openGame();
    for (int n : {7, 2, 5, 5, 1}) {
        trigger(QStringLiteral("mnu%1").arg(n).toLatin1().constData());
        EXPECT_EQ(checkedLevels(gioco), QStringList{QStringLiteral("mnu%1").arg(n)});
        EXPECT_EQ(label(gioco, "lbllivello")->text(), QStringLiteral("Livello %1:").arg(n));
        EXPECT_EQ(shownBoard(), core::pictureOf(core::startBoard(n)));
    }
}

TEST_F(WindowsTest, BoardLocksWithTheNoticeWhenNoJumpIsLeftAndUndoLiftsIt)
{
    ui::FrmGioco* gioco = openGame();
    play({{10, 2}});
    ASSERT_FALSE(noticeShown(gioco, "shpover", "lblover"));
    play({{17, 29}}); // leaves 2, 9, 11 and 29: no two pegs side by side
    ASSERT_TRUE(gioco->game().isGameOver());
    EXPECT_TRUE(noticeShown(gioco, "shpover", "lblover"));
    const std::string locked = shownBoard();
    clickCell(9);
    EXPECT_EQ(shownBoard(), locked) << "clicks are ignored while the board is locked";

    trigger("mnuannulla");
    EXPECT_FALSE(noticeShown(gioco, "shpover", "lblover"));
    clickCell(9);
    EXPECT_EQ(gioco->game().board().selectedCell(), 9) << "the board takes clicks again";
}
