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

QStringList checkedLevels(const ui::FrmGioco* game)
{
    QStringList checked;
    for (QAction* action : game->findChild<QMenu*>("mnulivello")->actions())
        if (action->isChecked())
            checked << action->objectName();
    return checked;
}

bool overNoticeShown(const ui::FrmGioco* game)
{
    const bool disc = game->findChild<QWidget*>("shpover")->isVisible();
    EXPECT_EQ(disc, game->findChild<QWidget*>("lblover")->isVisible()) << "a notice shows as a pair";
    return disc;
}

} // namespace

TEST_F(WindowsTest, GameWindowOpensOnLevelOneWithTheDesignedLayout)
{
    ui::FrmGioco* gioco = openGame();
    ASSERT_NE(gioco, nullptr);
    ui::BoardView* board = gioco->boardView();
    EXPECT_EQ(gioco->windowTitle(), "Zibbet");
    EXPECT_EQ(board->size(), QSize(345, 346));
    EXPECT_EQ(gioco->size(), QSize(345, 346 + gioco->menuBar()->height())) << "client area below the menu bar";
    EXPECT_EQ(gioco->minimumSize(), gioco->maximumSize()) << "the window cannot be resized";
    EXPECT_FALSE(gioco->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    for (core::CellIndex i = 1; i <= core::kCellCount; ++i) {
        const core::GridPos pos = core::gridPosOf(i);
        auto* cell = board->findChild<ui::CellWidget*>(QStringLiteral("pct(%1)").arg(i));
        ASSERT_NE(cell, nullptr) << i;
        EXPECT_EQ(cell->geometry(), QRect(40 * pos.col, 40 * pos.row, 25, 25)) << "cell " << i;
    }
    const std::pair<const char*, QRect> places[] = {
        {"shpover", {248, 24, 73, 73}},     {"lblover", {256, 32, 57, 57}}, {"shpvariante", {248, 248, 73, 73}},
        {"lblvariante", {252, 256, 65, 57}}, {"Image1", {8, 328, 82, 11}},
    };
    for (const auto& [name, rect] : places)
        EXPECT_EQ(board->findChild<QWidget*>(name)->geometry(), rect) << name;
    EXPECT_EQ(label(gioco, "lblover")->text(), "Non ci sono più mosse possibili");
    EXPECT_EQ(label(gioco, "lblvariante")->text(), "Hai completato una variante");
    EXPECT_EQ(label(gioco, "lblover")->font().pixelSize(), 11) << "8.25 pt at 96 dpi";

    EXPECT_EQ(shownBoard(), core::pictureOf(core::startBoard(1)));
    EXPECT_FALSE(overNoticeShown(gioco));
    EXPECT_FALSE(board->findChild<QWidget*>("shpvariante")->isVisible());
    EXPECT_FALSE(label(gioco, "lbllivello")->isVisible());
    EXPECT_EQ(label(gioco, "lbllivello")->text(), "Livello 1:");
    EXPECT_EQ(label(gioco, "lblnome")->text(), "Croce");
    EXPECT_EQ(checkedLevels(gioco), QStringList{"mnu1"});
    EXPECT_FALSE(entry("mnuannulla")->isEnabled());
}

TEST_F(WindowsTest, MenusHaveTheirCaptionsShortcutsAndOrder)
{
    ui::FrmGioco* gioco = openGame();
    // name: caption: shortcut, one entry per item, "-" for a separator
    const QStringList expected[] = {
        {"mnugioco:&Gioco:", "mnuricomincia:&Ricomincia:F2", "mnuannulla:&Annulla:Ctrl+Z", "-",
         "mnuesci:&Esci:Del"},
        {"mnulivello:&Livello:", "mnu1:&1 - Croce:", "mnu2:&2 - Plus:", "mnu3:&3 - Caminetto:",
         "mnu4:&4 - Freccia:", "mnu5:&5 - Piramide:", "mnu6:&6 - Diamante:", "mnu7:&7 - Solitario:"},
        {"mnuaiuto:&Aiuto:", "mnustoria:&Storia del gioco:F3", "mnuistruzioni:&Istruzioni:F4",
         "mnuvarianti:&Varianti:F5", "-", "mnuinfo:I&nformazioni:F6"},
    };
    const QList<QAction*> menus = gioco->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    for (int m = 0; m < 3; ++m) {
        QMenu* menu = menus[m]->menu();
        QStringList shown{menu->objectName() + ':' + menu->title() + ':'};
        for (QAction* a : menu->actions())
            shown << (a->isSeparator() ? QStringLiteral("-")
                                       : a->objectName() + ':' + a->text() + ':' + a->shortcut().toString());
        EXPECT_EQ(shown, expected[m]);
    }
}

TEST_F(WindowsTest, ClicksSelectMoveAndDropTheSelectionAndMakeJumps)
{
    openGame();
    clickCell(9);
    clickCell(10);
    EXPECT_EQ(game()->game().board().selectedCell(), 10) << "the selection moves without a jump";
    clickCell(10);
    EXPECT_EQ(shownBoard(), core::pictureOf(core::startBoard(1))) << "a click on the selected peg drops it";
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
}

TEST_F(WindowsTest, KeyboardRestartsUndoesAndChoosesLevels)
{
    ui::FrmGioco* gioco = openGame();
    const std::string level1 = core::pictureOf(core::startBoard(1));
    play({{10, 12}});
    press(gioco, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shownBoard(), level1);
    EXPECT_FALSE(entry("mnuannulla")->isEnabled()) << "one step of undo only";

    play({{10, 12}});
    press(gioco, Qt::Key_F2);
    EXPECT_EQ(shownBoard(), level1);
    EXPECT_FALSE(entry("mnuannulla")->isEnabled());

    press(gioco, Qt::Key_L, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << "Alt+L opens the level menu";
    QTest::keyClick(popup, Qt::Key_3);
    EXPECT_EQ(checkedLevels(gioco), QStringList{"mnu3"});
    EXPECT_EQ(label(gioco, "lblnome")->text(), "Caminetto");
    EXPECT_EQ(shownBoard(), core::pictureOf(core::startBoard(3)));
}

TEST_F(WindowsTest, BoardLocksWithTheNoticeWhenNoJumpIsLeftAndUndoLiftsIt)
{
    ui::FrmGioco* gioco = openGame();
    play({{10, 2}});
    ASSERT_FALSE(overNoticeShown(gioco));
    play({{17, 29}}); // leaves 2, 9, 11 and 29: no two pegs side by side
    EXPECT_TRUE(overNoticeShown(gioco));
    const std::string locked = shownBoard();
    clickCell(9);
    EXPECT_EQ(shownBoard(), locked) << "clicks are ignored while the board is locked";

    trigger("mnuannulla");
    EXPECT_FALSE(overNoticeShown(gioco));
    clickCell(9);
    EXPECT_EQ(gioco->game().board().selectedCell(), 9) << "the board takes clicks again";
}
