// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a player waits for on the real windows, each beside the same step
// done with bare Qt widgets of the same size: the floor that no Qt program
// goes under. Offscreen unless QT_QPA_PLATFORM says otherwise. Whole-program
// start-up and memory are measured by scripts/measure.sh.

#include "board/boardview.h"
#include "forms/frmgioco.h"
#include "program.h"
#include "solver.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using ui::WindowId;

// The game window's menu bar at 96 dpi, which the bare board leaves empty.
constexpr int kMenuBarHeight = 19;

// Lets deferred deletes and pending repaints run, so what a step asked for
// has been drawn and flushed.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QPoint cellCentre(core::CellIndex cell, int top)
{
    return ui::BoardView::cellRect(cell).center() + QPoint(0, top);
}

// The window in front, with the keyboard, so that its shortcuts fire.
void activate(QWidget* window)
{
    window->activateWindow();
    if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
        qFatal("%s does not come to the front", qPrintable(window->objectName()));
    settle();
}

void clickAt(QWidget* window, QPoint at)
{
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    settle();
}

// The program past its start screen, on level 1.
struct Playing {
    ui::Program program;
    ui::FrmGioco* gioco = nullptr;
    Playing()
    {
        program.start();
        QTest::keyClick(program.loaded(WindowId::Inizio), Qt::Key_Return);
        gioco = static_cast<ui::FrmGioco*>(program.loaded(WindowId::Gioco));
        activate(gioco);
    }
    void click(core::CellIndex cell) { clickAt(gioco, cellCentre(cell, gioco->findChild<ui::BoardView*>()->y())); }
};

// A window of the game window's size, its menu bar's height left empty, with
// 33 plain squares where the cells are that repaint themselves.
struct BareBoard : QWidget {
    struct Square : QWidget {
        using QWidget::QWidget;
        void mouseReleaseEvent(QMouseEvent*) override { update(); }
        void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::yellow); }
    };
    BareBoard()
    {
        setFixedSize(ui::BoardView::clientSize() + QSize(0, kMenuBarHeight));
        for (core::CellIndex cell = 1; cell <= core::kCellCount; ++cell)
            (new Square(this))->setGeometry(ui::BoardView::cellRect(cell).translated(0, kMenuBarHeight));
        show();
        settle();
    }
};

// A click that selects or drops a peg, to the end of its repaint.
void clickRepaint(benchmark::State& state)
{
    Playing playing;
    for (auto _ : state)
        playing.click(10);
}

void bareClickRepaint(benchmark::State& state)
{
    BareBoard board;
    for (auto _ : state)
        clickAt(&board, cellCentre(10, kMenuBarHeight));
}

// The winning click of level 1, which opens the level-complete dialog.
void openDialog(benchmark::State& state)
{
    Playing playing;
    const core::testing::Moves& solution = core::testing::solutionOf(1);
    for (const core::Jump& j : core::testing::Moves(solution.begin(), solution.end() - 1)) {
        playing.click(j.from);
        playing.click(j.to);
    }
    for (auto _ : state) {
        state.PauseTiming();
        playing.click(solution.back().from);
        state.ResumeTiming();
        playing.click(solution.back().to);
        state.PauseTiming();
        playing.program.loaded(WindowId::Scelta)->close();
        playing.gioco->findChild<QAction*>("mnuannulla")->trigger();
        settle();
        state.ResumeTiming();
    }
}

// A help screen from its shortcut to its first paint.
void openHelp(benchmark::State& state, Qt::Key shortcut, WindowId id)
{
    Playing playing;
    for (auto _ : state) {
        QTest::keyClick(playing.gioco, shortcut);
        settle();
        state.PauseTiming();
        playing.program.loaded(id)->close();
        activate(playing.gioco);
        state.ResumeTiming();
    }
}

// The start screen from nothing to its first paint, as the program opens
// it, with no picture left in the cache by the run before. The whole
// process, from exec, is counted in instructions by scripts/measure.sh.
void openStartScreen(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QPixmapCache::clear();
        auto program = std::make_unique<ui::Program>();
        state.ResumeTiming();
        program->start();
        settle();
        state.PauseTiming();
        program.reset();
        settle();
        state.ResumeTiming();
    }
}

// A bare window of a given size with a few labels and buttons, shown and
// painted.
void openBareWindow(benchmark::State& state, QSize size, int labels, int buttons)
{
    for (auto _ : state) {
        auto* window = new QWidget;
        window->setFixedSize(size);
        for (int n = 0; n < labels; ++n)
            (new QLabel(QStringLiteral("Hai superato il livello!"), window))->move(10, 20 * n);
        for (int n = 0; n < buttons; ++n)
            (new QPushButton(QStringLiteral("Esci"), window))->move(80 * n, size.height() - 40);
        window->show();
        settle();
        state.PauseTiming();
        delete window;
        settle();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(clickRepaint);
BENCHMARK(bareClickRepaint);
BENCHMARK(openStartScreen);
BENCHMARK_CAPTURE(openBareWindow, start, QSize(345, 362), 0, 1);
BENCHMARK(openDialog);
BENCHMARK_CAPTURE(openBareWindow, dialog, QSize(345, 177), 2, 3);
BENCHMARK_CAPTURE(openHelp, storia, Qt::Key_F3, WindowId::Storia);
BENCHMARK_CAPTURE(openHelp, istruzioni, Qt::Key_F4, WindowId::Istruzioni);
BENCHMARK_CAPTURE(openHelp, varianti, Qt::Key_F5, WindowId::Varianti);
BENCHMARK_CAPTURE(openHelp, info, Qt::Key_F6, WindowId::Info);
BENCHMARK_CAPTURE(openBareWindow, help, QSize(345, 369), 5, 1);

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    ui::installProcessWideSetUp();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
