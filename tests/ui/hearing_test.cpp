// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader hears from the real program: every notification
// that shows, with its name and description, and the word it adds for a
// selection event.

#include "driver.h"
#include "board/boardview.h"
#include "forms/frmgioco.h"
#include "forms/frmvarianti.h"

#include <QApplication>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <gtest/gtest.h>

namespace {

QStringList heard;
QAccessible::UpdateHandler passOn = nullptr;

QAccessibleInterface* told(QObject* o) { return QAccessible::queryAccessibleInterface(o); }

struct Hearing : ::testing::Test {
    void SetUp() override
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        passOn = QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
            QAccessibleInterface* shown = e->type() == QAccessible::ObjectShow ? e->accessibleInterface() : nullptr;
            const QString more = shown ? shown->text(QAccessible::Description) : QString();
            if (shown && shown->role() == QAccessible::Notification)
                heard << shown->text(QAccessible::Name) + (more.isEmpty() ? "" : ". " + more);
            if (e->type() == QAccessible::SelectionAdd || e->type() == QAccessible::Selection)
                heard << "selezionato"; // what Orca says of its own on a selection event
            if (passOn)
                passOn(e);
        });
        program.start();
        QTest::keyClick(program.loaded(ui::WindowId::Inizio)->focusWidget(), Qt::Key_Return);
        game = static_cast<ui::FrmGioco*>(program.loaded(ui::WindowId::Gioco));
        QApplication::setActiveWindow(game); // shortcuts need it
        heard.clear();
    }
    void TearDown() override { QAccessible::installUpdateHandler(passOn); }
    void key(int k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(game->focusWidget(), Qt::Key(k), mods); }
    void press(core::CellIndex cell) { game->findChild<QWidget*>(cellName(cell))->setFocus(), key(Qt::Key_Space); }
    ui::Program program;
    ui::FrmGioco* game = nullptr;
};

TEST_F(Hearing, EachActionIsSaidOnceAndALostGameEndsOnce)
{
    QAccessibleInterface* board = told(game->boardView());
    EXPECT_EQ(board->text(QAccessible::Name), "Livello 1, Croce, 6 pedine");
    for (core::CellIndex cell : {17, 29, 5, 17, 17})
        press(cell);
    EXPECT_EQ(board->text(QAccessible::Name), "Livello 1, Croce, 4 pedine");
    key(Qt::Key_Z, Qt::ControlModifier), key(Qt::Key_Z, Qt::ControlModifier), key(Qt::Key_F2);
    press(1), key(Qt::Key_Up), press(10), press(10);
    EXPECT_EQ(heard, QStringList({"selezionata", "mangiata 5, 4", "selezionata",
                                  "Non ci sono più mosse possibili. mangiata 3, 4", "tavola bloccata",
                                  "annullata, tornano 2, 4 e 3, 4", "niente da annullare",
                                  "ricominciato, Livello 1, Croce, 6 pedine", "nessuna mossa", "bordo",
                                  "selezionata", "deselezionata"}));
    EXPECT_EQ(told(game->findChild<QWidget*>("annuncio"))->parent()->role(), QAccessible::StatusBar);
    EXPECT_TRUE(board->text(QAccessible::Help).contains("Invio, seleziona o salta. Ctrl+Z, annulla. F2, ricomincia"));
}

TEST_F(Hearing, AWonGameNeverSaysThereAreNoMovesLeft)
{
    for (core::CellIndex cell : {10, 8, 24, 10, 11, 9, 8, 10, 5, 17})
        press(cell);
    EXPECT_EQ(heard, QStringList({"selezionata", "mangiata 3, 3", "selezionata", "mangiata 4, 4", "selezionata",
                                  "mangiata 3, 4", "selezionata", "mangiata 3, 3", "selezionata", "mangiata 3, 4"}));
}

TEST(Varianti, EachPictureIsNamedAfterItsPatternAndSaysWhereItsPegsAre)
{
    ui::FrmVarianti varianti;
    QAccessibleInterface* quadrato = told(varianti.findChild<QWidget*>("Picture2"));
    EXPECT_EQ(quadrato->text(QAccessible::Name), "Il quadrato");
    EXPECT_EQ(quadrato->text(QAccessible::Description),
              "Pedine in riga 3, colonne 3 4 5. riga 4, colonne 3 5. riga 5, colonne 3 4 5");
}

} // namespace
