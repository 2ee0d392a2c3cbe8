// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How each window looks when it opens, as data (looks.txt): title, client
// size, the control with the focus, every text with its font size, every
// control's place in twips; and the game window's menus. Checked by the
// driver the first time it sees each window.

#include "driver.h"

#include "board/boardview.h"
#include "controls/art.h"
#include "forms/frmgioco.h"
#include "core/geometry.h"
#include "core/variants.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>

#include <gtest/gtest.h>

namespace {

struct Control {
    QString name;
    QRect twips;
    QString text;
    int pixels = 0; // the font's size, 0 where it does not matter
    bool says = false;
};

struct Look {
    QString title; // the window's objectName leads its line, for the reader
    QSize client; // twips
    QString focus;
    std::vector<Control> controls;
};

// The catalogue, looks.txt: a window a line, its controls indented below.
const std::vector<Look>& looks()
{
    static const std::vector<Look> all = [] {
        QFile file(QStringLiteral(ZIBBET_LOOKS));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << ZIBBET_LOOKS;
        std::vector<Look> read;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
            const qsizetype quote = line.indexOf('"');
            const QString text = quote < 0 ? QString() : line.mid(quote + 1).chopped(1);
            const QStringList f = line.left(quote).split(' ', Qt::SkipEmptyParts);
            const auto n = [&](int i) { return f.value(i).toInt(); };
            if (line.startsWith('#'))
                continue;
            if (!line.startsWith(' '))
                read.push_back({text, QSize(n(1), n(2)), f[3], {}});
            else
                read.back().controls.push_back({f[0], QRect(n(1), n(2), n(3), n(4)), text, n(5), quote >= 0});
        }
        return read;
    }();
    return all;
}

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
    const Look& look = looks().at(static_cast<std::size_t>(id));
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
    EXPECT_EQ(w->focusWidget() ? w->focusWidget()->objectName() : QString(), look.focus);
    auto controls = look.controls;
    for (core::CellIndex cell = 1; id == ui::WindowId::Gioco && cell <= core::kCellCount; ++cell) {
        const core::GridPos at = core::gridPosOf(cell);
        controls.push_back({QStringLiteral("pct(%1)").arg(cell), QRect(600 * at.col, 600 * at.row, 375, 375), {}, 0, false});
    }
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name.toStdString());
        const QWidget* control = w->findChild<QWidget*>(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(QRect(control->mapTo(w, QPoint()) - client, control->size()), inPixels(c.twips));
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        if (c.says) {
            EXPECT_EQ(label ? label->text() : button->text().isEmpty() ? button->toolTip() : button->text(), c.text);
        }
        EXPECT_TRUE(c.pixels == 0 || control->font().pixelSize() == c.pixels);
    }
    if (id == ui::WindowId::Gioco) {
        EXPECT_EQ(menusOf(w), kMenus);
    }
    if (id == ui::WindowId::Varianti)
        expectVariantPictures(w);
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
    // Every picture draws something of its own on the window.
    const QImage image = shot(w);
    for (const QWidget* picture : w->findChildren<QWidget*>(QRegularExpression("^(Picture|Image)\\d$"))) {
        const QRect r(picture->mapTo(w, QPoint()), picture->size());
        QSet<QRgb> colours;
        for (int y = r.top(); y <= r.bottom(); y += 2)
            for (int x = r.left(); x <= r.right(); x += 2)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 3) << picture->objectName().toStdString() << " is blank";
        EXPECT_EQ(told(picture)->role(), QAccessible::Graphic) << picture->objectName().toStdString();
    }
}
