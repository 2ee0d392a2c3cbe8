#include "frminizio.h"
#include "windows.h"

#include <QApplication>

int main(int, char* argv[])
{
    // The game takes no arguments: Qt sees only the program's name.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // The windows decide when the program ends: when the last one closes,
    // or at once from an exit command.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Windows windows;
    QObject::connect(&windows, &ui::Windows::ended, &app, &QApplication::quit, Qt::QueuedConnection);
    ui::Windows::present(windows.frminizio());
    return QApplication::exec();
}
