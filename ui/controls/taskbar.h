// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace ui {

// Keeps a window that is about to be shown out of the task bar. On X11 this
// is the EWMH state _NET_WM_STATE_SKIP_TASKBAR, for which Qt has no flag: it
// is added to the native window before it is mapped, and Qt merges it with
// the states it sets itself. A window manager drops the state when the
// window is hidden, so it is needed before every show.
// Three bodies, chosen by the build: taskbar_x11.cpp when ZIBBET_X11 is on
// (the default where Qt has xcb), which acts only while Qt runs on its xcb
// platform; taskbar_windows.cpp on Windows, which gives the window an owner,
// as Windows keeps owned windows out of the task bar; taskbar_none.cpp
// otherwise (macOS, a Qt without xcb), which does nothing, and the window
// system places the window as it does any other.
void keepOutOfTaskbar(QWidget* window);

} // namespace ui
