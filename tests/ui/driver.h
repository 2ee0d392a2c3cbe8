// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The player's hands and eyes on the real program. Every command a player
// has (menu entries and shortcuts, buttons, Enter and Escape, close boxes,
// clicks, keys and a screen reader's press on cells) is a row of commands():
// it acts on the windows the way a player would and tells the model what it
// must do. After every command the driver reads the windows from the screen
// and holds them to the model: the referee for the game, the windows that
// must be open and the one in front, and the cell the keyboard is on.

#include "program.h"
#include "referee.h"

#include <QImage>
#include <QPointer>

#include <functional>
#include <memory>
#include <random>
#include <set>

class Driver;

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline QString cellName(core::CellIndex cell) { return QStringLiteral("pct(%1)").arg(cell); }

struct Command {
    std::string name;
    ui::WindowId on; // the window it needs open
    std::function<void(Driver&)> run;
    int weight = 1; // how often the monkey draws it
};

const std::vector<Command>& commands();

// The window as the window system shows it: its backing store, as painted.
QImage shot(const QWidget* window);

struct Arrow {
    Qt::Key key;
    int dRow, dCol;
};

class Driver {
public:
    explicit Driver(std::uint64_t seed = 1);
    ~Driver();

    // Runs a command, then checks everything the player can see. A program
    // that has ended is started again.
    void run(const Command& command);
    void run(const std::string& name);
    void play(const core::testing::Moves& jumps); // by mouse, then the check
    bool isOpen(ui::WindowId id) const { return m_open.contains(id); }
    ui::Form* window(ui::WindowId id) const { return m_program->loaded(id); }
    ui::Program& program() { return *m_program; }
    // What a screen reader said since the last command began, or since the
    // last call.
    static QStringList heard();
    // The situations the monkey must have met, with how often.
    std::map<std::string, int> met;

    // The player's hands, for the commands.
    void click(ui::WindowId id, const char* button);
    void key(ui::WindowId id, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void menu(Qt::Key menuKey, Qt::Key entryKey); // Alt+letter, then the entry's letter
    void closeBox(ui::WindowId id);
    static void closeBox(QWidget* window);
    void clickCell(core::CellIndex cell);
    void changeMind(core::CellIndex cell); // pressed on the cell, released elsewhere
    void arrow(const Arrow& arrow);
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier); // on the board's focused cell
    void pressByScreenReader(core::CellIndex cell);
    void playJumps(const core::testing::Moves& jumps);

    // What the commands tell the model.
    core::testing::Referee& referee() { return m_referee; }
    void showGame(); // the game window in front, a fresh one if it was closed
    void opened(ui::WindowId id) { m_open.insert(id), m_front = id; }
    void closed(ui::WindowId id);
    void programEnded(); // every window gone at once, before anything else runs
    void ringShown() { m_ring = true; } // Tab inside the board
    std::mt19937_64 random;

private:
    void startProgram();
    void check();
    void checkBoard(const QWidget* gioco, const core::testing::Seen& want);
    void clicked(core::CellIndex cell);

    std::unique_ptr<ui::Program> m_program;
    int m_ends = 0; // ended() signals from the program
    core::testing::Referee m_referee;
    std::set<ui::WindowId> m_open;
    std::optional<ui::WindowId> m_front; // the active window, where the model knows it
    // The cell with the game window's focus, and whether a ring shows it.
    core::CellIndex m_focus = 1;
    bool m_ring = false;
    core::testing::Seen m_before; // as the last check saw the game window
    QPointer<QWidget> m_gameBefore;
};
