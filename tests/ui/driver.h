// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The player's hands and eyes on the real program. Every command a player
// has (menu entries and shortcuts, buttons, Enter and Escape, close boxes,
// clicks, keys and a screen reader's press on cells) is a row of commands():
// it acts on the windows the way a player would and tells the model what it
// must do. After every command the driver reads the windows from the screen
// and hears them as a screen reader would, and holds them to the model: the
// referee for the game, the windows that must be open and the one in front,
// the cell the keyboard is on, and what a screen reader must have said.

#include "program.h"
#include "referee.h"

#include <QAccessible>
#include <QImage>
#include <QPointer>

#include <functional>
#include <memory>
#include <random>
#include <set>

class Driver;

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline QString cellName(core::CellIndex cell) { return QStringLiteral("pct(%1)").arg(cell); }
// What assistive technology is told of an object.
inline auto* accessible(const QObject* o) { return QAccessible::queryAccessibleInterface(const_cast<QObject*>(o)); }

struct Command {
    std::string name;
    ui::WindowId on; // the window it needs open
    std::function<void(Driver&)> run;
    int weight = 1; // how often the monkey draws it
};

const std::vector<Command>& commands();
const char* nameOf(ui::WindowId id); // the window's objectName
// What a screen reader heard since it was last asked: each object that got
// the focus, "-> name (description)", and each utterance.
QStringList takeHeard();
// Text held to the approved copy looks/<name>.txt (look.cpp).
void expectText(const QString& text, const QString& name);
// The window held whole to its approved copies: its pixels, its accessibility
// tree and, on X11, its properties (look.cpp).
void checkLook(const QWidget* window, const QString& name);

// A window as it was painted: its backing store.
QImage shot(const QWidget* window);

class Driver {
public:
    explicit Driver(std::uint64_t seed = 1);
    ~Driver();

    // Runs a command, then checks everything the player can see. A program
    // that has ended is started again.
    void run(const Command& command);
    void run(const std::string& name);
    ui::Form* window(ui::WindowId id) const { return m_program->loaded(id); }
    // The hands the commands share.
    // A key pressed and released; held, it repeats that many times between.
    void key(ui::WindowId id, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int repeats = 0);
    void clickCell(core::CellIndex cell);
    void playJumps(const core::testing::Moves& jumps);

    // The model the commands keep: the game, the windows open and the one in
    // front where the model knows it, the cell with the game window's focus
    // and whether a ring shows it; what a screen reader must say of the
    // command; and the situations met, with how often.
    core::testing::Referee referee;
    std::set<ui::WindowId> open;
    std::optional<ui::WindowId> front;
    core::CellIndex focus = 1;
    bool ring = false;
    std::vector<QStringList> said; // an utterance a command must bring, by what it must name
    std::map<std::string, int> met;
    std::mt19937_64 random;
    void clicked(core::CellIndex cell); // a click on the cell, however given
    // An action said once, naming fragments and the notices it brought up.
    void hear(QStringList fragments, const core::testing::Seen& before);
    void showGame(); // the game window in front, a fresh one if it was closed
    void opened(ui::WindowId id) { open.insert(id), front = id; }
    void closed(ui::WindowId id);
    void programEnded(); // every window gone at once, before anything else runs

private:
    void startProgram();
    void check();
    void checkBoard(const QWidget* gioco, const core::testing::Seen& want);

    std::unique_ptr<ui::Program> m_program;
    int m_ends = 0; // ended() signals from the program
    core::testing::Seen m_before; // as the last check saw the game window
    QPointer<QWidget> m_gameBefore;
};
