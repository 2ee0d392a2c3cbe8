#include "program.h"

#include <QApplication>

int main(int, char* argv[])
{
    // The game takes no arguments: Qt sees only the program's name.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // The program decides when it ends: when its last window closes, or at
    // once from an exit command.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Program program;
    QObject::connect(&program, &ui::Program::ended, &app, &QApplication::quit, Qt::QueuedConnection);
    program.start();
    return QApplication::exec();
}
