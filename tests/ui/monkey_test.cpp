// A monkey at the real windows: thousands of random steps drawn from all a
// player can do short of leaving, each followed by a check that every
// window is there at most once and that the game window shows exactly the
// game's state. Then the idle program: no timer ticks, no repaints, an
// event loop asleep; and the one window icon the windows share.
//
// The steps come from a seeded generator; set ZIBBET_MONKEY_SEED to replay
// a run. A failure names its seed and step.

#include "windows_fixture.h"

#include "art.h"
#include "boardview.h"
#include "cellwidget.h"
#include "frmgioco.h"
#include "frminfo.h"
#include "frminizio.h"
#include "frmistruzioni.h"
#include "frmscelta.h"
#include "frmstoria.h"
#include "jumps.h"
#include "levels.h"
#include "variants.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <thread>

namespace {

constexpr std::uint64_t kBaseSeed = 20020917;
constexpr int kRuns = 5;
constexpr int kStepsPerRun = 1000;

std::uint64_t baseSeed()
{
    bool ok = false;
    const qulonglong seed = qEnvironmentVariable("ZIBBET_MONKEY_SEED").toULongLong(&ok, 0);
    return ok ? seed : kBaseSeed;
}

struct WindowName {
    ui::WindowId id;
    const char* name;
};

const std::array<WindowName, 7> kWindows{{
    {ui::WindowId::Inizio, "frminizio"},
    {ui::WindowId::Gioco, "frmgioco"},
    {ui::WindowId::Scelta, "frmscelta"},
    {ui::WindowId::Storia, "frmstoria"},
    {ui::WindowId::Istruzioni, "frmistruzioni"},
    {ui::WindowId::Varianti, "frmvarianti"},
    {ui::WindowId::Info, "frminfo"},
}};

struct HelpScreen {
    ui::WindowId id;
    const char* menuEntry;
    int key;
    const char* button;
    bool escapeCloses;
};

const std::array<HelpScreen, 4> kHelpScreens{{
    {ui::WindowId::Storia, "mnustoria", Qt::Key_F3, "cmdindietro", true},
    {ui::WindowId::Istruzioni, "mnuistruzioni", Qt::Key_F4, "cmdindietro", false},
    {ui::WindowId::Varianti, "mnuvarianti", Qt::Key_F5, "cmdindietro", false},
    {ui::WindowId::Info, "mnuinfo", Qt::Key_F6, "cmdok", true},
}};

struct Jump {
    core::CellIndex from;
    core::CellIndex over;
    core::CellIndex to;
};

std::vector<Jump> jumpsOn(const core::Board& board)
{
    std::vector<Jump> jumps;
    for (core::CellIndex from = 1; from <= core::kCellCount; ++from) {
        if (!board.holdsPeg(from))
            continue;
        const core::Jumps& table = core::buchi(from);
        for (std::size_t k = 0; k < table.arrivi.size(); ++k) {
            const core::CellIndex over = table.saltati[k];
            const core::CellIndex to = table.arrivi[k];
            if (over != core::kNoCell && board.holdsPeg(over) && board.stateOf(to) == core::CellState::Empty)
                jumps.push_back({from, over, to});
        }
    }
    return jumps;
}

int selectedCount(const core::Board& board)
{
    int count = 0;
    for (core::CellIndex i = 1; i <= core::kCellCount; ++i)
        count += board.stateOf(i) == core::CellState::Selected ? 1 : 0;
    return count;
}

// As in a board picture: 'o' Empty, 'X' Peg, '*' Selected.
char symbol(core::CellState state)
{
    switch (state) {
    case core::CellState::Empty: return 'o';
    case core::CellState::Peg: return 'X';
    case core::CellState::Selected: return '*';
    }
    return '?';
}

std::string picture(const core::Board& board)
{
    return "\n" + core::pictureOf(board);
}

} // namespace

class MonkeyTest : public WindowsTest {
protected:
    // One random step; action says what it was, for a failure message.
    void step();
    // What every window shows agrees with the state, after every step.
    void checkEverything();

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(int percent) { return pick(100) < percent; }

    void startOver();
    void settle();
    QWidget* loaded(ui::WindowId id) const { return windows->loaded(id); }
    std::vector<ui::WindowId> openHelpScreens() const;

    // The steps.
    void clickAnyCell();
    void playALegalJump();
    void solveALevel();
    void chooseLevel();
    void restartLevel();
    void undo();
    void pressAShortcut();
    void openHelpScreen();
    void leaveHelpScreen();
    void pressADialogButton();
    void closeAWindow();

    // After a click at cell, given the game before it.
    void checkClick(const core::Game& before, core::CellIndex cell, const ui::FrmScelta* dialogBefore);
    void expectFreshLevel(core::LevelNumber level);

    std::mt19937_64 rng;
    std::string action;
};

void MonkeyTest::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Every window gone: a fresh program, through its start screen.
void MonkeyTest::startOver()
{
    windows.reset();
    settle();
    windows = std::make_unique<ui::Windows>();
    QObject::connect(windows.get(), &ui::Windows::ended, [this] { ++endedCount; });
    ASSERT_NE(openGame(), nullptr);
    settle();
    expectFreshLevel(1);
}

std::vector<ui::WindowId> MonkeyTest::openHelpScreens() const
{
    std::vector<ui::WindowId> open;
    for (const HelpScreen& s : kHelpScreens)
        if (loaded(s.id))
            open.push_back(s.id);
    return open;
}

void MonkeyTest::expectFreshLevel(core::LevelNumber level)
{
    ASSERT_NE(game(), nullptr);
    const core::Game& g = game()->game();
    EXPECT_EQ(g.level(), level);
    EXPECT_EQ(picture(g.board()), picture(core::startBoard(level)));
    EXPECT_FALSE(g.canUndo());
    EXPECT_FALSE(g.isGameOver());
    EXPECT_FALSE(g.overNoticeVisible());
}

void MonkeyTest::checkClick(const core::Game& before, core::CellIndex cell, const ui::FrmScelta* dialogBefore)
{
    ASSERT_NE(game(), nullptr);
    const core::Game& after = game()->game();
    if (before.isGameOver()) {
        EXPECT_EQ(picture(after.board()), picture(before.board())) << "a locked board ignores clicks";
        EXPECT_EQ(dialog(), dialogBefore);
        return;
    }
    const int removed = before.board().pegCount() - after.board().pegCount();
    ASSERT_TRUE(removed == 0 || removed == 1) << "a click removes one peg at most, removed " << removed;
    if (removed == 1) {
        const core::UndoRecord& jump = after.undoRecord();
        EXPECT_EQ(jump.ultarrivo, cell) << "a jump lands on the clicked hole";
        EXPECT_EQ(symbol(before.board().stateOf(jump.ultpartenza)), '*');
        EXPECT_EQ(symbol(after.board().stateOf(jump.ultpartenza)), 'o');
        EXPECT_EQ(symbol(after.board().stateOf(jump.ultsaltato)), 'o');
        EXPECT_EQ(symbol(after.board().stateOf(cell)), 'X');
        EXPECT_TRUE(after.canUndo());
        for (core::CellIndex i = 1; i <= core::kCellCount; ++i) {
            if (i != jump.ultpartenza && i != jump.ultsaltato && i != jump.ultarrivo) {
                EXPECT_EQ(symbol(after.board().stateOf(i)), symbol(before.board().stateOf(i)))
                    << "cell " << i << " untouched";
            }
        }
    } else {
        for (core::CellIndex i = 1; i <= core::kCellCount; ++i)
            EXPECT_EQ(after.board().holdsPeg(i), before.board().holdsPeg(i)) << "no peg moves but by a jump";
    }
    if (after.level() == core::kLastLevel) {
        EXPECT_EQ(after.variantNoticeVisible(), core::completedVariant(after.board()).has_value());
    }
    if (after.board().pegCount() == 1) {
        ASSERT_NE(dialog(), nullptr) << "one peg left opens the dialog";
        EXPECT_TRUE(dialog()->isVisible());
        if (dialogBefore) {
            EXPECT_EQ(dialog(), dialogBefore) << "an open dialog is only raised";
        } else {
            EXPECT_EQ(dialog()->livello(), after.level());
            EXPECT_FALSE(after.overNoticeVisible()) << "loading the dialog hides the notice";
        }
    } else {
        EXPECT_EQ(dialog(), dialogBefore);
    }
}

void MonkeyTest::clickAnyCell()
{
    const auto cell = static_cast<core::CellIndex>(1 + pick(core::kCellCount));
    action = "click " + std::to_string(cell);
    const core::Game before = game()->game();
    const ui::FrmScelta* dialogBefore = dialog();
    clickCell(cell);
    checkClick(before, cell, dialogBefore);
}

void MonkeyTest::playALegalJump()
{
    const std::vector<Jump> jumps = jumpsOn(game()->game().board());
    if (jumps.empty() || game()->game().isGameOver()) {
        clickAnyCell();
        return;
    }
    const Jump j = jumps[std::size_t(pick(int(jumps.size())))];
    action = "jump " + std::to_string(j.from) + " over " + std::to_string(j.over) + " to " + std::to_string(j.to);
    if (game()->game().board().stateOf(j.from) != core::CellState::Selected) {
        const core::Game before = game()->game();
        const ui::FrmScelta* dialogBefore = dialog();
        clickCell(j.from);
        checkClick(before, j.from, dialogBefore);
        ASSERT_EQ(game()->game().board().selectedCell(), j.from);
    }
    const core::Game before = game()->game();
    const ui::FrmScelta* dialogBefore = dialog();
    clickCell(j.to);
    checkClick(before, j.to, dialogBefore);
    EXPECT_EQ(game()->game().board().pegCount(), before.board().pegCount() - 1) << "the jump was made";
    EXPECT_EQ(game()->game().undoRecord(), (core::UndoRecord{j.from, j.over, j.to}));
}

void MonkeyTest::solveALevel()
{
    static constexpr std::array<core::LevelNumber, 5> kSolved{1, 2, 3, 6, 7};
    const core::LevelNumber level = kSolved[std::size_t(pick(int(kSolved.size())))];
    action = "solve level " + std::to_string(level);
    trigger(("mnu" + std::to_string(level)).c_str());
    expectFreshLevel(level);
    for (const auto& [from, to] : solutionOf(level)) {
        for (core::CellIndex cell : {from, to}) {
            const core::Game before = game()->game();
            const ui::FrmScelta* dialogBefore = dialog();
            clickCell(cell);
            checkClick(before, cell, dialogBefore);
            if (HasFailure())
                return;
        }
    }
    EXPECT_EQ(game()->game().board().pegCount(), 1);
    EXPECT_NE(dialog(), nullptr);
}

void MonkeyTest::chooseLevel()
{
    const core::LevelNumber level = 1 + pick(core::kLastLevel);
    action = "menu level " + std::to_string(level);
    const ui::FrmScelta* dialogBefore = dialog();
    trigger(("mnu" + std::to_string(level)).c_str());
    expectFreshLevel(level);
    EXPECT_EQ(dialog(), dialogBefore) << "the dialog stays as it is";
}

void MonkeyTest::restartLevel()
{
    action = "Ricomincia";
    const core::LevelNumber level = game()->game().level();
    trigger("mnuricomincia");
    expectFreshLevel(level);
}

void MonkeyTest::undo()
{
    const core::Game before = game()->game();
    QAction* annulla = entry("mnuannulla");
    ASSERT_NE(annulla, nullptr);
    action = annulla->isEnabled() ? "Annulla" : "Annulla (disabled)";
    annulla->trigger();
    const core::Game& after = game()->game();
    if (!before.canUndo()) {
        EXPECT_EQ(picture(after.board()), picture(before.board())) << "a disabled entry does nothing";
        EXPECT_EQ(after.isGameOver(), before.isGameOver());
        return;
    }
    core::Board expected = before.board();
    const core::UndoRecord& r = before.undoRecord();
    expected.setState(r.ultpartenza, core::CellState::Peg);
    expected.setState(r.ultsaltato, core::CellState::Peg);
    expected.setState(r.ultarrivo, core::CellState::Empty);
    EXPECT_EQ(picture(after.board()), picture(expected));
    EXPECT_FALSE(after.canUndo()) << "one step of undo only";
    EXPECT_FALSE(after.isGameOver());
    EXPECT_EQ(after.level(), before.level());
}

// A key the game window has a shortcut for, pressed with that window active.
void MonkeyTest::pressAShortcut()
{
    struct Key {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    static const std::array<Key, 6> kKeys{{
        {Qt::Key_F2, Qt::NoModifier, "F2"},
        {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
        {Qt::Key_F3, Qt::NoModifier, "F3"},
        {Qt::Key_F4, Qt::NoModifier, "F4"},
        {Qt::Key_F5, Qt::NoModifier, "F5"},
        {Qt::Key_F6, Qt::NoModifier, "F6"},
    }};
    const Key& k = kKeys[std::size_t(pick(int(kKeys.size())))];
    action = std::string("key ") + k.name;
    const core::Game before = game()->game();
    activate(game());
    press(game(), k.key, k.modifiers);
    const core::Game& after = game()->game();
    switch (k.key) {
    case Qt::Key_F2: expectFreshLevel(before.level()); break;
    case Qt::Key_Z:
        EXPECT_FALSE(after.canUndo());
        EXPECT_EQ(after.board().pegCount(), before.board().pegCount() + (before.canUndo() ? 1 : 0));
        break;
    default:
        for (const HelpScreen& s : kHelpScreens)
            if (s.key == k.key) {
                EXPECT_NE(loaded(s.id), nullptr) << "the key opens its screen";
            }
        EXPECT_EQ(picture(after.board()), picture(before.board()));
        break;
    }
}

void MonkeyTest::openHelpScreen()
{
    const HelpScreen& s = kHelpScreens[std::size_t(pick(int(kHelpScreens.size())))];
    action = std::string("menu ") + s.menuEntry;
    const QWidget* already = loaded(s.id);
    const core::Game before = game()->game();
    trigger(s.menuEntry);
    ASSERT_NE(loaded(s.id), nullptr);
    EXPECT_TRUE(loaded(s.id)->isVisible());
    if (already) {
        EXPECT_EQ(loaded(s.id), already) << "an open screen is only raised";
    }
    EXPECT_EQ(picture(game()->game().board()), picture(before.board()));
}

// By its button, by Escape where it has a cancel button, or by close().
void MonkeyTest::leaveHelpScreen()
{
    const std::vector<ui::WindowId> open = openHelpScreens();
    const ui::WindowId id = open[std::size_t(pick(int(open.size())))];
    const HelpScreen& s = *std::find_if(kHelpScreens.begin(), kHelpScreens.end(),
                                        [id](const HelpScreen& h) { return h.id == id; });
    QWidget* screen = loaded(id);
    ui::FrmGioco* gameBefore = game();
    const core::Game before = gameBefore ? gameBefore->game() : core::Game();
    const int way = pick(s.escapeCloses ? 3 : 2);
    if (way == 0) {
        action = std::string("close() ") + screen->objectName().toStdString();
        screen->close();
        settle();
        EXPECT_EQ(game(), gameBefore) << "closing a screen leaves the game window as it is";
        return;
    }
    action = std::string(way == 1 ? "button " : "Escape ") + screen->objectName().toStdString();
    if (way == 1) {
        QTest::mouseClick(button(screen, s.button), Qt::LeftButton);
    } else {
        activate(screen);
        press(screen, Qt::Key_Escape);
    }
    settle();
    EXPECT_EQ(loaded(id), nullptr) << "the screen is gone";
    if (way == 1) {
        ASSERT_NE(game(), nullptr) << "the button brings the game window back";
        if (gameBefore) {
            EXPECT_EQ(picture(game()->game().board()), picture(before.board())) << "the game goes on";
        } else {
            expectFreshLevel(1);
        }
    }
}

void MonkeyTest::pressADialogButton()
{
    ui::FrmScelta* scelta = dialog();
    const core::LevelNumber livello = scelta->livello();
    const bool next = chance(50);
    action = std::string(next ? "Livello successivo" : "Stesso livello") + " after level " + std::to_string(livello);
    ui::FrmGioco* gameBefore = game();
    const core::Board boardBefore = gameBefore ? gameBefore->game().board() : core::startBoard(1);
    QTest::mouseClick(button(scelta, next ? "cmdsuccessivo" : "cmdstesso"), Qt::LeftButton);
    settle();
    EXPECT_EQ(dialog(), nullptr);
    ASSERT_NE(game(), nullptr);
    EXPECT_TRUE(game()->isVisible());
    if (!next) {
        expectFreshLevel(livello);
    } else if (livello < core::kLastLevel) {
        expectFreshLevel(livello + 1);
    } else {
        EXPECT_EQ(picture(game()->game().board()), picture(boardBefore)) << "no level after the last";
        EXPECT_FALSE(game()->game().isGameOver());
        EXPECT_FALSE(game()->game().canUndo());
    }
}

// Any window, the game window too, whatever else is open. When it was the
// last, the program has ended: start it again.
void MonkeyTest::closeAWindow()
{
    std::vector<QWidget*> open;
    for (const WindowName& w : kWindows)
        if (QWidget* window = loaded(w.id))
            open.push_back(window);
    QWidget* victim = open[std::size_t(pick(int(open.size())))];
    action = "close() " + victim->objectName().toStdString();
    const bool last = open.size() == 1;
    victim->close();
    settle();
    EXPECT_EQ(windows->loadedCount(), int(open.size()) - 1);
    EXPECT_EQ(windows->hasEnded(), last);
}

void MonkeyTest::step()
{
    if (windows->hasEnded()) {
        action = "start over";
        startOver();
        return;
    }
    if (!game()) {
        // The game window was closed: something else is still open. Come
        // back through it, or close something more.
        const int roll = pick(10);
        if (dialog() && roll < 5)
            pressADialogButton();
        else if (!openHelpScreens().empty() && roll < 8)
            leaveHelpScreen();
        else
            closeAWindow();
        return;
    }

    enum Step { Click, Jump, Solve, Level, Restart, Undo, Key, OpenHelp, LeaveHelp, Dialog, Close };
    struct Weighted {
        Step step;
        int weight;
    };
    const bool helpOpen = !openHelpScreens().empty();
    const Weighted table[] = {
        {Click, 30},
        {Jump, 30},
        {Solve, 2},
        {Level, 6},
        {Restart, 4},
        {Undo, 8},
        {Key, 5},
        {OpenHelp, 4},
        {LeaveHelp, helpOpen ? 6 : 0},
        {Dialog, dialog() ? 15 : 0},
        {Close, 3},
    };
    int total = 0;
    for (const Weighted& w : table)
        total += w.weight;
    int roll = pick(total);
    Step chosen = Click;
    for (const Weighted& w : table) {
        if (roll < w.weight) {
            chosen = w.step;
            break;
        }
        roll -= w.weight;
    }
    switch (chosen) {
    case Click: clickAnyCell(); break;
    case Jump: playALegalJump(); break;
    case Solve: solveALevel(); break;
    case Level: chooseLevel(); break;
    case Restart: restartLevel(); break;
    case Undo: undo(); break;
    case Key: pressAShortcut(); break;
    case OpenHelp: openHelpScreen(); break;
    case LeaveHelp: leaveHelpScreen(); break;
    case Dialog: pressADialogButton(); break;
    case Close: closeAWindow(); break;
    }
}

void MonkeyTest::checkEverything()
{
    settle();
    // Repaints run too, so every paint path is driven with the states met.
    QCoreApplication::processEvents();

    // Each window at most once, shown exactly while it is loaded; closed
    // ones are gone for good.
    for (const WindowName& w : kWindows) {
        int all = 0;
        int visible = 0;
        QWidget* shown = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() != QLatin1String(w.name))
                continue;
            ++all;
            if (top->isVisible()) {
                ++visible;
                shown = top;
            }
        }
        QWidget* registered = loaded(w.id);
        EXPECT_EQ(all, registered ? 1 : 0) << w.name << " windows alive";
        EXPECT_EQ(visible, registered ? 1 : 0) << w.name << " windows shown";
        EXPECT_EQ(shown, registered) << w.name;
    }
    if (windows->hasEnded()) {
        EXPECT_EQ(windows->loadedCount(), 0);
        return;
    }
    ASSERT_GT(windows->loadedCount(), 0) << "the program runs while a window is open";

    ui::FrmGioco* gioco = game();
    if (!gioco)
        return;
    const core::Game& g = gioco->game();
    const core::Board& board = g.board();

    // The window shows the state...
    for (core::CellIndex i = 1; i <= core::kCellCount; ++i)
        ASSERT_EQ(symbol(gioco->boardView()->cell(i)->state()), symbol(board.stateOf(i)))
            << "cell " << i << picture(board);
    const auto shown = [&](const char* name) {
        const auto* w = gioco->findChild<QWidget*>(QString::fromLatin1(name));
        return w != nullptr && w->isVisible();
    };
    EXPECT_EQ(shown("shpover"), g.overNoticeVisible());
    EXPECT_EQ(shown("lblover"), g.overNoticeVisible());
    EXPECT_EQ(shown("shpvariante"), g.variantNoticeVisible());
    EXPECT_EQ(shown("lblvariante"), g.variantNoticeVisible());
    EXPECT_EQ(entry("mnuannulla")->isEnabled(), g.canUndo());
    for (core::LevelNumber n = core::kFirstLevel; n <= core::kLastLevel; ++n)
        EXPECT_EQ(entry(("mnu" + std::to_string(n)).c_str())->isChecked(), n == g.level()) << "level entry " << n;
    EXPECT_EQ(label(gioco, "lbllivello")->text().toStdString(), g.levelCaption());
    EXPECT_EQ(label(gioco, "lblnome")->text().toStdString(), g.levelName());

    // ...and the state holds together.
    EXPECT_LE(selectedCount(board), 1) << picture(board);
    if (g.isGameOver()) {
        EXPECT_TRUE(jumpsOn(board).empty()) << "game over with a jump left" << picture(board);
    }
    if (g.overNoticeVisible()) {
        EXPECT_TRUE(g.isGameOver()) << "the notice shows only on a locked board";
    }
    if (g.canUndo()) {
        const core::UndoRecord& r = g.undoRecord();
        EXPECT_EQ(symbol(board.stateOf(r.ultpartenza)), 'o');
        EXPECT_EQ(symbol(board.stateOf(r.ultsaltato)), 'o');
        EXPECT_TRUE(board.holdsPeg(r.ultarrivo)) << "the jump to take back is on the board";
    }
}

TEST_F(MonkeyTest, RandomPlayKeepsEveryWindowSingleAndShowingTheGameState)
{
    const std::uint64_t base = baseSeed();
    for (int run = 0; run < kRuns; ++run) {
        const std::uint64_t seed = base + std::uint64_t(run);
        SCOPED_TRACE("seed " + std::to_string(seed) + " (replay with ZIBBET_MONKEY_SEED=" + std::to_string(seed)
                     + ")");
        rng.seed(seed);
        startOver();
        checkEverything();
        for (int n = 0; n < kStepsPerRun && !HasFailure(); ++n) {
            action.clear();
            std::ostringstream where;
            where << "step " << n;
            SCOPED_TRACE(where.str());
            step();
            if (!HasFailure())
                checkEverything();
            if (HasFailure())
                ADD_FAILURE() << "the step was: " << action;
        }
        if (HasFailure())
            return;
    }
}

// ------------------------------------------------------- the idle program

namespace {

// Counts what a busy program would show: timer ticks and repaints.
class Ticks : public QObject {
public:
    int timers = 0;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Timer: ++timers; break;
        case QEvent::Paint:
        case QEvent::UpdateRequest: ++paints; break;
        default: break;
        }
        return false;
    }
};

} // namespace

class IdleTest : public WindowsTest {
protected:
    // Runs the event loop for span with nothing to do. Another thread ends
    // it, so that quit is the one wake-up to expect.
    void runIdle(std::chrono::milliseconds span)
    {
        QEventLoop loop;
        std::thread quitter([&loop, span] {
            std::this_thread::sleep_for(span);
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        quitter.join();
    }

    // Lets the first paints of what was just opened happen.
    static void drain()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }
};

TEST_F(IdleTest, OpenWindowsWaitingForThePlayerNeitherTickNorRepaint)
{
    ui::FrmGioco* gioco = openGame();
    ASSERT_NE(gioco, nullptr);
    ASSERT_NE(solve(1), nullptr);
    ui::Windows::present(windows->frmistruzioni());
    drain();

    Ticks ticks;
    qApp->installEventFilter(&ticks);
    int wakes = 0;
    {
        QObject counting;
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, &counting,
                         [&wakes] { ++wakes; });
        runIdle(std::chrono::milliseconds(400));
    }
    const int idleTimers = ticks.timers;
    const int idlePaints = ticks.paints;
    const int idleWakes = wakes;

    // The counters do see work when there is some.
    gioco->boardView()->cell(1)->update();
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&ticks);

    EXPECT_EQ(idleTimers, 0) << "timer events while idle";
    EXPECT_EQ(idlePaints, 0) << "repaints while idle";
    EXPECT_LE(idleWakes, 3) << "the event loop woke up while idle";
    EXPECT_GT(ticks.paints, idlePaints) << "a requested repaint is counted";
}

class WindowIconTest : public IdleTest {};

TEST_F(WindowIconTest, EveryWindowSharesTheOneApplicationIcon)
{
    ui::FrmGioco* gioco = openGame();
    ASSERT_NE(gioco, nullptr);
    ui::Windows::present(windows->frmstoria());
    ui::Windows::present(windows->frminfo());
    drain();
    for (QWidget* w : {static_cast<QWidget*>(gioco), windows->loaded(ui::WindowId::Storia),
                       windows->loaded(ui::WindowId::Info)}) {
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->windowIcon().isNull()) << w->objectName().toStdString();
        EXPECT_EQ(w->windowIcon().cacheKey(), ui::appIcon().cacheKey())
            << w->objectName().toStdString() << " has an icon of its own";
    }
}
