// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program played as a player would, through the driver, which checks the
// screen against the rules after every command.

#include "driver.h"

#include <QApplication>
#include <QTest>

#include <set>

#include <gtest/gtest.h>

// The monkey: commands drawn at random among those whose window is open,
// every one of them at least once, and every situation of note met.
TEST(Program, KeepsEveryWindowSingleAndShowingTheGameUnderARandomPlayer)
{
    const char* const seedVariable = "ZIBBET_MONKEY_SEED";
    const int seed = qEnvironmentVariableIsSet(seedVariable) ? qEnvironmentVariableIntValue(seedVariable) : 20020917;
    SCOPED_TRACE("replay with ZIBBET_MONKEY_SEED=" + std::to_string(seed));
    Driver driver(seed);
    std::set<std::string> drawn;
    for (int step = 0; step < 5000 && !::testing::Test::HasFailure(); ++step) {
        std::vector<const Command*> open, undrawn;
        for (const Command& c : commands()) {
            open.insert(open.end(), driver.open.contains(c.on) ? c.weight : 0, &c);
            if (driver.open.contains(c.on) && !drawn.contains(c.name))
                undrawn.push_back(&c);
        }
        // One step in ten draws among the commands not drawn yet: any seed draws them all.
        const auto& pool = !undrawn.empty() && driver.random() % 10 == 0 ? undrawn : open;
        const Command& command = *pool[driver.random() % pool.size()];
        SCOPED_TRACE("step " + std::to_string(step) + ": " + command.name);
        driver.run(command);
        drawn.insert(command.name);
    }
    for (const Command& c : commands())
        EXPECT_TRUE(drawn.contains(c.name)) << c.name << " never drawn";
    // Where faults hide that only a sequence of commands reaches.
    for (const char* situation : {"an undo with the dialog open", "a click on a locked board",
                                  "one peg left again with the dialog open", "Livello successivo after the last level"})
        EXPECT_GT(driver.met[situation], 0) << situation << " never met";
}

// While the program waits for the player no timer fires and nothing paints.
TEST(Program, RestsWhileWaitingForThePlayer)
{
    Driver driver;
    for (const char* command : {"Enter on frminizio", "solve a level", "F4", "F5", "F6", "click a cell"})
        driver.run(command);
    QTest::qWait(100); // the first paints of what was just opened
    struct Activity : QObject {
        int events = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            events += e->type() == QEvent::Timer || e->type() == QEvent::Paint || e->type() == QEvent::UpdateRequest;
            return false;
        }
    } activity;
    qApp->installEventFilter(&activity);
    QTest::qWait(1000);
    EXPECT_EQ(activity.events, 0) << "timer events and paints while waiting";
}
