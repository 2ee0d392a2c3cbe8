// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "driver.h"

#include "board/boardview.h"
#include "board/cellwidget.h"
#include "controls/form.h"
#include "controls/palette.h"
#include "solver.h"

#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QMenuBar>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <private/qapplication_p.h>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformbackingstore.h>
#include <qpa/qplatformintegration.h>

#include <gtest/gtest.h>

using core::CellState;
using ui::CellWidget;
using ui::WindowId;

namespace {

// Brings the window to the front with the keyboard at once, as a player's
// click on it would, also while the offscreen platform still counts a closed
// menu as the active window (a request through the platform arrives later
// and leaves the model behind). Qt 6.5 made the public call deprecated and
// kept the same function in QApplicationPrivate; the #if goes once the
// oldest Qt built against is 6.5 (Debian 12 has 6.4).
void activateAtOnce(QWidget* w)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    QApplicationPrivate::setActiveWindow(w);
#else
    QApplication::setActiveWindow(w);
#endif
}

// The player's hands.

void click(Driver& d, WindowId id, const char* button)
{
    auto* b = d.window(id)->findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

// Return, or the keypad's Enter, as a player has them.
void enter(Driver& d, WindowId id)
{
    const bool keypad = d.random() % 2 == 0;
    d.key(id, keypad ? Qt::Key_Enter : Qt::Key_Return, keypad ? Qt::KeypadModifier : Qt::NoModifier);
}

// Alt and the menu's letter, then the entry's letter.
void menu(Driver& d, Qt::Key menuKey, Qt::Key entryKey)
{
    d.key(WindowId::Gioco, menuKey, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << "Alt+" << char(menuKey) << " opens a menu";
    QTest::keyClick(popup, entryKey);
    d.front.reset(); // offscreen, the closed menu stays the active window
}

// Menus opened by their access keys and each left with Escape, as a
// keyboard player looks through them, then a last Escape: the keyboard is
// back on the board's cell.
void browseMenus(Driver& d)
{
    static const Qt::Key kMenus[] = {Qt::Key_G, Qt::Key_L, Qt::Key_A};
    for (auto n = 1 + d.random() % 3; n > 0; --n) {
        d.key(WindowId::Gioco, kMenus[d.random() % 3], Qt::AltModifier);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), d.window(WindowId::Gioco)->findChild<QWidget*>(cellName(d.focus)))
        << "the keyboard back on the board";
    d.front.reset(); // offscreen, the closed menu stays the active window
}

// As the window system asks: a close event to the window, which a window
// that has already unloaded still receives until it is destroyed.
void closeBox(QWidget* window)
{
    QCloseEvent close;
    QCoreApplication::sendEvent(window->windowHandle(), &close);
}

QPoint centreOf(Driver& d, core::CellIndex cell)
{
    const QWidget* gioco = d.window(WindowId::Gioco);
    return gioco->findChild<ui::BoardView*>()->mapTo(gioco, ui::BoardView::cellRect(cell).center());
}

// Pressed on the cell, released on another cell or off the cells: no click
// at all, but the focus moves to the cell and hides the ring.
void changeMind(Driver& d, core::CellIndex cell)
{
    const auto other = static_cast<core::CellIndex>(d.random() % 34); // 0: off the cells
    QTest::mousePress(d.window(WindowId::Gioco)->windowHandle(), Qt::LeftButton, Qt::NoModifier, centreOf(d, cell));
    QTest::mouseRelease(d.window(WindowId::Gioco)->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                        other && other != cell ? centreOf(d, other) : QPoint(1, 30));
    d.focus = cell, d.ring = false;
}

// The press action a screen reader offers on each cell: a click that moves
// no focus.
void pressByScreenReader(Driver& d, core::CellIndex cell)
{
    const QWidget* widget = d.window(WindowId::Gioco)->findChild<QWidget*>(cellName(cell));
    QAccessibleActionInterface* actions = accessible(widget)->actionInterface();
    ASSERT_TRUE(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    d.clicked(cell);
}

// An arrow moves the focus one hole along the cross and shows the ring; at
// the edge of the cross it does nothing.
void arrow(Driver& d, std::size_t which, int repeats = 0)
{
    static const std::tuple<Qt::Key, int, int> kArrows[] = {
        {Qt::Key_Up, -1, 0}, {Qt::Key_Down, 1, 0}, {Qt::Key_Left, 0, -1}, {Qt::Key_Right, 0, 1}};
    const auto [key, dRow, dCol] = kArrows[which];
    d.key(WindowId::Gioco, key, Qt::NoModifier, repeats);
    for (int step = 0; step <= repeats; ++step) {
        const core::GridPos at = core::gridPosOf(d.focus);
        if (const core::CellIndex next = core::cellAt(at.row + dRow, at.col + dCol); next != core::kNoCell)
            d.focus = next, d.ring = true;
        else
            d.said.emplace_back(); // "bordo", as the transcripts hold it
    }
}

// A key on the board's focused cell: a click there.
void press(Driver& d, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int repeats = 0)
{
    d.key(WindowId::Gioco, k, modifiers, repeats);
    d.clicked(d.focus);
}

// What the commands tell the model.

// A level from the menu or the dialog is heard as the keyboard comes back to
// the board, by the board's name (checked after every command): nothing is
// announced. The two level buttons bring the game window back first, a fresh
// one if it was closed meanwhile. A restart is said.
void sameLevel(Driver& d) { d.showGame(); d.referee.dialogSame(); d.closed(WindowId::Scelta); }
void nextLevel(Driver& d)
{
    d.met["Livello successivo after the last level"] += d.referee.dialog() == core::kLastLevel;
    d.showGame(); d.referee.dialogNext(); d.closed(WindowId::Scelta);
}
void restart(Driver& d) { d.referee.restart(); d.said.emplace_back(); }
void endAll(Driver& d) { d.programEnded(); }
void startGame(Driver& d) { d.showGame(); d.closed(WindowId::Inizio); }

// An undo names the two holes it fills again; Ctrl+Z with nothing to undo
// says so, and the menu entry is disabled then.
void undo(Driver& d, bool byKey)
{
    const core::testing::Seen before = core::testing::seen(d.referee.game());
    d.met["an undo with the dialog open"] += d.open.contains(WindowId::Scelta) && before.canUndo;
    d.referee.undo();
    if (before.canUndo)
        d.hear({CellWidget::placeOf(before.undo.ultpartenza), CellWidget::placeOf(before.undo.ultsaltato)}, before);
    else if (byKey)
        d.said.emplace_back();
}

core::CellIndex anyCell(Driver& d) { return static_cast<core::CellIndex>(1 + d.random() % 33); }

void solve(Driver& d)
{
    // A level chosen from the menu, the last one as often as the others
    // together: the dialog's buttons differ there.
    const auto n = static_cast<core::LevelNumber>(d.random() % 2 ? 7 : 1 + d.random() % 7);
    menu(d, Qt::Key_L, Qt::Key(Qt::Key_0 + n)); d.referee.startLevel(n);
    d.playJumps(core::testing::solutionOf(n));
}

struct HelpRow { WindowId id; Qt::Key shortcut, accessKey; const char* back; bool escapeGoesBack; };
const HelpRow kHelp[] = {{WindowId::Storia, Qt::Key_F3, Qt::Key_S, "cmdindietro", true},
                         {WindowId::Istruzioni, Qt::Key_F4, Qt::Key_I, "cmdindietro", false},
                         {WindowId::Varianti, Qt::Key_F5, Qt::Key_V, "cmdindietro", false},
                         {WindowId::Info, Qt::Key_F6, Qt::Key_N, "cmdok", true}};

std::string keyName(Qt::Key key) { return QKeySequence(key).toString().toStdString(); }

std::vector<Command> makeCommands()
{
    using enum WindowId;
    std::vector<Command> all{
        {"Escape on frminizio", Inizio, [](Driver& d) { d.key(Inizio, Qt::Key_Escape); }},
        {"close box of frminizio", Inizio, [](Driver& d) { closeBox(d.window(Inizio)); d.closed(Inizio); }},
        {"Enter on frminizio", Inizio, [](Driver& d) { enter(d, Inizio); startGame(d); }},
        {"click a cell", Gioco, [](Driver& d) { d.clickCell(anyCell(d)); }, 30},
        {"double click on a cell", Gioco, [](Driver& d) { // two clicks
             const core::CellIndex cell = anyCell(d);
             QTest::mouseDClick(d.window(Gioco)->windowHandle(), Qt::LeftButton, Qt::NoModifier, centreOf(d, cell));
             d.focus = cell, d.ring = false;
             d.clicked(cell), d.clicked(cell);
         }, 4},
        {"Shift+Tab on frmgioco", Gioco, [](Driver& d) { d.key(Gioco, Qt::Key_Backtab, Qt::ShiftModifier); d.ring = true; }},
        {"Shift+Tab on frmscelta", Scelta, [](Driver& d) { d.key(Scelta, Qt::Key_Backtab, Qt::ShiftModifier); }},
        {"change of mind on a cell", Gioco, [](Driver& d) { changeMind(d, anyCell(d)); }, 4},
        {"a screen reader presses a cell", Gioco, [](Driver& d) { pressByScreenReader(d, anyCell(d)); }, 4},
        {"play a jump", Gioco, [](Driver& d) {
             const auto jumps = core::testing::jumpsIn(core::testing::positionOf(d.referee.game().board()));
             if (!jumps.empty())
                 d.playJumps({jumps[d.random() % jumps.size()]});
         }, 30},
        {"F2", Gioco, [](Driver& d) { d.key(Gioco, Qt::Key_F2); restart(d); }},
        {"Ctrl+Z", Gioco, [](Driver& d) { d.key(Gioco, Qt::Key_Z, Qt::ControlModifier); undo(d, true); }, 4},
        {"Alt+G R", Gioco, [](Driver& d) { menu(d, Qt::Key_G, Qt::Key_R); restart(d); }},
        {"Alt+G A", Gioco, [](Driver& d) { menu(d, Qt::Key_G, Qt::Key_A); undo(d, false); }, 4},
        {"solve a level", Gioco, solve, 3},
        {"route to a pattern", Gioco, [](Driver& d) {
             menu(d, Qt::Key_L, Qt::Key_7);
             d.referee.startLevel(7);
             d.playJumps(core::testing::routeTo(static_cast<core::Variant>(d.random() % 3)));
         }, 2},
        {"Tab on frmgioco", Gioco, [](Driver& d) { d.key(Gioco, Qt::Key_Tab); d.ring = true; }},
        {"an arrow key", Gioco, [](Driver& d) { arrow(d, d.random() % 4); }, 20},
        {"Space on frmgioco", Gioco, [](Driver& d) { press(d, Qt::Key_Space); }, 10},
        // Held down: the arrows repeat, the click keys click once.
        {"an arrow key held", Gioco, [](Driver& d) { arrow(d, d.random() % 4, 1 + int(d.random() % 3)); }, 4},
        {"Space or Enter held", Gioco, [](Driver& d) {
             press(d, d.random() % 2 ? Qt::Key_Space : Qt::Key_Return, Qt::NoModifier, 1 + int(d.random() % 3));
         }, 4},
        {"Enter on frmgioco", Gioco, [](Driver& d) { press(d, Qt::Key_Return); }},
        {"keypad Enter on frmgioco", Gioco, [](Driver& d) { press(d, Qt::Key_Enter, Qt::KeypadModifier); }},
        {"Escape on frmgioco", Gioco, [](Driver& d) { d.key(Gioco, Qt::Key_Escape); }},
        {"menus looked through", Gioco, browseMenus, 3},
        {"Tab on frmscelta", Scelta, [](Driver& d) { d.key(Scelta, Qt::Key_Tab); }},
        {"Enter on frmscelta", Scelta, [](Driver& d) { // presses the button with the focus
             const QString focused = d.window(Scelta)->focusWidget()->objectName();
             enter(d, Scelta);
             (focused == "cmdstesso" ? sameLevel : focused == "cmdsuccessivo" ? nextLevel : endAll)(d);
         }},
        {"cmdstesso", Scelta, [](Driver& d) { click(d, Scelta, "cmdstesso"); sameLevel(d); }},
        {"cmdsuccessivo", Scelta, [](Driver& d) { click(d, Scelta, "cmdsuccessivo"); nextLevel(d); }},
        {"close box of frmscelta", Scelta, [](Driver& d) { closeBox(d.window(Scelta)); d.closed(Scelta); }},
    };
    for (core::LevelNumber n = 1; n <= 7; ++n)
        all.push_back({"Alt+L " + std::to_string(n), Gioco,
                       [n](Driver& d) { menu(d, Qt::Key_L, Qt::Key(Qt::Key_0 + n)); d.referee.startLevel(n); }});
    for (const HelpRow& h : kHelp) {
        const std::string name = nameOf(h.id);
        const auto back = [h](Driver& d) { d.showGame(); d.closed(h.id); };
        all.push_back({keyName(h.shortcut), Gioco, [h](Driver& d) { d.key(Gioco, h.shortcut); d.opened(h.id); }});
        all.push_back({"Alt+A for " + name, Gioco,
                       [h](Driver& d) { menu(d, Qt::Key_A, h.accessKey); d.opened(h.id); }});
        all.push_back({h.back + (" on " + name), h.id, [h, back](Driver& d) { click(d, h.id, h.back); back(d); }});
        all.push_back({"Enter on " + name, h.id, [h, back](Driver& d) { enter(d, h.id); back(d); }});
        all.push_back({"Escape on " + name, h.id, [h, back](Driver& d) {
                           d.key(h.id, Qt::Key_Escape);
                           if (h.escapeGoesBack)
                               back(d);
                       }});
        // The game window's keys belong to it: on a help screen in front
        // they do nothing.
        all.push_back({"the game's keys on " + name, h.id, [h](Driver& d) {
                           for (const int k : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F6, Qt::Key_Delete, Qt::Key_F1})
                               d.key(h.id, k);
                           d.key(h.id, Qt::Key_Z, Qt::ControlModifier);
                       }});
        all.push_back({"close box of " + name, h.id, [h](Driver& d) { closeBox(d.window(h.id)); d.closed(h.id); }, 3});
        // Two clicks on the close box while the program is busy: the second
        // reaches the window after it unloaded, before it is destroyed, and
        // after the menu opened a new one.
        all.push_back({"close box twice, with " + keyName(h.shortcut) + " between", h.id, [h](Driver& d) {
                           if (!d.open.contains(Gioco))
                               return;
                           QWidget* first = d.window(h.id);
                           closeBox(first);
                           d.key(Gioco, h.shortcut);
                           d.opened(h.id);
                           closeBox(first);
                       }});
    }
    all.push_back({"close box of frmgioco", Gioco, [](Driver& d) { closeBox(d.window(Gioco)); d.closed(Gioco); }});
    all.push_back({"Escape on frmscelta", Scelta, [](Driver& d) { d.key(Scelta, Qt::Key_Escape); endAll(d); }});
    all.push_back({"cmdesci", Scelta, [](Driver& d) { click(d, Scelta, "cmdesci"); endAll(d); }});
    all.push_back({"Alt+G E", Gioco, [](Driver& d) { menu(d, Qt::Key_G, Qt::Key_E); endAll(d); }});
    all.push_back({"Del", Gioco, [](Driver& d) { d.key(Gioco, Qt::Key_Delete); endAll(d); }});
    all.push_back({"cmdvai", Inizio, [](Driver& d) { click(d, Inizio, "cmdvai"); startGame(d); }});
    return all;
}

// A menu left open, and the menu bar left holding the keyboard, are put
// away with Escape, as a player would.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        while (QWidget* popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, Qt::Key_Escape);
        if (auto* bar = qobject_cast<QMenuBar*>(QApplication::focusWidget()))
            QTest::keyClick(bar, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QGuiApplication::sync(); // on X11, also what the window system has yet to deliver
    }
}

// A point of a window's picture, in the window's logical pixels.
QColor pixel(const QImage& image, QPoint at) { return image.pixelColor(at * image.devicePixelRatio()); }

// The middle of a cell: light yellow when empty, else the colour of the ball.
// Just outside the ball's disc every cell shows its light yellow: a ball drawn
// out of place reads as no state at all.
std::optional<CellState> cellAt(const QImage& image, QPoint corner)
{
    const auto yellow = [&](int x, int y) {
        const QColor c = pixel(image, corner + QPoint(x, y));
        return c.red() > 200 && c.green() > 200 && c.blue() < 180;
    };
    if (!yellow(3, 12) || !yellow(22, 12) || !yellow(12, 3) || !yellow(12, 22))
        return std::nullopt;
    const QColor c = pixel(image, corner + QPoint(12, 12));
    if (yellow(12, 12))
        return CellState::Empty;
    if (yellow(6, 12) || yellow(19, 12)) // a ball reaches across its disc
        return std::nullopt;
    return c.red() > c.green() ? CellState::Selected : CellState::Peg;
}

// What the program told assistive technology, from the start, and what a
// screen reader says of it: a notification as it shows (its name, then its
// description), an announcement (Qt 6.8 on), and a word of its own for a
// selection event.
std::vector<std::pair<const QObject*, QAccessible::Event>> sent;
QStringList spoken;
QStringList heard; // what got the focus and what was said, in order, for the transcripts

void listen()
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        sent.emplace_back(event->object(), event->type());
        QAccessibleInterface* shown = event->type() == QAccessible::ObjectShow ? event->accessibleInterface() : nullptr;
        const qsizetype before = spoken.size();
        if (event->type() == QAccessible::Focus && event->accessibleInterface()) {
            QAccessibleInterface* focused = event->accessibleInterface();
            heard << "-> " + focused->text(QAccessible::Name) + " (" + focused->text(QAccessible::Description) + ')';
        } else if (event->type() == QAccessible::SelectionAdd || event->type() == QAccessible::Selection) {
            spoken << QStringLiteral("selezionato");
        } else if (shown && shown->role() == QAccessible::Notification) {
            const QString more = shown->text(QAccessible::Description);
            spoken << shown->text(QAccessible::Name) + (more.isEmpty() ? "" : ". " + more);
        }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) // as ui::announce
        if (event->type() == QAccessible::Announcement)
            spoken << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#endif
        heard += spoken.mid(before);
    });
}

bool wasSent(const QObject* object, QAccessible::Event type)
{
    return std::ranges::find(sent, std::pair{object, type}) != sent.end();
}


} // namespace

const char* nameOf(WindowId id)
{
    static const char* const kNames[] = {"frminizio",     "frmgioco",    "frmscelta", "frmstoria",
                                         "frmistruzioni", "frmvarianti", "frminfo"};
    return kNames[static_cast<int>(id)];
}

QStringList takeHeard() { return std::exchange(heard, {}); }

const std::vector<Command>& commands()
{
    static const std::vector<Command> all = makeCommands();
    return all;
}

QImage shot(const QWidget* w)
{
    EXPECT_TRUE(QTest::qWaitForWindowExposed(const_cast<QWidget*>(w))); // on X11, once the server has shown it
    QCoreApplication::processEvents(); // and once what changed is painted
    QImage painted = w->backingStore()->handle()->toImage();
    painted.setDevicePixelRatio(w->devicePixelRatio());
    return painted;
}

Driver::Driver(std::uint64_t seed) : random(seed)
{
    [[maybe_unused]] static const bool listening = (listen(), true);
    startProgram();
}

Driver::~Driver()
{
    m_program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Driver::startProgram()
{
    m_program = std::make_unique<ui::Program>();
    m_ends = 0;
    QObject::connect(m_program.get(), &ui::Program::ended, [this] { ++m_ends; });
    m_program->start();
    sent.clear(), spoken.clear(), said.clear();
    open = {WindowId::Inizio};
    front = WindowId::Inizio;
    referee.dialogClosed();
    settle();
    check();
}

void Driver::run(const std::string& name)
{
    const auto named = std::ranges::find(commands(), name, &Command::name);
    ASSERT_NE(named, commands().end()) << name;
    run(*named);
}

void Driver::run(const Command& c)
{
    ASSERT_TRUE(open.contains(c.on) && window(c.on)) << c.name << " needs " << nameOf(c.on);
    sent.clear(), spoken.clear(), said.clear();
    c.run(*this);
    settle();
    check();
    if (open.empty())
        startProgram();
}

void Driver::key(WindowId id, int k, Qt::KeyboardModifiers modifiers, int repeats)
{
    QWidget* w = window(id);
    w->activateWindow();
    activateAtOnce(w);
    ASSERT_TRUE(QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }));
    front = id;
    // Each event to the widget with the focus then, as the keyboard sends it.
    const auto to = [w] { return w->focusWidget() ? w->focusWidget() : w; };
    QTest::keyPress(to(), Qt::Key(k), modifiers);
    for (int i = 0; i < repeats; ++i) {
        QKeyEvent repeated(QEvent::KeyPress, k, modifiers, QString(), true);
        QCoreApplication::sendEvent(to(), &repeated);
    }
    QTest::keyRelease(to(), Qt::Key(k), modifiers);
}

// A press takes the focus to the cell and hides the ring.
void Driver::clickCell(core::CellIndex cell)
{
    QTest::mouseClick(window(WindowId::Gioco)->windowHandle(), Qt::LeftButton, Qt::NoModifier, centreOf(*this, cell));
    focus = cell, ring = false;
    clicked(cell);
}

void Driver::playJumps(const core::testing::Moves& jumps)
{
    for (const core::Jump& j : jumps)
        for (const core::CellIndex cell : {j.from, j.to})
            if (cell != j.from || referee.game().board().stateOf(cell) != CellState::Selected)
                clickCell(cell);
}

// One peg left opens the dialog, or brings the open one to the front.
void Driver::clicked(core::CellIndex cell)
{
    const core::testing::Seen before = core::testing::seen(referee.game());
    const bool dialogOpen = referee.dialog().has_value();
    met["a click on a locked board"] += before.locked;
    const core::ClickOutcome outcome = referee.click(cell);
    const bool jumped = before.board.stateOf(cell) == CellState::Empty && referee.game().board().holdsPeg(cell);
    if (before.locked)
        said.emplace_back();
    else // a jump names the peg it took
        hear(jumped ? QStringList(CellWidget::placeOf(referee.game().undoRecord().ultsaltato)) : QStringList(), before);
    if (outcome != core::ClickOutcome::SinglePegLeft)
        return;
    met["one peg left again with the dialog open"] += dialogOpen;
    opened(WindowId::Scelta);
}

// One utterance: what the action did, with the notices it brought up, in
// the words their labels show.
void Driver::hear(QStringList fragments, const core::testing::Seen& before)
{
    const core::testing::Seen now = core::testing::seen(referee.game());
    for (const auto& [label, shows, showed] : {std::tuple{"lblover", now.overNotice, before.overNotice},
                                               {"lblvariante", now.variantNotice, before.variantNotice}})
        if (shows && !showed)
            fragments << window(WindowId::Gioco)->findChild<QLabel*>(label)->text();
    said.push_back(fragments);
}

void Driver::showGame()
{
    if (!open.contains(WindowId::Gioco))
        referee.reload(), focus = 1, ring = false;
    opened(WindowId::Gioco);
}

// The dialog's window and the referee's open dialog come and go together.
// Which window the window system puts in front then is its own business.
void Driver::closed(WindowId id)
{
    open.erase(id);
    if (id == WindowId::Scelta)
        referee.dialogClosed();
    if (front == id)
        front.reset();
}

void Driver::programEnded()
{
    open.clear();
    front.reset();
    referee.dialogClosed();
}

void Driver::check()
{
    ASSERT_EQ(referee.fault(), "");
    // The words themselves are the transcripts' (speech_test.cpp).
    ASSERT_EQ(spoken.size(), said.size()) << "what a screen reader said: " << spoken.join(" | ").toStdString();
    for (std::size_t i = 0; i < said.size(); ++i)
        for (const QString& fragment : said[i])
            EXPECT_TRUE(spoken[qsizetype(i)].contains(fragment)) << spoken[qsizetype(i)].toStdString() << " names "
                                                                 << fragment.toStdString();
    EXPECT_EQ(m_ends, open.empty() ? 1 : 0) << "the program ends once, when its last window goes";
    // On X11 the server brings a window to the front in its own time.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !front || QApplication::activeWindow() == window(*front); }, 1000))
        << nameOf(*front) << " in front";
    QGuiApplication::sync(); // and paints what it showed
    // Every window on the screen, by name, and every window that is still
    // alive: a closed one is freed, not kept hidden.
    std::multiset<std::string> shown, opened;
    for (const QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() || qobject_cast<const ui::Form*>(top))
            shown.insert(top->objectName().toStdString() + (top->isVisible() ? "" : " (hidden)"));
    for (const WindowId id : open)
        opened.insert(nameOf(id));
    EXPECT_EQ(shown, opened) << "the windows on the screen and alive";
    for (int k = 0; k < 7; ++k)
        ASSERT_EQ(window(WindowId(k)) != nullptr, open.contains(WindowId(k))) << nameOf(WindowId(k)) << " loaded";
    const QWidget* gioco = window(WindowId::Gioco);
    if (!gioco)
        return;
    const core::testing::Seen want = core::testing::seen(referee.game());
    EXPECT_EQ(gioco->findChild<QAction*>("mnuannulla")->isEnabled(), want.canUndo);
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(gioco->findChild<QAction*>(QStringLiteral("mnu%1").arg(n))->isChecked(), n == want.level) << n;
    checkBoard(gioco, want);
    m_before = want;
    m_gameBefore = const_cast<QWidget*>(gioco);
}

// The board as the screen shows it and as a screen reader hears it: each
// cell's ball, the focus where the keyboard put it with its ring only when
// the keyboard did, each cell's name and state, every change since the last
// check sent as an event, the notices.
void Driver::checkBoard(const QWidget* gioco, const core::testing::Seen& want)
{
    const QImage image = shot(gioco);
    const QWidget* board = gioco->findChild<ui::BoardView*>();
    const QPoint origin = board->mapTo(gioco, QPoint());
    const bool active = QApplication::activeWindow() == gioco, sameWindow = m_gameBefore == gioco;
    core::Board shown;
    std::map<CellState, QString> described; // a word a state, the same on every cell (the words: the transcripts)
    for (core::CellIndex cell = 1; cell <= core::kCellCount; ++cell) {
        SCOPED_TRACE("cell " + std::to_string(cell));
        const QPoint corner = origin + ui::BoardView::cellRect(cell).topLeft();
        const auto state = cellAt(image, corner);
        EXPECT_TRUE(state.has_value()) << "drawn out of place";
        shown.setState(cell, state.value_or(CellState::Empty));
        const bool ringShows = pixel(image, corner + QPoint(12, 2)) == ui::colours::kBlue;
        EXPECT_EQ(ringShows, ring && active && cell == focus) << "focus ring";
        const QWidget* widget = gioco->findChild<QWidget*>(cellName(cell));
        QAccessibleInterface* a = accessible(widget);
        const QString word = a->text(QAccessible::Description);
        EXPECT_EQ(described.try_emplace(want.board.stateOf(cell), word).first->second, word) << "described as";
        EXPECT_EQ(a->state().selected, want.board.stateOf(cell) == CellState::Selected);
        EXPECT_EQ(a->state().focused, active && cell == focus);
        const bool changed = sameWindow && m_before.board.stateOf(cell) != want.board.stateOf(cell);
        EXPECT_TRUE(!changed || wasSent(widget, QAccessible::DescriptionChanged)) << "no event for the change";
    }
    EXPECT_EQ(shown, want.board);
    QStringList words;
    for (const auto& [state, word] : described)
        words << word;
    EXPECT_EQ(words.removeDuplicates(), 0) << "each state its own word";
    // Where am I: the level, its pegs and the notices that show, in the
    // words of their labels; the status bar says the same.
    const QString name = accessible(board)->text(QAccessible::Name);
    EXPECT_EQ(accessible(board->findChild<QWidget*>("stato"))->text(QAccessible::Name), name);
    EXPECT_TRUE(name.contains(QString::fromUtf8(referee.game().levelName())) &&
                name.contains(QStringLiteral(" %1 ").arg(want.board.pegCount())))
        << name.toStdString();
    for (const auto& [label, shows] : {std::pair{"lblover", want.overNotice}, {"lblvariante", want.variantNotice}})
        EXPECT_EQ(name.contains(gioco->findChild<QLabel*>(label)->text()), shows) << name.toStdString() << ", " << label;
    EXPECT_EQ(pixel(image, origin + QPoint(252, 60)) == ui::colours::kRed, want.overNotice) << "red disc";
    EXPECT_EQ(pixel(image, origin + QPoint(252, 284)) == ui::colours::kYellow, want.variantNotice) << "yellow disc";
}
