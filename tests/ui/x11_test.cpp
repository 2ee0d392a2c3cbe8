// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a window manager reads of each window on X11, which the offscreen
// platform cannot show: only the two frames go in the task bar, and no
// window can be resized, minimised or maximised. Runs on the xcb platform
// under Xvfb, each window's properties read with xprop.

#include "program.h"
#include "solver.h"

#include "board/boardview.h"
#include "board/cellwidget.h"
#include "controls/form.h"
#include "forms/frmgioco.h"

#include <QAction>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using ui::WindowId;

QString xprop(const QWidget* window)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window->winId()),
                                          QStringLiteral("_NET_WM_STATE"), QStringLiteral("WM_NORMAL_HINTS"),
                                          QStringLiteral("_MOTIF_WM_HINTS")});
    EXPECT_TRUE(xprop.waitForFinished()) << "xprop (x11-utils) runs";
    return QString::fromLocal8Bit(xprop.readAllStandardOutput());
}

void expectProperties(QWidget* window, bool inTaskbar)
{
    SCOPED_TRACE(window->objectName().toStdString());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QString p = xprop(window), size = QStringLiteral("%1 by %2").arg(window->width()).arg(window->height());
    SCOPED_TRACE(p.toStdString());
    EXPECT_EQ(p.contains(QLatin1String("_NET_WM_STATE_SKIP_TASKBAR")), !inTaskbar);
    EXPECT_TRUE(p.contains("minimum size: " + size));
    EXPECT_TRUE(p.contains("maximum size: " + size));
    // flags, functions, decorations: none offers to minimise or maximise.
    const QStringList motif = p.section(QLatin1String("_MOTIF_WM_HINTS) = "), 1).section('\n', 0, 0).split(", ");
    EXPECT_EQ(motif.value(1).toInt(nullptr, 16) & (8 | 16), 0);
    EXPECT_EQ(motif.value(2).toInt(nullptr, 16) & (32 | 64), 0);
}

} // namespace

TEST(X11, OnlyTheFramesGoInTheTaskbarAndNoWindowChangesSize)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    ui::Program program;
    program.start();
    expectProperties(program.loaded(WindowId::Inizio), true);
    QTest::keyClick(program.loaded(WindowId::Inizio), Qt::Key_Return);
    auto* gioco = static_cast<ui::FrmGioco*>(program.loaded(WindowId::Gioco));
    ASSERT_NE(gioco, nullptr);
    expectProperties(gioco, true);
    for (const core::Jump& j : core::testing::solutionOf(1))
        for (const core::CellIndex cell : {j.from, j.to})
            QTest::mouseClick(gioco->boardView()->cell(cell), Qt::LeftButton);
    for (const char* help : {"mnustoria", "mnuistruzioni", "mnuvarianti", "mnuinfo"})
        gioco->findChild<QAction*>(QLatin1String(help))->trigger();
    for (const WindowId id : {WindowId::Scelta, WindowId::Storia, WindowId::Istruzioni, WindowId::Varianti,
                              WindowId::Info}) {
        ASSERT_NE(program.loaded(id), nullptr);
        expectProperties(program.loaded(id), false);
    }
}
