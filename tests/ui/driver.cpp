// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "driver.h"

#include "board/boardview.h"
#include "controls/form.h"
#include "controls/palette.h"
#include "forms/frmgioco.h"
#include "core/geometry.h"
#include "solver.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <ranges>

#include <gtest/gtest.h>

using core::CellState;
using ui::WindowId;

namespace {

const char* const kNames[] = {"frminizio", "frmgioco",      "frmscelta", "frmstoria",
                              "frmistruzioni", "frmvarianti", "frminfo"};

const char* nameOf(WindowId id) { return kNames[static_cast<int>(id)]; }
QString cellName(core::CellIndex cell) { return QStringLiteral("pct(%1)").arg(cell); }

// The two level buttons bring the game window back first, a fresh one if it
// was closed meanwhile.
void sameLevel(Driver& d) { d.showGame(); d.referee().dialogSame(); d.closed(WindowId::Scelta); }
void nextLevel(Driver& d) { d.showGame(); d.referee().dialogNext(); d.closed(WindowId::Scelta); }
void endAll(Driver& d) { d.programEnded(); }
void startGame(Driver& d) { d.showGame(); d.closed(WindowId::Inizio); }

void solve(Driver& d, bool byKeyboard)
{
    d.key(WindowId::Gioco, Qt::Key_F2);
    d.referee().restart();
    d.playJumps(core::testing::solutionOf(d.referee().game().level()), byKeyboard);
}

struct HelpRow {
    WindowId id;
    Qt::Key shortcut, accessKey;
    const char* back;
    bool escapeGoesBack;
};
const HelpRow kHelp[] = {{WindowId::Storia, Qt::Key_F3, Qt::Key_S, "cmdindietro", true},
                         {WindowId::Istruzioni, Qt::Key_F4, Qt::Key_I, "cmdindietro", false},
                         {WindowId::Varianti, Qt::Key_F5, Qt::Key_V, "cmdindietro", false},
                         {WindowId::Info, Qt::Key_F6, Qt::Key_N, "cmdok", true}};

std::string keyName(Qt::Key key) { return QKeySequence(key).toString().toStdString(); }

const Arrow kArrows[] = {{Qt::Key_Up, -1, 0}, {Qt::Key_Down, 1, 0}, {Qt::Key_Left, 0, -1}, {Qt::Key_Right, 0, 1}};

std::vector<Command> makeCommands()
{
    using enum WindowId;
    std::vector<Command> all{
        {"Escape on frminizio", Inizio, [](Driver& d) { d.key(Inizio, Qt::Key_Escape); }},
        {"close box of frminizio", Inizio, [](Driver& d) { d.closeBox(Inizio); d.closed(Inizio); }},
        {"Enter on frminizio", Inizio, [](Driver& d) { d.key(Inizio, Qt::Key_Return); startGame(d); }},
        {"click a cell", Gioco, [](Driver& d) { d.clickCell(static_cast<core::CellIndex>(1 + d.random() % 33)); }, 30},
        {"play a jump", Gioco, [](Driver& d) {
             const auto jumps = core::testing::jumpsIn(core::testing::positionOf(d.referee().game().board()));
             const bool byKeyboard = d.random() % 4 == 0;
             if (!jumps.empty())
                 d.playJumps({jumps[d.random() % jumps.size()]}, byKeyboard);
         }, 30},
        {"F2", Gioco, [](Driver& d) { d.key(Gioco, Qt::Key_F2); d.referee().restart(); }},
        {"Ctrl+Z", Gioco, [](Driver& d) { d.key(Gioco, Qt::Key_Z, Qt::ControlModifier); d.referee().undo(); }, 4},
        {"Alt+G R", Gioco, [](Driver& d) { d.menu(Qt::Key_G, Qt::Key_R); d.referee().restart(); }},
        {"Alt+G A", Gioco, [](Driver& d) { d.menu(Qt::Key_G, Qt::Key_A); d.referee().undo(); }, 4},
        {"solve the level", Gioco, [](Driver& d) { solve(d, false); }, 3},
        {"route to a pattern", Gioco, [](Driver& d) {
             d.menu(Qt::Key_L, Qt::Key_7);
             d.referee().startLevel(7);
             d.playJumps(core::testing::routeTo(static_cast<core::Variant>(d.random() % 3)));
         }, 2},
        {"Tab on frmgioco", Gioco, [](Driver& d) { d.key(Gioco, Qt::Key_Tab); d.ringShown(); }},
        {"an arrow key", Gioco, [](Driver& d) { d.arrow(kArrows[d.random() % 4]); }, 20},
        {"Space on frmgioco", Gioco, [](Driver& d) { d.press(Qt::Key_Space); }, 10},
        {"Enter on frmgioco", Gioco, [](Driver& d) { d.press(Qt::Key_Return); }},
        {"solve the level by keyboard", Gioco, [](Driver& d) { solve(d, true); }, 2},
        {"Escape on frmgioco", Gioco, [](Driver& d) { d.key(Gioco, Qt::Key_Escape); }},
        {"Tab on frmscelta", Scelta, [](Driver& d) { d.key(Scelta, Qt::Key_Tab); }},
        {"Enter on frmscelta", Scelta, [](Driver& d) { // presses the button with the focus
             const QString focused = d.window(Scelta)->focusWidget()->objectName();
             d.key(Scelta, Qt::Key_Return);
             (focused == "cmdstesso" ? sameLevel : focused == "cmdsuccessivo" ? nextLevel : endAll)(d);
         }},
        {"cmdstesso", Scelta, [](Driver& d) { d.click(Scelta, "cmdstesso"); sameLevel(d); }},
        {"cmdsuccessivo", Scelta, [](Driver& d) { d.click(Scelta, "cmdsuccessivo"); nextLevel(d); }},
        {"close box of frmscelta", Scelta, [](Driver& d) { d.closeBox(Scelta); d.closed(Scelta); }},
    };
    for (core::LevelNumber n = 1; n <= 7; ++n)
        all.push_back({"Alt+L " + std::to_string(n), Gioco,
                       [n](Driver& d) { d.menu(Qt::Key_L, Qt::Key(Qt::Key_0 + n)); d.referee().startLevel(n); }});
    for (const HelpRow& h : kHelp) {
        const std::string name = nameOf(h.id);
        const auto back = [h](Driver& d) { d.showGame(); d.closed(h.id); };
        all.push_back({keyName(h.shortcut), Gioco, [h](Driver& d) { d.key(Gioco, h.shortcut); d.opened(h.id); }});
        all.push_back({"Alt+A for " + name, Gioco, [h](Driver& d) { d.menu(Qt::Key_A, h.accessKey); d.opened(h.id); }});
        all.push_back({h.back + (" on " + name), h.id, [h, back](Driver& d) { d.click(h.id, h.back); back(d); }});
        all.push_back({"Enter on " + name, h.id, [h, back](Driver& d) { d.key(h.id, Qt::Key_Return); back(d); }});
        all.push_back({"Escape on " + name, h.id, [h, back](Driver& d) {
                           d.key(h.id, Qt::Key_Escape);
                           if (h.escapeGoesBack)
                               back(d);
                       }});
        all.push_back({"close box of " + name, h.id, [h](Driver& d) { d.closeBox(h.id); d.closed(h.id); }});
        // Two clicks on the close box while the program is busy: the second
        // reaches the window after it unloaded, before it is destroyed, and
        // after the menu opened a new one.
        all.push_back({"close box twice, with " + keyName(h.shortcut) + " between", h.id, [h](Driver& d) {
                           if (!d.isOpen(Gioco))
                               return;
                           QWidget* first = d.window(h.id);
                           d.closeBox(h.id);
                           d.key(Gioco, h.shortcut);
                           Driver::closeBox(first);
                       }});
    }
    all.push_back({"close box of frmgioco", Gioco, [](Driver& d) { d.closeBox(Gioco); d.closed(Gioco); }});
    all.push_back({"Escape on frmscelta", Scelta, [](Driver& d) { d.key(Scelta, Qt::Key_Escape); endAll(d); }});
    all.push_back({"cmdesci", Scelta, [](Driver& d) { d.click(Scelta, "cmdesci"); endAll(d); }});
    all.push_back({"Alt+G E", Gioco, [](Driver& d) { d.menu(Qt::Key_G, Qt::Key_E); endAll(d); }});
    all.push_back({"Del", Gioco, [](Driver& d) { d.key(Gioco, Qt::Key_Delete); endAll(d); }});
    all.push_back({"cmdvai", Inizio, [](Driver& d) { d.click(Inizio, "cmdvai"); startGame(d); }});
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
        QCoreApplication::processEvents();
    }
}

// The middle of a cell: light yellow when empty, else the colour of the ball.
// Just outside the ball's disc every cell shows its light yellow: a ball drawn
// out of place reads as no state at all.
std::optional<CellState> cellAt(const QImage& image, QPoint corner)
{
    const auto yellow = [&](int x, int y) {
        const QColor c = image.pixelColor(corner + QPoint(x, y));
        return c.red() > 200 && c.green() > 200 && c.blue() < 180;
    };
    if (!yellow(3, 12) || !yellow(22, 12) || !yellow(12, 3) || !yellow(12, 22))
        return std::nullopt;
    const QColor c = image.pixelColor(corner + QPoint(12, 12));
    if (yellow(12, 12))
        return CellState::Empty;
    if (yellow(6, 12) || yellow(19, 12)) // a ball reaches across its disc
        return std::nullopt;
    return c.red() > c.green() ? CellState::Selected : CellState::Peg;
}

// What the program told assistive technology during a command, heard from
// the start as a screen reader would; what showed, with the name it had.
struct Sent {
    const QObject* object;
    QAccessible::Event type;
    QString name;
};
std::vector<Sent> sent;

void listen()
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        QAccessibleInterface* shown = event->type() == QAccessible::ObjectShow ? event->accessibleInterface() : nullptr;
        sent.push_back({event->object(), event->type(), shown ? shown->text(QAccessible::Name) : QString()});
    });
}

bool wasSent(const QObject* object, QAccessible::Event type)
{
    return std::ranges::any_of(sent, [&](const Sent& s) { return s.object == object && s.type == type; });
}

const QString kSaid[] = {QStringLiteral("vuota"), QStringLiteral("pedina"), QStringLiteral("pedina selezionata")};
QString said(CellState state) { return kSaid[static_cast<int>(state)]; }

core::CellIndex neighbour(core::CellIndex cell, const Arrow& a)
{
    const core::GridPos at = core::gridPosOf(cell);
    return core::cellAt(at.row + a.dRow, at.col + a.dCol);
}

// A way over the arrow keys from one cell to another: up or down while that
// stays on the cross and nears the row, else left or right.
std::vector<Arrow> way(core::CellIndex from, core::CellIndex to)
{
    std::vector<Arrow> keys;
    const core::GridPos goal = core::gridPosOf(to);
    for (core::GridPos at = core::gridPosOf(from); at != goal && keys.size() < 12; at = core::gridPosOf(from)) {
        const Arrow& vertical = kArrows[at.row < goal.row ? 1 : 0];
        const bool upOrDown = at.row != goal.row && neighbour(from, vertical) != core::kNoCell;
        keys.push_back(upOrDown ? vertical : kArrows[at.col < goal.col ? 3 : 2]);
        from = neighbour(from, keys.back());
    }
    return keys;
}

} // namespace

const std::vector<Command>& commands()
{
    static const std::vector<Command> all = makeCommands();
    return all;
}

void Driver::run(const std::string& name)
{
    const auto named = std::ranges::find(commands(), name, &Command::name);
    ASSERT_NE(named, commands().end()) << name;
    run(*named);
}

Driver::Driver(std::uint64_t seed) : random(seed)
{
    static const bool listening = (listen(), true);
    (void)listening;
    startProgram();
}

Driver::~Driver()
{
    m_program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Driver::startProgram()
{
    m_program.reset();
    m_program = std::make_unique<ui::Program>();
    m_program->start();
    m_open = {WindowId::Inizio};
    m_referee.dialogClosed();
    settle();
    check();
}

void Driver::run(const Command& c)
{
    ASSERT_TRUE(isOpen(c.on) && window(c.on)) << c.name << " needs " << nameOf(c.on);
    sent.clear();
    m_keyedGame = false;
    c.run(*this);
    settle();
    check();
    if (m_program->hasEnded())
        startProgram();
}

void Driver::click(WindowId id, const char* button)
{
    auto* b = window(id)->findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

void Driver::key(WindowId id, int k, Qt::KeyboardModifiers modifiers)
{
    QWidget* w = window(id);
    m_keyedGame = m_keyedGame || id == WindowId::Gioco;
    w->activateWindow();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitFor([w] { return QApplication::activeWindow() == w; }));
    QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key(k), modifiers);
}

void Driver::menu(Qt::Key menuKey, Qt::Key entryKey)
{
    key(WindowId::Gioco, menuKey, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << "Alt+" << char(menuKey) << " opens a menu";
    QTest::keyClick(popup, entryKey);
}

// As the window system asks: a close event to the window, which a window
// that has already unloaded still receives until it is destroyed.
void Driver::closeBox(QWidget* window)
{
    QCloseEvent close;
    QCoreApplication::sendEvent(window->windowHandle(), &close);
}

void Driver::closeBox(WindowId id) { closeBox(window(id)); }

// A click takes the focus to the cell and hides the ring.
void Driver::clickCell(core::CellIndex cell)
{
    auto* gioco = static_cast<ui::FrmGioco*>(window(WindowId::Gioco));
    const core::GridPos at = core::gridPosOf(cell);
    const QPoint centre = gioco->boardView()->mapTo(gioco, QPoint(40 * at.col + 12, 40 * at.row + 12));
    QTest::mouseClick(gioco->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
    m_focus = cell;
    m_ring = false;
    clicked(cell);
}

// An arrow moves the focus one hole along the cross and shows the ring; at
// the edge of the cross it does nothing.
void Driver::arrow(const Arrow& a)
{
    key(WindowId::Gioco, a.key);
    if (const core::CellIndex next = neighbour(m_focus, a); next != core::kNoCell)
        m_focus = next, m_ring = true;
}

void Driver::press(Qt::Key k)
{
    key(WindowId::Gioco, k);
    clicked(m_focus);
}

void Driver::clicked(core::CellIndex cell)
{
    m_referee.click(cell);
    if (m_referee.dialog())
        opened(WindowId::Scelta);
}

void Driver::playJumps(const core::testing::Moves& jumps, bool byKeyboard)
{
    for (const core::Jump& j : jumps)
        for (const core::CellIndex cell : {j.from, j.to}) {
            if (cell == j.from && m_referee.game().board().stateOf(cell) == CellState::Selected)
                continue;
            if (!byKeyboard) {
                clickCell(cell);
                continue;
            }
            for (const Arrow& a : way(m_focus, cell))
                arrow(a);
            press(Qt::Key_Space);
        }
}

void Driver::showGame()
{
    if (!isOpen(WindowId::Gioco)) {
        m_referee.reload();
        m_focus = 1;
        m_ring = false;
    }
    opened(WindowId::Gioco);
}

// The dialog's window and the referee's open dialog come and go together.
void Driver::closed(WindowId id)
{
    m_open.erase(id);
    if (id == WindowId::Scelta)
        m_referee.dialogClosed();
}

QImage shot(const QWidget* w) { return w->screen()->grabWindow(w->winId()).toImage(); }

void Driver::check()
{
    ASSERT_EQ(m_referee.fault(), "");
    EXPECT_EQ(m_program->hasEnded(), m_open.empty()) << "the program runs while a window is open";
    for (int k = 0; k < 7; ++k) {
        const auto id = static_cast<WindowId>(k);
        int shown = 0;
        for (const QWidget* top : QApplication::topLevelWidgets())
            shown += top->isVisible() && top->objectName() == QLatin1String(nameOf(id)) ? 1 : 0;
        EXPECT_EQ(shown, isOpen(id) ? 1 : 0) << nameOf(id) << " windows on the screen";
        ASSERT_EQ(window(id) != nullptr, isOpen(id)) << nameOf(id) << " loaded";
        if (window(id) && !m_looked.contains(window(id))) {
            checkLook(window(id), id);
            m_looked.insert(window(id));
            QObject::connect(window(id), &QObject::destroyed, [this, w = window(id)] { m_looked.erase(w); });
        }
    }
    const QWidget* gioco = window(WindowId::Gioco);
    if (!gioco)
        return;
    const core::testing::Seen want = core::testing::seen(m_referee.game());
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
    const QPoint origin = static_cast<const ui::FrmGioco*>(gioco)->boardView()->mapTo(gioco, QPoint());
    const bool active = QApplication::activeWindow() == gioco, sameWindow = m_gameBefore == gioco;
    core::Board shown;
    for (core::CellIndex cell = 1; cell <= core::kCellCount; ++cell) {
        SCOPED_TRACE("cell " + std::to_string(cell));
        const core::GridPos at = core::gridPosOf(cell);
        const QPoint corner = origin + QPoint(40 * at.col, 40 * at.row);
        const auto state = cellAt(image, corner);
        EXPECT_TRUE(state.has_value()) << "drawn out of place";
        shown.setState(cell, state.value_or(CellState::Empty));
        const bool ring = image.pixelColor(corner + QPoint(12, 2)) == ui::colours::kBlue;
        EXPECT_EQ(ring, m_ring && active && cell == m_focus) << "focus ring";
        const QWidget* widget = gioco->findChild<QWidget*>(cellName(cell));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
        EXPECT_EQ(a->role(), QAccessible::Button);
        EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("riga %1, colonna %2").arg(at.row).arg(at.col));
        EXPECT_EQ(a->text(QAccessible::Description), said(want.board.stateOf(cell)));
        EXPECT_TRUE(a->state().focusable);
        EXPECT_EQ(a->state().selected, want.board.stateOf(cell) == CellState::Selected);
        EXPECT_EQ(a->state().focused, active && cell == m_focus);
        const bool changed = sameWindow && m_before.board.stateOf(cell) != want.board.stateOf(cell);
        EXPECT_TRUE(!changed || wasSent(widget, QAccessible::DescriptionChanged)) << "no event for the change";
    }
    EXPECT_EQ(shown, want.board);
    EXPECT_EQ(image.pixelColor(origin + QPoint(252, 60)) == QColor(255, 0, 0), want.overNotice) << "red disc";
    EXPECT_EQ(image.pixelColor(origin + QPoint(252, 284)) == QColor(255, 255, 0), want.variantNotice) << "yellow disc";
    for (const auto& [label, before, now] : {std::tuple{"lblover", m_before.overNotice, want.overNotice},
                                             {"lblvariante", m_before.variantNotice, want.variantNotice}})
        EXPECT_TRUE(!sameWindow || before || !now
                    || wasSent(gioco->findChild<QWidget*>(QLatin1String(label)), QAccessible::ObjectShow)) << label;
    // A key on the game window that changes the cell under the focus has it
    // said at once. (Changed under another window, the cell is said when the
    // focus comes back.)
    if (sameWindow && active && m_keyedGame && m_before.board.stateOf(m_focus) != want.board.stateOf(m_focus)) {
        const QObject* announcer = gioco->findChild<QWidget*>(QStringLiteral("annuncio"));
        const auto last = std::ranges::find(sent | std::views::reverse, announcer, &Sent::object);
        ASSERT_NE(last, std::ranges::rend(sent)) << "nothing said about the focused cell";
        EXPECT_EQ(last->name, said(want.board.stateOf(m_focus)));
    }
}
