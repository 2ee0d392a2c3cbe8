// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a player, a screen reader and a window manager meet in a window, each
// read whole and held to the approved copy in looks/: the pixels (name.png;
// name@2x.png at a device pixel ratio of 2, and so on), the accessibility
// tree (name.txt) and, on X11, every property of the window (name.x11.txt).
// The transcripts say where each is read (speech_test.cpp).

#include "driver.h"

#include "controls/form.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QMetaEnum>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The tree a screen reader reads, as the platform's bridge exports it: for
// every node its object's name, role, name, description, keys, help (which
// Windows' bridge exports and Linux's does not), the states that hold, its
// actions in order with their keys, and the relations it has.
QString treeOf(QAccessibleInterface* a, int depth = 0)
{
    const QAccessible::State s = a->state();
    const std::pair<const char*, bool> states[] = {
        {"disabled", s.disabled}, {"invisible", s.invisible}, {"focusable", s.focusable}, {"focused", s.focused},
        {"selectable", s.selectable}, {"selected", s.selected}, {"checkable", s.checkable}, {"checked", s.checked},
        {"pressed", s.pressed}, {"defaultButton", s.defaultButton}, {"readOnly", s.readOnly},
        {"editable", s.editable}, {"multiLine", s.multiLine}, {"hasPopup", s.hasPopup}, {"modal", s.modal},
        {"active", s.active}, {"movable", s.movable}, {"sizeable", s.sizeable}, {"offscreen", s.offscreen}};
    QString line = QString(depth * 2, ' ') + (a->object() ? a->object()->objectName() : QString()) + ' ' +
                   QMetaEnum::fromType<QAccessible::Role>().valueToKey(a->role()) + " \"" + a->text(QAccessible::Name) +
                   '"';
    if (const QString d = a->text(QAccessible::Description); !d.isEmpty())
        line += " (" + d + ')';
    if (const QString keys = a->text(QAccessible::Accelerator); !keys.isEmpty())
        line += " keys " + keys;
    if (const QString help = a->text(QAccessible::Help); !help.isEmpty())
        line += " help (" + help + ')';
    for (const auto& [name, holds] : states)
        line += holds ? QStringLiteral(" %1").arg(name) : QString();
    if (QAccessibleActionInterface* actions = a->actionInterface())
        for (const QString& action : actions->actionNames())
            line += " <" + (QStringList{action} + actions->keyBindingsForAction(action)).join(' ').trimmed() + '>';
    for (const auto& [other, relation] : a->relations()) {
        const char* kind = relation & QAccessible::Label ? "labelled by" : relation & QAccessible::Labelled ? "labels"
                         : relation & QAccessible::Controller ? "controlled by" : "controls";
        line += QStringLiteral(" [%1 %2]").arg(kind, other->object() ? other->object()->objectName() : QString());
    }
    line += '\n';
    for (int i = 0; i < a->childCount(); ++i)
        if (a->child(i)->role() != QAccessible::Notification) // speech, heard in the transcripts
            line += treeOf(a->child(i), depth + 1);
    return line;
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
    if (image.devicePixelRatio() != 1)
        name += QStringLiteral("@%1x").arg(image.devicePixelRatio());
#ifdef Q_OS_WIN
    // Qt 6.4's offscreen platform on Windows has no fonts at all: every
    // letter is a box, so no picture with text can be held there. Each is
    // named as not compared; the rest of every test still holds. Linux holds
    // the pictures.
    if (QFontDatabase::families().isEmpty()) {
        std::printf("%s: picture not compared, this platform has no fonts\n", qPrintable(name));
        return;
    }
#endif
    // At fractional ratios each Qt rounds lines and glyphs its own way (6.8
    // moves a frame's edge by a pixel at 1.5): there a Qt may have its own
    // copy, in looks/qt<version>/.
    const QString own = QStringLiteral(ZIBBET_LOOKS "/looks/qt%1.%2/%3.png").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR);
    const QString kept = QFile::exists(own.arg(name)) ? own.arg(name) : QStringLiteral(ZIBBET_LOOKS "/looks/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("ZIBBET_WRITE_LOOKS") && QGuiApplication::platformName() == "offscreen")
        image.save(kept); // X11's pictures are held to the offscreen ones
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

// Every property a window manager and a task bar read on X11, as xprop
// prints them, a property a paragraph, sorted: the icon as xprop draws its
// title-bar sizes; window ids by the window's name; the pid, the host and
// the program's name (a menu's title) by what they must be. Left out: the
// user time and the sync counter, which change from run to run, and the
// class and the desktop file (Qt 6.8 on), which are the test program's here
// (the game's own are read from the game's process).
QString x11PropertiesOf(const QWidget* window)
{
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(window->winId())});
    EXPECT_TRUE(xprop.waitForFinished()) << "xprop (x11-utils) runs";
    QString text = QString::fromUtf8(xprop.readAllStandardOutput());
    for (const QWidget* top : QApplication::topLevelWidgets())
        if (top->internalWinId())
            text.replace(QStringLiteral("0x%1").arg(top->internalWinId(), 0, 16), top->objectName());
    text.replace(QRegularExpression("0x[0-9a-f]{5,}"), "the group leader")
        .replace(" = " + QString::number(QCoreApplication::applicationPid()) + '\n', " = this process\n")
        .replace('"' + QSysInfo::machineHostName() + '"', "this host")
        .replace('"' + QCoreApplication::applicationName() + '"', "this program"); // a menu's title
    QStringList properties;
    int iconSize = 0; // small sizes drawn in full, larger ones by their size alone
    for (QString line : text.split('\n', Qt::SkipEmptyParts)) {
        if (line.contains("Icon ("))
            iconSize = line.section("Icon (", 1).section(' ', 0, 0).toInt();
        else if (line.size() == 1 + 2 * iconSize) // xprop from Debian 13 draws a pixel in two characters
            for (qsizetype i = 1; i <= iconSize; ++i)
                line.remove(i, 1);
        if (!line.startsWith('\t'))
            properties += line;
        else if (iconSize <= 32 || line.contains("Icon ("))
            properties.back() += '\n' + line;
    }
    properties.removeIf([](const QString& p) {
        return p.startsWith("_NET_WM_USER_TIME") || p.contains("SYNC_REQUEST_C") || p.startsWith("WM_CLASS") ||
               p.contains("_DESKTOP_FILE") || p.contains("APPLICATION_ID");
    });
    properties.sort();
    return properties.join('\n') + '\n';
}

} // namespace

// Text against the copy kept in looks/, written anew as the pictures are (on
// X11 only its properties; the rest offscreen). A failure names the lines
// that differ and saves what was read beside.
void expectText(const QString& text, const QString& name)
{
    QFile kept(QStringLiteral(ZIBBET_LOOKS "/looks/%1.txt").arg(name));
    const bool ownPlatform = QGuiApplication::platformName() == (name.endsWith(".x11") ? "xcb" : "offscreen");
    if (qEnvironmentVariableIsSet("ZIBBET_WRITE_LOOKS") && ownPlatform && kept.open(QIODevice::WriteOnly))
        kept.write(text.toUtf8()), kept.close();
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << kept.fileName().toStdString();
    const QStringList want = QString::fromUtf8(kept.readAll()).split('\n'), seen = text.split('\n');
    if (want == seen)
        return;
    QFile shown(QDir::temp().filePath(name + ".txt"));
    (void)(shown.open(QIODevice::WriteOnly) && shown.write(text.toUtf8()));
    std::string lines;
    for (const auto& [from, to, sign] : {std::tuple{&want, &seen, "- "}, {&seen, &want, "+ "}})
        for (const QString& line : *from)
            lines += to->contains(line) ? "" : sign + line.left(120).toStdString() + '\n';
    ADD_FAILURE() << name.toStdString() << " is not as in " << kept.fileName().toStdString() << " (- kept, + read; "
                  << "all of it in " << shown.fileName().toStdString() << "):\n" << lines;
}

void checkLook(const QWidget* w, const QString& name)
{
    ASSERT_NE(w, nullptr) << "no window in front for " << name.toStdString();
    const QPoint offCentre = w->frameGeometry().center() - w->screen()->geometry().center();
    EXPECT_TRUE(w->windowType() == Qt::Popup || offCentre.manhattanLength() <= 1) << "centred on the screen";
    expectText(treeOf(accessible(w)), name);
    expectPicture(shot(w), name);
    if (QGuiApplication::platformName() == "xcb")
        expectText(x11PropertiesOf(w), name + ".x11");
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
