// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace ui {

// Places a window in the middle of its screen by its outer size, frame and
// title bar included. Before the window is first shown its frame is not
// known yet; the window is centred on its client size then, and centred
// once more as soon as the window system reports the frame.
void centreOnScreen(QWidget* window);

} // namespace ui
