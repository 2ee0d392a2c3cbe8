// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Games played with the keyboard alone, as a player hears and sees them.
// Each transcript in looks/ (speech-*.txt) is its own script: its
// unindented lines are the keys, each followed, indented, by what got the
// focus and what was said; a line "= name" holds the window in front (or the
// open menu) there to its approved copies in looks/, read whole (look.cpp).
// The keys are played again and everything heard must read as the
// transcript does; written anew (as the pictures are), it keeps its keys and
// its looks. A new game: a file of keys alone, written anew.

#include "driver.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The window in front: an open menu, else the active window.
QWidget* inFront()
{
    QCoreApplication::processEvents();
    QWidget* popup = QApplication::activePopupWidget();
    return popup ? popup : QApplication::activeWindow();
}

// The key to whatever has the keyboard: an open menu, else the focus.
void press(const QString& key)
{
    QWidget* to = inFront();
    to = to && to->focusWidget() ? to->focusWidget() : to;
    ASSERT_NE(to, nullptr) << "nothing has the keyboard for " << key.toStdString();
    QTest::keySequence(to, QKeySequence(key));
    QCoreApplication::processEvents();
}

} // namespace

TEST(KeyboardGames, SoundAndLookAsTheirTranscripts)
{
    const QDir looks(QStringLiteral(ZIBBET_LOOKS "/looks"));
    const QStringList games = looks.entryList({QStringLiteral("speech-*.txt")});
    ASSERT_FALSE(games.isEmpty());
    for (const QString& game : games) {
        SCOPED_TRACE(game.toStdString());
        QFile file(looks.filePath(game));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        Driver driver;
        QString transcript = "(start)\n" + takeHeard().join('\n') + '\n';
        for (const QString& key : lines.filter(QRegularExpression(QStringLiteral("^[^ (-]")))) {
            if (key.startsWith("= ")) {
                checkLook(inFront(), key.mid(2));
                transcript += key + '\n';
                continue;
            }
            press(key);
            const QStringList heard = takeHeard();
            transcript += key + (heard.isEmpty() ? "\n" : "\n  " + heard.join("\n  ") + '\n');
        }
        expectText(transcript, game.chopped(4));
    }
}
