// Ways through the program: start, solve, move on, leave.

#include "windows_fixture.h"

#include "frmgioco.h"
#include "frminfo.h"
#include "frminizio.h"
#include "frmistruzioni.h"
#include "frmscelta.h"
#include "frmstoria.h"
#include "levels.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

bool overNoticeShown(const ui::FrmGioco* game)
{
    return game->findChild<QWidget*>("shpover")->isVisible() && game->findChild<QWidget*>("lblover")->isVisible();
}

bool isChecked(const ui::FrmGioco* game, int level)
{
    return game->findChild<QAction*>(QStringLiteral("mnu%1").arg(level))->isChecked();
}

} // namespace

TEST_F(WindowsTest, StartScreenAloneLeadsToLevelOneAndGoes)
{
    ui::FrmInizio* start = windows->frminizio();
    ui::Windows::present(start);
    EXPECT_EQ(windows->loadedCount(), 1);
    EXPECT_EQ(start->windowTitle(), "Zibbet");
    EXPECT_EQ(start->size(), QSize(345, 362));
    QPushButton* cmdvai = button(start, "cmdvai");
    EXPECT_EQ(cmdvai->geometry(), QRect(296, 312, 41, 41));
    EXPECT_EQ(cmdvai->toolTip(), "Comincia");
    EXPECT_FALSE(cmdvai->icon().isNull());
    EXPECT_EQ(start->findChild<QWidget*>("Picture1")->geometry(), QRect(48, 32, 249, 81));
    EXPECT_EQ(start->findChild<QWidget*>("Picture2")->geometry(), QRect(40, 144, 265, 193));

    ui::FrmGioco* gioco = openGame();
    ASSERT_NE(gioco, nullptr);
    EXPECT_TRUE(gioco->isVisible());
    EXPECT_EQ(windows->loaded(ui::WindowId::Inizio), nullptr);
    EXPECT_EQ(gioco->game().level(), 1);
    EXPECT_EQ(endedCount, 0) << "the game window was shown before the start screen went";
}

TEST_F(WindowsTest, SolvingALevelOpensTheDialogWithTheNoticeHiddenAndFocusOnStessoLivello)
{
    ui::FrmGioco* gioco = openGame();
    ui::FrmScelta* scelta = solve(1);
    ASSERT_NE(scelta, nullptr);
    EXPECT_TRUE(scelta->isVisible());
    EXPECT_EQ(scelta->windowTitle(), "Complimenti!");
    EXPECT_EQ(scelta->size(), QSize(345, 177));
    EXPECT_EQ(scelta->livello(), 1);
    EXPECT_FALSE(overNoticeShown(gioco));
    EXPECT_TRUE(gioco->game().isGameOver()) << "the board stays locked behind the dialog";
    EXPECT_EQ(scelta->focusWidget(), button(scelta, "cmdstesso"));
    EXPECT_EQ(label(scelta, "lblmess")->text(), "Hai superato il livello!");
    EXPECT_EQ(label(scelta, "Label2")->text(), "Cosa vuoi fare?");
    EXPECT_EQ(button(scelta, "cmdstesso")->text(), "Stesso livello");
    EXPECT_EQ(button(scelta, "cmdsuccessivo")->text(), "Livello successivo");
    EXPECT_EQ(button(scelta, "cmdesci")->text(), "Esci");
    EXPECT_EQ(button(scelta, "cmdsuccessivo")->geometry(), QRect(128, 112, 89, 49));

    activate(scelta);
    press(scelta, Qt::Key_Tab);
    press(scelta, Qt::Key_Return);
    EXPECT_EQ(dialog(), nullptr) << "Enter presses the focused button";
    EXPECT_EQ(gioco->game().level(), 2);
    EXPECT_TRUE(isChecked(gioco, 2));
    EXPECT_EQ(label(gioco, "lblnome")->text(), "Plus");
}

TEST_F(WindowsTest, StessoLivelloRestartsTheSolvedLevelEvenAfterAnotherWasChosen)
{
    ui::FrmGioco* gioco = openGame();
    trigger("mnu3");
    ui::FrmScelta* scelta = solve(3);
    ASSERT_NE(scelta, nullptr);
    trigger("mnu5");
    QTest::mouseClick(button(scelta, "cmdstesso"), Qt::LeftButton);
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(shownBoard(), core::pictureOf(core::startBoard(3)));
    EXPECT_TRUE(isChecked(gioco, 3));
    EXPECT_EQ(gioco->game().level(), 3) << "board, check mark and level agree";
    EXPECT_FALSE(entry("mnuannulla")->isEnabled());
    EXPECT_FALSE(gioco->game().isGameOver());
}

TEST_F(WindowsTest, LivelloSuccessivoAfterTheLastLevelKeepsTheSolvedBoard)
{
    ui::FrmGioco* gioco = openGame();
    trigger("mnu7");
    ui::FrmScelta* scelta = solve(7);
    ASSERT_NE(scelta, nullptr);
    const std::string solved = shownBoard();
    QTest::mouseClick(button(scelta, "cmdsuccessivo"), Qt::LeftButton);
    EXPECT_EQ(shownBoard(), solved) << "no level after the last";
    EXPECT_TRUE(isChecked(gioco, 7));
    EXPECT_FALSE(gioco->game().isGameOver());
    clickCell(1);
    ASSERT_NE(dialog(), nullptr) << "one peg is still left: the next click opens the dialog again";
    EXPECT_EQ(dialog()->livello(), 7);
}

TEST_F(WindowsTest, AnOpenDialogIsOnlyRaisedAndClosingItLeavesTheLockedBoard)
{
    ui::FrmGioco* gioco = openGame();
    ui::FrmScelta* scelta = solve(1);
    ASSERT_NE(scelta, nullptr);
    trigger("mnuannulla");
    play({solutionOf(1).back()});
    EXPECT_EQ(dialog(), scelta) << "not loaded a second time";
    EXPECT_TRUE(overNoticeShown(gioco)) << "only a fresh load hides the notice";
    trigger("mnu2");
    solve(2);
    EXPECT_EQ(scelta->livello(), 1) << "livello is read once, at load";

    scelta->close();
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_TRUE(gioco->game().isGameOver());
    EXPECT_EQ(endedCount, 0);
}

class DialogExitTest : public WindowsTest, public ::testing::WithParamInterface<bool> {};

TEST_P(DialogExitTest, EndsTheProgramAtOnceWithEveryWindow)
{
    openGame();
    ui::Windows::present(windows->frmstoria());
    ui::FrmScelta* scelta = solve(1);
    ASSERT_NE(scelta, nullptr);
    const QList<QWidget*> shown{game(), scelta, windows->loaded(ui::WindowId::Storia)};
    if (GetParam())
        press(scelta, Qt::Key_Escape);
    else
        QTest::mouseClick(button(scelta, "cmdesci"), Qt::LeftButton);
    EXPECT_EQ(endedCount, 1);
    EXPECT_EQ(windows->loadedCount(), 0);
    for (QWidget* w : shown)
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(EscapeAndEsci, DialogExitTest, ::testing::Values(true, false),
                         [](const auto& p) { return p.param ? "Escape" : "Esci"; });

TEST_F(WindowsTest, ProgramEndsByDelOrWhenTheLastWindowCloses)
{
    ui::Windows::present(windows->frminizio());
    windows->frminizio()->close();
    EXPECT_EQ(endedCount, 1) << "closing the start screen ends the program";

    SetUp();
    ui::FrmGioco* gioco = openGame();
    ui::Windows::present(windows->frmistruzioni());
    gioco->close();
    EXPECT_EQ(endedCount, 0) << "the instructions are still open";
    windows->frmistruzioni()->close();
    EXPECT_EQ(endedCount, 1);

    SetUp();
    gioco = openGame();
    ui::Windows::present(windows->frminfo());
    activate(gioco);
    press(gioco, Qt::Key_Delete);
    EXPECT_EQ(endedCount, 1);
    EXPECT_EQ(windows->loadedCount(), 0);
}

TEST_F(WindowsTest, DialogButtonsBringBackAFreshGameWindowIfItWasClosed)
{
    ui::FrmGioco* gioco = openGame();
    trigger("mnu2");
    ui::FrmScelta* scelta = solve(2);
    gioco->close();
    QTest::mouseClick(button(scelta, "cmdsuccessivo"), Qt::LeftButton);
    ASSERT_NE(game(), nullptr);
    EXPECT_NE(game(), gioco);
    EXPECT_TRUE(game()->isVisible());
    EXPECT_EQ(game()->game().level(), 3) << "loaded on level 1, then the next level after 2";
    EXPECT_EQ(endedCount, 0);
}
