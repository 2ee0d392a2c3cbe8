// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a player and a screen reader meet in each window as it opens. As
// pixels: each window, the game window's menus and its two notices against
// the pictures in looks/ (the @2x ones at a device pixel ratio of 2), which
// hold where everything is and how it is drawn: colours, fonts, art, check
// boxes, the chrome of the variants' thumbnails. As data (looks.txt): the
// title, the frame, the control with the focus and every control's role and
// name. On X11, also what the window manager reads of each window.

#include "driver.h"

#include "board/boardview.h"
#include "controls/art.h"
#include "controls/form.h"
#include "forms/frmgioco.h"
#include "forms/frmvarianti.h"
#include "solver.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMetaEnum>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

struct Control { QString name, role, text; };

struct Look { QString name, frame, focus, title; std::vector<Control> controls; };

// A window's line, "name role focus "title"", or below it, indented, a
// control's, "name role "its name"".
const std::vector<Look>& looks()
{
    static const std::vector<Look> all = [] {
        static const QRegularExpression kLine(R"re(^( *)(\S+) (\S+)(?: ([^ "]+))?(?: "(.*)")?$)re");
        QFile file(QStringLiteral(ZIBBET_LOOKS "/looks.txt"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
        std::vector<Look> read;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
            const QRegularExpressionMatch m = kLine.match(line);
            if (line.startsWith('#') || !m.hasMatch())
                continue;
            if (m.captured(1).isEmpty())
                read.push_back({m.captured(2), m.captured(3), m.captured(4), m.captured(5), {}});
            else
                read.back().controls.push_back({m.captured(2), m.captured(3), m.captured(5)});
        }
        return read;
    }();
    return all;
}

QAccessible::Role roleNamed(const QString& name)
{
    return QAccessible::Role(QMetaEnum::fromType<QAccessible::Role>().keyToValue(name.toLatin1()));
}

// How far a picture may stray from the approved one. Qt's SVG renderer
// antialiases the edges of the illustration's marbles differently from one
// Qt version to the next: 6.8 against 6.4 moves 58 of the start screen's
// 125,000 pixels by up to 12 levels, and 116 of 500,000 by up to 24 at twice
// the density. What a player would notice moves some pixel by far more: a
// missing line, a swapped colour, a changed letter, a picture a pixel off.
// So no channel of any pixel may be more than kLevels off...
constexpr int kLevels = 32;
// ... and at most one pixel in a thousand may be off at all, which a
// renderer's rounding stays within and a colour a few levels off across an
// area does not.
constexpr qsizetype kMovedPerThousand = 1;

struct Difference { qsizetype moved = 0; int worst = 0; };

Difference differenceOf(const QImage& seen, const QImage& want)
{
    Difference d;
    for (int y = 0; y < want.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(seen.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(want.constScanLine(y));
        for (int x = 0; x < want.width(); ++x) {
            const int levels = std::max({std::abs(qRed(a[x]) - qRed(b[x])), std::abs(qGreen(a[x]) - qGreen(b[x])),
                                         std::abs(qBlue(a[x]) - qBlue(b[x])), std::abs(qAlpha(a[x]) - qAlpha(b[x]))});
            d.moved += levels > 0;
            d.worst = std::max(d.worst, levels);
        }
    }
    return d;
}

// Pixels against the picture kept in looks/; ZIBBET_WRITE_LOOKS=1 writes the
// pictures anew, to be looked at before they are committed. A failure saves
// what showed in the temporary folder.
void expectPicture(const QImage& image, QString name)
{
    name += image.devicePixelRatio() == 2 ? QStringLiteral("@2x") : QString();
    const QString kept = QStringLiteral(ZIBBET_LOOKS "/looks/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("ZIBBET_WRITE_LOOKS"))
        image.save(kept);
    const QImage want = QImage(kept).convertToFormat(QImage::Format_ARGB32);
    const QImage seen = image.convertToFormat(QImage::Format_ARGB32);
    const Difference d = seen.size() == want.size() ? differenceOf(seen, want) : Difference{1, 255};
    const qsizetype area = qsizetype(want.width()) * want.height();
    if (want.isNull() || d.worst > kLevels || d.moved * 1000 > area * kMovedPerThousand) {
        const QString shown = QDir::temp().filePath(name + ".png");
        image.save(shown);
        ADD_FAILURE() << name.toStdString() << " is not as in " << kept.toStdString() << ": " << d.moved
                      << " pixels differ, by up to " << d.worst << " levels; it showed as " << shown.toStdString();
    }
}

// What a window manager reads on X11: only the frames in the task bar, the
// size fixed, no minimise or maximise among the Motif hints' functions and
// decorations.
void expectX11Properties(const QWidget* window, bool inTaskbar)
{
    QProcess xprop;
    xprop.start("xprop",
                {"-id", QString::number(window->winId()), "_NET_WM_STATE", "WM_NORMAL_HINTS", "_MOTIF_WM_HINTS"});
    ASSERT_TRUE(xprop.waitForFinished()) << "xprop (x11-utils) runs";
    const QString p = xprop.readAllStandardOutput();
    const QString size = QString("%1 by %2").arg(window->width()).arg(window->height());
    SCOPED_TRACE(p.toStdString());
    EXPECT_EQ(p.contains("_NET_WM_STATE_SKIP_TASKBAR"), !inTaskbar);
    EXPECT_TRUE(p.contains("minimum size: " + size) && p.contains("maximum size: " + size));
    const QStringList motif = p.section("_MOTIF_WM_HINTS) = ", 1).section('\n', 0, 0).split(", ");
    EXPECT_EQ(motif.value(1).toInt(nullptr, 16) & (8 | 16), 0);
    EXPECT_EQ(motif.value(2).toInt(nullptr, 16) & (32 | 64), 0);
}

void checkLook(const QWidget* w, const Look& look)
{
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->parentWidget(), nullptr);
    EXPECT_FALSE(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w->windowIcon().cacheKey(), ui::appIcon().cacheKey());
    const QPoint offCentre = w->frameGeometry().center() - w->screen()->geometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1) << "centred on the screen";
    EXPECT_EQ(w->focusWidget() ? w->focusWidget()->objectName() : QString(), look.focus);
    EXPECT_EQ(accessible(w)->role(), roleNamed(look.frame));
    EXPECT_EQ(accessible(w)->text(QAccessible::Name), look.title);
    auto controls = look.controls;
    for (core::CellIndex cell = 1; look.name == "frmgioco" && cell <= core::kCellCount; ++cell)
        controls.push_back({cellName(cell), "Button", {}});
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name.toStdString());
        const QWidget* control = w->findChild<QWidget*>(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(accessible(control)->role(), roleNamed(c.role));
        if (!c.text.isEmpty()) {
            EXPECT_EQ(accessible(control)->text(QAccessible::Name), c.text);
        }
    }
    expectPicture(shot(w), look.name);
    if (QGuiApplication::platformName() == "xcb")
        expectX11Properties(w, look.frame == "Window");
}

class Window : public ::testing::TestWithParam<int> {};

// The commands that open each window, from the start screen.
const std::vector<std::vector<std::string>> kWayTo = {
    {}, {"Enter on frminizio"}, {"Enter on frminizio", "solve a level"}, {"Enter on frminizio", "F3"},
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
                         [](const auto& window) {
                             return looks().at(static_cast<std::size_t>(window.param)).name.toStdString();
                         });

// The three menus, the level menu with its one check mark, and a pattern of
// level 7 that leaves no jump: both notices at once.
TEST(GameWindow, ShowsItsMenusAndBothNoticesAsDesigned)
{
    Driver driver;
    driver.run("Enter on frminizio");
    QWidget* gioco = driver.window(ui::WindowId::Gioco);
    for (const auto& [key, name] :
         {std::pair{Qt::Key_G, "mnugioco"}, {Qt::Key_L, "mnulivello"}, {Qt::Key_A, "mnuaiuto"}}) {
        driver.key(ui::WindowId::Gioco, key, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        expectPicture(popup->grab().toImage(), QLatin1String(name));
        QTest::keyClick(popup, Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // the menu bar lets go
    }
    driver.run("Alt+L 7");
    driver.play(core::testing::routeTo(core::Variant::Elica));
    ASSERT_TRUE(driver.referee.game().isGameOver());
    ASSERT_TRUE(driver.referee.game().variantNoticeVisible());
    expectPicture(shot(gioco), "frmgioco-elica");
}

// Moved to a screen of twice the density, "Le varianti" looks as it does
// when it opens there: its thumbnails are drawn again, as crisp.
TEST(HelpScreen, VariantsFollowTheWindowToADenserScreen)
{
    Driver driver;
    driver.run("Enter on frminizio");
    driver.run("F5");
    QWidget* varianti = driver.window(ui::WindowId::Varianti);
    QScreen* dense = nullptr;
    for (QScreen* screen : QGuiApplication::screens())
        dense = screen->devicePixelRatio() == 2 ? screen : dense;
    if (!dense)
        GTEST_SKIP() << "needs a second screen of twice the density: ctest runs it with two-screens.json";
    ASSERT_EQ(varianti->devicePixelRatio(), 1);
    varianti->move(dense->geometry().topLeft());
    varianti->windowHandle()->setScreen(dense);
    if (!QTest::qWaitFor([varianti] { return varianti->devicePixelRatio() == 2; }, 1000))
        GTEST_SKIP() << "this Qt's offscreen platform gives a window no density of its screen (Qt 6.8 does not)";
    // The offscreen platform keeps the backing store of the old density:
    // the window is drawn anew, as the new screen would show it.
    expectPicture(varianti->grab().toImage(), "frmvarianti");
}

// What a screen reader finds beyond names and roles: the board's keys, and
// where the pegs of each pattern's picture are.
TEST(ScreenReader, FindsTheBoardsKeysAndWhereEachPatternsPegsAre)
{
    Driver driver;
    driver.run("Enter on frminizio");
    const auto* gioco = static_cast<ui::FrmGioco*>(driver.window(ui::WindowId::Gioco));
    EXPECT_TRUE(accessible(gioco->boardView())->text(QAccessible::Help).contains(
        "Invio, seleziona o salta. Ctrl+Z, annulla. F2, ricomincia"));
    ui::FrmVarianti varianti;
    EXPECT_EQ(accessible(varianti.findChild<QWidget*>("Picture2"))->text(QAccessible::Description),
              "Pedine in riga 3, colonne 3 4 5. riga 4, colonne 3 5. riga 5, colonne 3 4 5");
}
