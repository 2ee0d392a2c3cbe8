// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menubarreturn.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>

namespace ui {

namespace {

class KeyboardReturn : public QObject {
public:
    explicit KeyboardReturn(QMenuBar* bar) : QObject(bar), m_bar(bar)
    {
        // The widget the keyboard left for the bar, whichever way it came.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if (now == m_bar && old && old != m_bar && old->window() == m_bar->window())
                m_cameFrom = old;
        });
        bar->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape
            || QApplication::activePopupWidget())
            return false;
        // The bar lets go of the keyboard as it would, then it goes back.
        static_cast<QObject*>(m_bar)->event(event);
        if (m_bar->hasFocus() && m_cameFrom)
            m_cameFrom->setFocus(Qt::MenuBarFocusReason);
        return true;
    }

private:
    QMenuBar* m_bar;
    QPointer<QWidget> m_cameFrom;
};

} // namespace

void keepKeyboardReturn(QMenuBar* bar)
{
    new KeyboardReturn(bar);
}

} // namespace ui
