// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader hears of the real program, action by action: each
// action said once, a notice only while it shows, the board's overview and
// keys, and the variants' pictures.

#include "driver.h"

#include "board/boardview.h"
#include "forms/frmgioco.h"
#include "forms/frmvarianti.h"

#include <QAccessible>

#include <gtest/gtest.h>

namespace {

QAccessibleInterface* told(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

struct Hearing : ::testing::Test {
    void SetUp() override
    {
        driver.run("Enter on frminizio");
        Driver::heard();
    }
    void key(int k, Qt::KeyboardModifiers mods = {}) { driver.key(ui::WindowId::Gioco, k, mods); }
    void press(core::CellIndex cell)
    {
        driver.window(ui::WindowId::Gioco)->findChild<QWidget*>(cellName(cell))->setFocus();
        key(Qt::Key_Space);
    }
    Driver driver;
};

} // namespace

TEST_F(Hearing, EachActionIsSaidOnceAndALostGameEndsOnce)
{
    QAccessibleInterface* board = told(static_cast<ui::FrmGioco*>(driver.window(ui::WindowId::Gioco))->boardView());
    EXPECT_EQ(board->text(QAccessible::Name), "Livello 1, Croce, 6 pedine");
    for (core::CellIndex cell : {17, 29, 5, 17, 17})
        press(cell);
    EXPECT_EQ(board->text(QAccessible::Name), "Livello 1, Croce, 4 pedine");
    key(Qt::Key_Z, Qt::ControlModifier), key(Qt::Key_Z, Qt::ControlModifier), key(Qt::Key_F2);
    press(1), key(Qt::Key_Up), press(10), press(10);
    EXPECT_EQ(Driver::heard(), QStringList({"selezionata", "mangiata 5, 4", "selezionata",
                                            "Non ci sono più mosse possibili. mangiata 3, 4", "tavola bloccata",
                                            "annullata, tornano 2, 4 e 3, 4", "niente da annullare",
                                            "ricominciato, Livello 1, Croce, 6 pedine", "nessuna mossa", "bordo",
                                            "selezionata", "deselezionata"}));
    EXPECT_EQ(told(driver.window(ui::WindowId::Gioco)->findChild<QWidget*>("annuncio"))->parent()->role(),
              QAccessible::StatusBar);
    EXPECT_TRUE(board->text(QAccessible::Help).contains("Invio, seleziona o salta. Ctrl+Z, annulla. F2, ricomincia"));
}

TEST_F(Hearing, AWonGameNeverSaysThereAreNoMovesLeft)
{
    for (core::CellIndex cell : {10, 8, 24, 10, 11, 9, 8, 10, 5, 17})
        press(cell);
    EXPECT_EQ(Driver::heard(), QStringList({"selezionata", "mangiata 3, 3", "selezionata", "mangiata 4, 4",
                                            "selezionata", "mangiata 3, 4", "selezionata", "mangiata 3, 3",
                                            "selezionata", "mangiata 3, 4"}));
}

TEST(Varianti, EachPictureIsNamedAfterItsPatternAndSaysWhereItsPegsAre)
{
    ui::FrmVarianti varianti;
    QAccessibleInterface* quadrato = told(varianti.findChild<QWidget*>("Picture2"));
    EXPECT_EQ(quadrato->text(QAccessible::Name), "Il quadrato");
    EXPECT_EQ(quadrato->text(QAccessible::Description),
              "Pedine in riga 3, colonne 3 4 5. riga 4, colonne 3 5. riga 5, colonne 3 4 5");
}
