// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QMenuBar;

namespace ui {

// Makes Escape on a menu bar that holds the keyboard, with no menu open,
// always give the keyboard back to the widget it came from. Qt's menu bar
// forgets that widget when a menu's access key is pressed while the bar
// already holds the keyboard (Alt+A, Escape, Alt+G, Escape): the last Escape
// then leaves the keyboard on the bar, where the window's keys do nothing
// and a screen reader says nothing.
void keepKeyboardReturn(QMenuBar* bar);

} // namespace ui
