// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The task-bar hint of a build without X11 (ZIBBET_X11 off): nothing to do.

#include "taskbar.h"

namespace ui {

void keepOutOfTaskbar(QWidget* /*window*/)
{
}

} // namespace ui
