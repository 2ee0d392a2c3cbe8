// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader says, key by key, through games played with the
// keyboard alone, held to transcripts in looks/ (written anew as the
// pictures are): a loss, undo and restart, keys that do nothing, a win and
// the dialog, a level from the menu and a variant on level 7 that ends the
// game, the help key and every help screen.

#include "driver.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const char* const kLevel1 =
    "Return Return Right Down Down Down Space Down Down Space Up Up Up Up Space Down Down Space Space "
    "Ctrl+Z Ctrl+Z F2 Left Space Left Left Left "
    "Up Right Right Right Space Left Left Space Right Right Down Down Space Up Up Space Right Space Left Left Space "
    "Left Space Right Right Space Up Space Down Down Space Tab Tab Return";
const char* const kLevel7 =
    "Return Alt+L 7 Down Down Down Left Space Right Right Space Up Up Left Space Down Down Space Right Space Left "
    "Left Space Up Right Up Right Space Down Down Space Up Right Right Space Left Left Space Down Down Right Space Up "
    "Up Space Down Down Left Left Space Right Right Space Down Down Left Left Space Up Up Space Down Down Right Right "
    "Space Left Left Space Up Right Right Space Up Up Space Down Right Right Space Left Left Space Left Left Left Space "
    "Right Right Space Right Space Left Left Space Up Up Left Left Space Right Right Space Down Down Left Left Space "
    "Up Up Space Down Right Right Right Space Up Up Space Down Right Right Right Space Down Down Space Up Up Left Left "
    "Space Down Down Space Up Up Up Up Space Down Down Space Up Up Left Left Space Right Right Space";
const char* const kHelp = "Return F1 F3 Escape F4 Return F5 Tab Return F6 Escape Alt+G Escape Escape Alt+A S Return Del";

// The key to whatever has the keyboard: an open menu, else the focus.
void press(const QString& key)
{
    QCoreApplication::processEvents();
    QWidget* to = QApplication::activePopupWidget();
    to = to ? to : QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(to, nullptr) << "nothing has the keyboard for " << key.toStdString();
    QTest::keySequence(to, QKeySequence(key));
    QCoreApplication::processEvents();
}

} // namespace

TEST(ScreenReader, SaysWhatTheTranscriptsSay)
{
    for (const auto& [name, keys] : {std::pair{"speech-level-1", kLevel1}, {"speech-level-7", kLevel7},
                                     {"speech-help", kHelp}}) {
        SCOPED_TRACE(name);
        Driver driver;
        QString transcript = "(start)\n" + takeHeard().join('\n') + '\n';
        for (const QString& key : QString::fromLatin1(keys).split(' ')) {
            press(key);
            const QStringList heard = takeHeard();
            transcript += key + (heard.isEmpty() ? "\n" : "\n  " + heard.join("\n  ") + '\n');
        }
        expectText(transcript, QString::fromLatin1(name));
    }
}
