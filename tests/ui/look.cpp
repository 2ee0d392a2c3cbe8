// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How each window looks when it opens, as data (looks.txt): title, frame,
// client size, the control with the focus, every control's place in twips,
// role, font size and text; the game window's menus. And as pixels: each
// window, the level menu and the two notices against the pictures in looks/,
// which catch what the data cannot say (colours, weight and slant of texts,
// art, check boxes, the chrome of the variants' thumbnails).

#include "driver.h"

#include "controls/form.h"

#include "board/boardview.h"
#include "controls/art.h"
#include "controls/twips.h"
#include "solver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

struct Control {
    QString name;
    QRect place;
    QString role;
    int pixels = 0; // the font's size, 0 where it does not matter
    QString text;
};

struct Look {
    QString name, frame, focus, title;
    QSize client;
    std::vector<Control> controls;
};

// A field in double quotes, or nothing when the line has none left.
QString quoted(QTextStream& line)
{
    const QString rest = line.readAll().trimmed();
    return rest.startsWith('"') ? rest.mid(1).chopped(1) : QString();
}

const std::vector<Look>& looks()
{
    static const std::vector<Look> all = [] {
        QFile file(QStringLiteral(ZIBBET_LOOKS "/looks.txt"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
        std::vector<Look> read;
        for (QString text : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
            QTextStream line(&text);
            int x = 0, y = 0, w = 0, h = 0;
            if (text.startsWith('#'))
                continue;
            if (!text.startsWith(' ')) {
                Look& look = read.emplace_back();
                line >> look.name >> w >> h >> look.frame >> look.focus;
                look.client = ui::TwipsSize{w, h}.toPixels(), look.title = quoted(line);
                continue;
            }
            Control& c = read.back().controls.emplace_back();
            line >> c.name >> x >> y >> w >> h >> c.role;
            line.skipWhiteSpace();
            if (!line.atEnd() && line.string()->at(line.pos()).isDigit())
                line >> c.pixels;
            c.place = ui::TwipsRect{x, y, w, h}.toPixels(), c.text = quoted(line);
        }
        return read;
    }();
    return all;
}

QAccessible::Role roleNamed(const QString& name)
{
    static const std::map<QString, QAccessible::Role> roles{
        {"label", QAccessible::StaticText}, {"button", QAccessible::Button}, {"graphic", QAccessible::Graphic},
        {"notification", QAccessible::Notification}, {"frame", QAccessible::Window}, {"dialog", QAccessible::Dialog}};
    return roles.at(name);
}

QAccessibleInterface* told(const QObject* o) { return QAccessible::queryAccessibleInterface(const_cast<QObject*>(o)); }

// The menus' entries by name, menu by menu; what they say is in their pictures.
const char* const kMenus = "mnugioco: mnuricomincia mnuannulla  mnuesci mnulivello: mnu1 mnu2 mnu3 mnu4 mnu5 mnu6 mnu7 "
                           "mnuaiuto: mnustoria mnuistruzioni mnuvarianti  mnuinfo";

QString menusOf(const QWidget* window)
{
    QString names;
    for (const QAction* title : window->findChild<QMenuBar*>()->actions()) {
        names += title->menu()->objectName() + ": ";
        for (const QAction* a : title->menu()->actions())
            names += a->isSeparator() ? QStringLiteral(" ") : a->objectName() + ' ';
    }
    return names.trimmed();
}

// Pixels against the picture kept in looks/; ZIBBET_WRITE_LOOKS=1 writes the
// pictures anew, to be looked at before they are committed.
void expectPicture(const QImage& image, const QString& name)
{
    const QString kept = QStringLiteral(ZIBBET_LOOKS "/looks/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("ZIBBET_WRITE_LOOKS"))
        image.save(kept);
    const QImage want(kept), got = image.convertToFormat(want.format());
    int differ = !want.isNull() && got.size() == want.size() ? 0 : -1;
    for (int y = 0; differ >= 0 && y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            differ += got.pixel(x, y) != want.pixel(x, y) ? 1 : 0;
    const QString seen = QDir::temp().filePath(name + ".png");
    if (differ != 0)
        image.save(seen);
    EXPECT_EQ(differ, 0) << name.toStdString() << " differs from " << kept.toStdString() << " in " << differ
                         << " pixels (-1: in size); what showed is in " << seen.toStdString();
}

void checkLook(const QWidget* w, const Look& look)
{
    const auto* menuBar = w->findChild<QMenuBar*>();
    const QPoint client(0, menuBar ? menuBar->height() : 0);
    EXPECT_EQ(w->windowTitle(), look.title);
    EXPECT_EQ(w->size() - QSize(0, client.y()), look.client);
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->parentWidget(), nullptr);
    EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w->windowIcon().cacheKey(), ui::appIcon().cacheKey());
    const QPoint offCentre = w->frameGeometry().center() - w->screen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1) << "centred on the screen";
    EXPECT_EQ(w->focusWidget() ? w->focusWidget()->objectName() : QString(), look.focus);
    EXPECT_EQ(told(w)->role(), roleNamed(look.frame));
    EXPECT_EQ(told(w)->text(QAccessible::Name), look.title);
    auto controls = look.controls;
    for (core::CellIndex cell = 1; look.name == "frmgioco" && cell <= core::kCellCount; ++cell)
        controls.push_back({cellName(cell), ui::BoardView::cellRect(cell), "button", 0, {}});
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name.toStdString());
        const QWidget* control = w->findChild<QWidget*>(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(QRect(control->mapTo(w, QPoint()) - client, control->size()), c.place);
        EXPECT_EQ(told(control)->role(), roleNamed(c.role));
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        if (label && !c.text.isEmpty()) {
            EXPECT_EQ(label->text(), c.text);
        }
        if (button) {
            EXPECT_EQ(button->text().isEmpty() ? button->toolTip() : button->text(), c.text);
            EXPECT_EQ(told(control)->text(QAccessible::Name), QString(c.text).remove('&'));
        }
        if (c.pixels) {
            EXPECT_EQ(control->font().pixelSize(), c.pixels);
        }
    }
    expectPicture(shot(w), look.name);
}

class Window : public ::testing::TestWithParam<int> {};

// The commands that open each window, from the start screen.
const std::vector<std::vector<std::string>> kWayTo = {
    {}, {"Enter on frminizio"}, {"Enter on frminizio", "solve the level"}, {"Enter on frminizio", "F3"},
    {"Enter on frminizio", "F4"}, {"Enter on frminizio", "F5"}, {"Enter on frminizio", "F6"}};

} // namespace

TEST_P(Window, LooksAsDesignedWhenItOpens)
{
    const Look& look = looks().at(static_cast<std::size_t>(GetParam()));
    Driver driver;
    for (const std::string& command : kWayTo[static_cast<std::size_t>(GetParam())])
        driver.run(command);
    checkLook(driver.window(static_cast<ui::WindowId>(GetParam())), look);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, Window, ::testing::Range(0, 7),
                         [](const auto& window) { return looks().at(static_cast<std::size_t>(window.param)).name.toStdString(); });

// The menus, the level menu with its one check mark, and a pattern of
// level 7 that leaves no jump: both notices at once.
TEST(GameWindow, ShowsItsMenusAndBothNoticesAsDesigned)
{
    Driver driver;
    driver.run("Enter on frminizio");
    QWidget* gioco = driver.window(ui::WindowId::Gioco);
    EXPECT_EQ(menusOf(gioco), kMenus);
    for (const auto& [key, name] : {std::pair{Qt::Key_G, "mnugioco"}, {Qt::Key_L, "mnulivello"}, {Qt::Key_A, "mnuaiuto"}}) {
        driver.key(ui::WindowId::Gioco, key, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        expectPicture(popup->grab().toImage(), QLatin1String(name));
        QTest::keyClick(popup, Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // the menu bar lets go
    }
    driver.run("Alt+L 7");
    driver.play(core::testing::routeTo(core::Variant::Elica));
    ASSERT_TRUE(driver.referee().game().isGameOver());
    ASSERT_TRUE(driver.referee().game().variantNoticeVisible());
    expectPicture(shot(gioco), "frmgioco-elica");
}
