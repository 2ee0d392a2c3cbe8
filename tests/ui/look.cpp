// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How each window looks when it opens, as data: title, client size, the
// control with the focus, every text with its font size, every control's
// place in twips, the game window's menus. Checked by the driver the first
// time it sees each window.

#include "driver.h"

#include "board/boardview.h"
#include "controls/art.h"
#include "forms/frmgioco.h"
#include "geometry.h"
#include "variants.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// A control's place in twips in the client area, and what it says with the
// font's pixel size (points at 96 dpi); a button without a caption says its
// tooltip, and its font does not matter (0).
struct Control {
    const char* name;
    QRect twips;
    const char* text = nullptr;
    int pixels = 0;
};

struct Look {
    const char* title;
    QSize client; // twips
    const char* focus;
    std::vector<Control> controls;
};

const Look kLooks[] = {
    {"Zibbet", {5175, 5430}, "cmdvai",
     {{"Label1", {480, 240, 4215, 1695}}, {"Picture1", {720, 480, 3735, 1215}}, {"Picture2", {600, 2160, 3975, 2895}},
      {"cmdvai", {4440, 4680, 615, 615}, "Comincia"}}},
    {"Zibbet", {5175, 5190}, "pct(1)",
     {{"shpover", {3720, 360, 1095, 1095}}, {"lblover", {3840, 480, 855, 855}, "Non ci sono più mosse possibili", 11},
      {"shpvariante", {3720, 3720, 1095, 1095}}, {"lblvariante", {3780, 3840, 975, 855}, "Hai completato una variante", 11},
      {"lbllivello", {120, 120, 1095, 375}}, {"lblnome", {120, 480, 1335, 375}}, {"Image1", {120, 4920, 1230, 165}}}},
    {"Complimenti!", {5175, 2655}, "cmdstesso",
     {{"lblmess", {480, 240, 4215, 495}, "Hai superato il livello!", 21},
      {"cmdstesso", {480, 1680, 1215, 735}, "Stesso livello", 12},
      {"cmdsuccessivo", {1920, 1680, 1335, 735}, "Livello successivo", 12},
      {"Label2", {1200, 960, 2775, 375}, "Cosa vuoi fare?", 16}, {"cmdesci", {3480, 1680, 1215, 735}, "Esci", 12}}},
    {"La storia", {5175, 3375}, "cmdindietro",
     {{"Label1", {120, 240, 2175, 375}, "La storia del gioco", 16},
      {"Label2", {360, 720, 4575, 2175},
       "\"Zibbet\" (si legge \"zìbbet\", con l'accento sulla prima sillaba) è un gioco di logica le cui origini "
       "risalgono al diciannovesimo secolo. Nessuno sa per certo chi l'ha inventato, ma diverse fonti attribuiscono la "
       "sua nascita a un prigioniero della Bastiglia. Il gioco si svolgeva su una spartana tavola di legno ed era molto "
       "popolare in tutta l'Europa del 1800, dove era anche noto come il \"Solitario delle pedine\" (in un vecchio "
       "dialetto \"zibbet\" vuol dire \"saltello\").", 12},
      {"cmdindietro", {4440, 2640, 615, 615}, "Indietro"}}},
    {"Istruzioni", {5175, 5535}, "cmdindietro",
     {{"Label3", {120, 120, 1575, 375}, "Come si gioca", 16},
      {"Label4", {360, 600, 4575, 1335},
       "Analogamente al gioco della dama, bisogna far \"saltare\" una pedina oltre quella adiacente, per posizionarla "
       "su uno spazio vuoto dall'altra parte. Sono ammesse solo le mosse in senso orizzontale o verticale. La pedina "
       "\"mangiata\" viene automaticamente rimossa dalla tavola.", 12},
      {"Label5", {360, 1920, 4575, 1335},
       "L'obiettivo del gioco è mangiare tutte le pedine finché non ne resta una soltanto. Una sfida ulteriore è finire "
       "il gioco con l'ultima pedina al centro della tavola, ma la partita è vinta ugualmente se la pedina si trova in "
       "altre posizioni.", 12},
      {"Label6", {360, 3240, 4575, 1335},
       "Nel gioco sono presenti 7 livelli di difficoltà. È consigliabile cominciare dal primo livello, il più semplice, "
       "per poi proseguire con i livelli sempre più complessi; è possibile comunque giocare partendo da qualsiasi "
       "livello.", 12},
      {"Label7", {360, 4560, 3975, 855},
       "Per spostare una pedina bisogna cliccare una volta per selezionarla, poi cliccare sulla destinazione per "
       "spostarla.", 12},
      {"cmdindietro", {4440, 4800, 615, 615}, "Indietro"}}},
    {"Le varianti", {6975, 5175}, "cmdindietro",
     {{"Label3", {120, 120, 2295, 375}, "Le varianti del gioco", 16},
      {"Label4", {360, 600, 6495, 615},
       "Un'interessante variante del gioco originale è partire dal settimo livello - Il solitario, per poi mangiare le "
       "pedine in modo che rimangano i seguenti schemi.", 12},
      {"Label1", {120, 1440, 2175, 375}, "Il muro", 16}, {"Label5", {2400, 1440, 2175, 375}, "Il quadrato", 16},
      {"Label2", {4680, 1440, 2175, 375}, "L'elica", 16}, {"Picture1", {120, 1920, 2175, 2415}},
      {"Picture2", {2400, 1920, 2175, 2415}}, {"Picture3", {4680, 1920, 2175, 2415}},
      {"cmdindietro", {6240, 4440, 615, 615}, "Indietro"}}},
    {"Informazioni", {5175, 2790}, "cmdok",
     {{"Image1", {840, 480, 480, 480}}, {"Label1", {720, 360, 735, 735}}, {"Picture1", {1800, 360, 2655, 855}},
      {"Label8", {840, 1560, 615, 255}, "data: ", 13}, {"Label9", {1560, 1560, 1695, 255}, "settembre 2002", 13},
      {"Label2", {720, 1920, 735, 255}, "autore: ", 13}, {"Label6", {1560, 1920, 1095, 255}, "Luca Ferri", 13},
      {"Label3", {480, 2280, 975, 255}, "e-mail: ", 13}, {"Label7", {1560, 2280, 1815, 255}, "ferri@example.com", 13},
      {"cmdok", {4080, 2280, 855, 375}, "&OK", 11}}},
};

// name caption shortcut, "-" for a separator, menu by menu.
const char* const kMenus =
    "mnugioco &Gioco | mnuricomincia &Ricomincia F2 | mnuannulla &Annulla Ctrl+Z | - | mnuesci &Esci Del || "
    "mnulivello &Livello | mnu1 &1 - Croce | mnu2 &2 - Plus | mnu3 &3 - Caminetto | mnu4 &4 - Freccia | "
    "mnu5 &5 - Piramide | mnu6 &6 - Diamante | mnu7 &7 - Solitario || mnuaiuto &Aiuto | mnustoria &Storia del gioco F3 "
    "| mnuistruzioni &Istruzioni F4 | mnuvarianti &Varianti F5 | - | mnuinfo I&nformazioni F6";

QString menusOf(const QWidget* window)
{
    QStringList menus;
    for (const QAction* title : window->findChild<QMenuBar*>()->actions()) {
        QStringList entries{title->menu()->objectName() + ' ' + title->text()};
        for (const QAction* a : title->menu()->actions())
            entries << (a->isSeparator() ? QStringLiteral("-")
                                         : (a->objectName() + ' ' + a->text() + ' ' + a->shortcut().toString()).trimmed());
        menus << entries.join(QStringLiteral(" | "));
    }
    return menus.join(QStringLiteral(" || "));
}

QRect inPixels(QRect twips) { return {twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15}; }

// The three thumbnails of the variants screen, read from the screen: the
// middle of each cell tells a peg from a light-yellow hole.
void expectVariantPictures(const QWidget* window)
{
    const QImage image = shot(window);
    const core::Variant variants[] = {core::Variant::Muro, core::Variant::Quadrato, core::Variant::Elica};
    for (int i = 0; i < 3; ++i) {
        const QPoint corner = window->findChild<QWidget*>(QStringLiteral("Picture%1").arg(i + 1))->pos();
        const core::Board pattern = core::patternBoard(variants[i]);
        for (core::CellIndex cell = 1; cell <= core::kCellCount; ++cell) {
            const core::GridPos at = core::gridPosOf(cell);
            // A 345 x 384 window shrunk to 140 x 156; the board is its last 346 rows.
            const QPoint middle(int((40 * at.col + 12) * 140.0 / 345), int((38 + 40 * at.row + 12) * 156.0 / 384));
            const QColor c = image.pixelColor(corner + middle);
            const bool looksEmpty = c.red() > 200 && c.green() > 200 && c.blue() < 180;
            EXPECT_EQ(looksEmpty, !pattern.holdsPeg(cell)) << "cell " << cell << " of " << core::patternOf(variants[i]).name;
        }
    }
}

} // namespace

void checkLook(const QWidget* w, ui::WindowId id)
{

    const Look& look = kLooks[static_cast<int>(id)];
    SCOPED_TRACE(w->objectName().toStdString());
    const auto* menuBar = w->findChild<QMenuBar*>();
    const QPoint client(0, menuBar ? menuBar->height() : 0);
    EXPECT_EQ(w->windowTitle(), look.title);
    EXPECT_EQ(w->size() - QSize(0, client.y()), inPixels(QRect(QPoint(), look.client)).size());
    EXPECT_TRUE(w->minimumSize() == w->maximumSize() && w->parentWidget() == nullptr);
    EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w->windowIcon().cacheKey(), ui::appIcon().cacheKey());
    const QPoint offCentre = w->frameGeometry().center() - w->screen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1) << "centred on the screen";
    EXPECT_EQ(w->focusWidget() ? w->focusWidget()->objectName() : QString(), look.focus ? look.focus : "");
    auto controls = look.controls;
    for (core::CellIndex cell = 1; id == ui::WindowId::Gioco && cell <= core::kCellCount; ++cell) {
        const core::GridPos at = core::gridPosOf(cell);
        controls.push_back({nullptr, QRect(600 * at.col, 600 * at.row, 375, 375)});
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& c = controls[i];
        const QString name = c.name ? QString::fromLatin1(c.name) : QStringLiteral("pct(%1)").arg(i - look.controls.size() + 1);
        SCOPED_TRACE(name.toStdString());
        const QWidget* control = w->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(QRect(control->mapTo(w, QPoint()) - client, control->size()), inPixels(c.twips));
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        if (!c.text)
            continue;
        EXPECT_EQ(label ? label->text() : button->text().isEmpty() ? button->toolTip() : button->text(), c.text);
        EXPECT_TRUE(c.pixels == 0 || control->font().pixelSize() == c.pixels);
    }
    if (id == ui::WindowId::Gioco) {
        EXPECT_EQ(menusOf(w), kMenus);
    }
    if (id == ui::WindowId::Varianti)
        expectVariantPictures(w);
    // Every picture draws something of its own on the window.
    const QImage image = shot(w);
    for (const QWidget* picture : w->findChildren<QWidget*>(QRegularExpression("^(Picture|Image)\\d$"))) {
        const QRect r(picture->mapTo(w, QPoint()), picture->size());
        QSet<QRgb> colours;
        for (int y = r.top(); y <= r.bottom(); y += 2)
            for (int x = r.left(); x <= r.right(); x += 2)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 3) << picture->objectName().toStdString() << " is blank";
    }
    // To a screen reader: a frame or a dialog named by its title, every
    // button named by what it says, pictures as graphics.
    const auto told = [](const QWidget* widget) { return QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget)); };
    const bool frame = id == ui::WindowId::Inizio || id == ui::WindowId::Gioco;
    EXPECT_EQ(told(w)->role(), frame ? QAccessible::Window : QAccessible::Dialog);
    EXPECT_EQ(told(w)->text(QAccessible::Name), look.title);
    for (const QPushButton* button : w->findChildren<QPushButton*>()) {
        const QString says = button->text().isEmpty() ? button->toolTip() : button->text().remove('&');
        EXPECT_FALSE(says.isEmpty() || button->text().isEmpty() == button->icon().isNull()) << button->objectName().toStdString();
        EXPECT_EQ(told(button)->text(QAccessible::Name), says);
    }
    for (const QWidget* picture : w->findChildren<QWidget*>(QRegularExpression("^(Picture|Image)\\d$")))
        EXPECT_EQ(told(picture)->role(), QAccessible::Graphic) << picture->objectName().toStdString();
}
