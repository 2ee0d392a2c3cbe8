// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The task-bar hint of a Windows build. Windows gives a top-level window
// that has an owner no button of its own in the task bar, as it does a
// program's dialogs; Qt makes a window's transient parent its owner. The
// owner is a window of the program's own, made and never shown: an owner
// the player could close or hide would take the dialog with it.

#include "taskbar.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace ui {

void keepOutOfTaskbar(QWidget* window)
{
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return;
    static QPointer<QWindow> owner;
    if (!owner) {
        owner = new QWindow;
        static_cast<QObject*>(owner.data())->setParent(qApp);
        owner->create();
    }
    window->winId(); // its native window, to be owned
    window->windowHandle()->setTransientParent(owner);
}

} // namespace ui
