// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>

class QString;
class QWidget;

namespace ui {

// Shows a widget to assistive technology in a role of the program's choice,
// named by its accessible name (a window's name is its title): a frame or a
// dialog for the windows, a graphic for pictures that only decorate, a
// group for the board, a notification that is said as soon as it shows.
// Works through the factory of installAccessibility().
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

// The help text assistive technology gives for a widget made with
// setAccessibleRole: how it is used. Not a "What's This" text, which would
// show the player a popup.
void setAccessibleHelp(QWidget* widget, const QString& help);

// Makes a screen reader say text now. From Qt 6.8 on, with Qt's own
// announcement, on behalf of announcer; Orca 48 says it as it is. Qt 6.4 has
// no announcement; what a screen reader does say is a notification that
// shows, so announcer is a hidden widget in that role that seems to show each
// time (Orca then says "notifica" before the text). The older way goes once
// the oldest Qt built against is 6.8 (Debian 12 has 6.4).
void announce(QWidget* announcer, const QString& text);

// Installs the factory behind setAccessibleRole, once per process, before
// the first window is made.
void installAccessibility();

} // namespace ui
