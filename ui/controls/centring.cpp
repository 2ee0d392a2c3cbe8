// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "centring.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace ui {

namespace {

// Moves the outer corner so the outer rectangle is centred. A window larger
// than the screen gets a negative corner, so its middle still meets the
// screen's middle.
void centreNow(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    window->move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

bool frameKnown(const QWidget* window)
{
    return window->frameGeometry().size() != window->size();
}

// Waits for the first show or move that brings the frame, centres again,
// then removes itself.
class FrameCorrection : public QObject {
public:
    explicit FrameCorrection(QWidget* window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (watched == m_window && (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)
            && frameKnown(m_window)) {
            m_window->removeEventFilter(this);
            centreNow(m_window);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

void centreOnScreen(QWidget* window)
{
    centreNow(window);
    if (!frameKnown(window))
        new FrameCorrection(window);
}

} // namespace ui
