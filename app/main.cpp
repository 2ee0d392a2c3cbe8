// SPDX-FileCopyrightText: 2026 The Zibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

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

// What Qt said while the application object was being made, held back.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};
std::vector<HeldMessage> heldMessages;

// Qt reports a display it cannot open (none set, a dead X server, an unknown
// platform) with warnings, then a fatal message whose advice (reinstall the
// application) is wrong here, and aborts with a core dump. While the
// application object is being made, this handler holds Qt's messages back:
// on a fatal one the program prints its own line instead and ends with
// status 1; once the object is made, Qt's handler gets what was held. The
// line is in English, as a terminal's diagnostics are, beside the shell's
// and Qt's own: the Italian of the game is for the player in its windows.
// Later fatal messages (failed assertions) still abort.
void holdDuringStartUp(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs("zibbet: cannot open a window: no display could be reached."
                   " The game needs a graphical session (X11 or Wayland).\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages.push_back({type, context.file, context.line, context.function, context.category, message});
}

// Where no locale is set (a container, ssh, a service), Qt 6.8 and later
// switch the character type to UTF-8 themselves and say so in four lines at
// every start. The game's texts are its own UTF-8 strings and nothing it shows
// depends on the locale, so the player is told nothing useful: that warning
// alone is dropped.
bool isLocaleSwitchWarning(const HeldMessage& held)
{
    return held.type == QtWarningMsg && held.text.startsWith(QLatin1String("Detected locale \""));
}

void releaseHeldMessages()
{
    qInstallMessageHandler(qtMessageHandler);
    for (const HeldMessage& held : heldMessages)
        if (!isLocaleSwitchWarning(held))
            qtMessageHandler(held.type, QMessageLogContext(held.file, held.line, held.function, held.category),
                             held.text);
    heldMessages.clear();
}

} // namespace
// ---- end of identity and start-up failure ----

int main(int, char* argv[])
{
    setIdentity();
    // The game takes no arguments: Qt sees only the program's name.
    int qtArgc = 1;
    qtMessageHandler = qInstallMessageHandler(holdDuringStartUp);
    QApplication app(qtArgc, argv);
    releaseHeldMessages();
    // The program decides when it ends: when its last window closes, or at
    // once from an exit command.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installProcessWideSetUp();
    ui::Program program;
    QObject::connect(&program, &ui::Program::ended, &app, &QApplication::quit, Qt::QueuedConnection);
    program.start();
    return QApplication::exec();
}
