// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the start-up figures of scripts/measure.sh: the least a Qt
// Widgets program does to put a window of the start screen's size on the
// screen. It runs until it is closed or killed.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Zibbet floor"));
    window.setFixedSize(345, 362);
    window.show();
    return QApplication::exec();
}
