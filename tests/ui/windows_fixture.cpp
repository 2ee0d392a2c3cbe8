#include "windows_fixture.h"

#include "boardview.h"
#include "cellwidget.h"
#include "frmgioco.h"
#include "frminizio.h"
#include "frmscelta.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <map>

const std::vector<Move>& solutionOf(core::LevelNumber level)
{
    // Found by the exhaustive search of the core tests.
    static const std::map<core::LevelNumber, std::vector<Move>> kSolutions{
        {1, {{10, 12}, {24, 10}, {9, 11}, {12, 10}, {5, 17}}},
        {2, {{10, 2}, {24, 10}, {15, 17}, {17, 5}, {2, 10}, {19, 17}, {10, 24}, {24, 32}}},
        {3, {{10, 12}, {3, 11}, {1, 3}, {18, 6}, {3, 11}, {12, 10}, {5, 17}, {17, 15}, {4, 16}, {15, 17}}},
        {6, {{5, 17}, {8, 10}, {11, 3}, {3, 1}, {1, 9}, {9, 11}, {11, 13}, {13, 27}, {18, 20}, {23, 9},
             {14, 16}, {9, 23}, {23, 31}, {30, 18}, {17, 19}, {20, 18}, {27, 25}, {18, 30}, {31, 33},
             {33, 25}, {25, 23}, {22, 24}, {24, 32}}},
        {7, {{5, 17}, {8, 10}, {1, 9}, {3, 1}, {10, 8}, {7, 9}, {11, 3}, {13, 11}, {16, 4}, {1, 9}, {14, 16},
             {16, 4}, {18, 6}, {3, 11}, {20, 18}, {18, 6}, {28, 16}, {21, 23}, {23, 9}, {4, 16}, {16, 18},
             {25, 11}, {6, 18}, {27, 25}, {24, 26}, {33, 25}, {18, 30}, {31, 33}, {33, 25}, {26, 24},
             {24, 32}}},
    };
    return kSolutions.at(level);
}

// Also callable inside a test to start over with a fresh program.
void WindowsTest::SetUp()
{
    if (windows)
        TearDown();
    endedCount = 0;
    windows = std::make_unique<ui::Windows>();
    QObject::connect(windows.get(), &ui::Windows::ended, windows.get(), [this] { ++endedCount; });
}

void WindowsTest::TearDown()
{
    windows.reset();
    // Closed windows destroy themselves on the next turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ui::FrmGioco* WindowsTest::openGame()
{
    ui::FrmInizio* start = windows->frminizio();
    ui::Windows::present(start);
    press(start, Qt::Key_Return);
    ui::FrmGioco* gioco = game();
    if (gioco)
        activate(gioco);
    return gioco;
}

ui::FrmGioco* WindowsTest::game() const
{
    return static_cast<ui::FrmGioco*>(windows->loaded(ui::WindowId::Gioco));
}

ui::FrmScelta* WindowsTest::dialog() const
{
    return static_cast<ui::FrmScelta*>(windows->loaded(ui::WindowId::Scelta));
}

void WindowsTest::clickCell(core::CellIndex cell)
{
    ui::FrmGioco* gioco = game();
    ASSERT_NE(gioco, nullptr);
    QWidget* target = gioco->boardView()->cell(cell);
    const QPoint inWindow = target->mapTo(gioco, target->rect().center());
    QTest::mouseClick(gioco->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
}

void WindowsTest::play(const std::vector<Move>& moves)
{
    for (const auto& [from, to] : moves) {
        clickCell(from);
        clickCell(to);
    }
}

ui::FrmScelta* WindowsTest::solve(core::LevelNumber level)
{
    play(solutionOf(level));
    return dialog();
}

QAction* WindowsTest::entry(const char* name) const
{
    ui::FrmGioco* gioco = game();
    return gioco ? gioco->findChild<QAction*>(QString::fromLatin1(name)) : nullptr;
}

void WindowsTest::trigger(const char* name) const
{
    QAction* action = entry(name);
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
}

void WindowsTest::activate(QWidget* w)
{
    w->activateWindow();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }));
}

void WindowsTest::press(QWidget* w, int key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = w->focusWidget() ? w->focusWidget() : w;
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

QLabel* WindowsTest::label(QWidget* window, const char* name)
{
    return window->findChild<QLabel*>(QString::fromLatin1(name));
}

QPushButton* WindowsTest::button(QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

std::string WindowsTest::shownBoard() const
{
    core::Board shown;
    for (core::CellIndex i = 1; i <= core::kCellCount; ++i)
        shown.setState(i, game()->boardView()->cell(i)->state());
    return core::pictureOf(shown);
}
