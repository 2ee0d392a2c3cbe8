// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into a copy of a program built for measuring only: the program's
// own main() runs unchanged, and this ends the process the first time its
// event loop is about to wait with a window painted. What callgrind counts
// is then the first paint: from exec to the first idle, without teardown.
// scripts/measure.sh builds the game (app/main.cpp) and the bare window
// (bench/bare_window.cpp) with it, side by side.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// Sees every event; notes the first paint of a top-level window.
class FirstPaint : public QObject {
public:
    using QObject::QObject;
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow())
                painted = true;
        }
        return false;
    }
};

void quitOnFirstIdle()
{
    auto* app = QCoreApplication::instance();
    auto* seen = new FirstPaint(app);
    app->installEventFilter(seen);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, seen, [seen] {
        if (!seen->painted)
            return;
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(EXIT_SUCCESS);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(quitOnFirstIdle)
