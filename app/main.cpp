// SPDX-FileCopyrightText: 2026 The Zibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

// ---- The program's identity, and a clean failure where no display opens ----
namespace {

// Name, version and desktop file id, as the build defines them.
void setIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral(ZIBBET_APP_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZIBBET_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZIBBET_APP_ID));
}

QtMessageHandler qtMessageHandler = nullptr;

// Qt reports a display it cannot open (no DISPLAY, a dead X server, an
// unknown platform) with a fatal message and then aborts, leaving a core
// dump. While the application object is being made, this handler lets Qt
// print every message as usual and ends the program with status 1 on a
// fatal one. Later fatal messages (failed assertions) still abort.
void exitOnFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    qtMessageHandler(type, context, message);
    if (type == QtFatalMsg) {
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

} // namespace
// ---- end of identity and start-up failure ----

int main(int, char* argv[])
{
    setIdentity();
    // The game takes no arguments: Qt sees only the program's name.
    int qtArgc = 1;
    qtMessageHandler = qInstallMessageHandler(exitOnFatalMessage);
    QApplication app(qtArgc, argv);
    qInstallMessageHandler(qtMessageHandler);
    // The program decides when it ends: when its last window closes, or at
    // once from an exit command.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installProcessWideSetUp();
    ui::Program program;
    QObject::connect(&program, &ui::Program::ended, &app, &QApplication::quit, Qt::QueuedConnection);
    program.start();
    return QApplication::exec();
}
