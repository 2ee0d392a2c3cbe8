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

// Makes a screen reader say text now, the words alone. From Qt 6.8 on, by
// Qt's own announcement on behalf of announcer. Qt 6.4 has none; what a
// screen reader does say is a notification that shows, so announcer is a
// hidden widget in that role, in a status bar that never shows, that seems
// to show each time: Orca 43 says its words alone, but Orca 48 puts
// "notifica" before them, which the announcement does not. The older way
// goes once the oldest Qt built against is 6.8 (Debian 12 has 6.4).
void announce(QWidget* announcer, const QString& text);

// Installs the factories behind setAccessibleRole and the menu entries
// (menuentries.h). Called once, by installProcessWideSetUp(), before the
// first window is made: a factory installed twice is asked twice.
void installAccessibility();

} // namespace ui
