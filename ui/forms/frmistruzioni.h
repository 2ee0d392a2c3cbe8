// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "helpscreen.h"

namespace ui {

// "Istruzioni": how to play.
class FrmIstruzioni : public HelpScreen {
    Q_OBJECT
public:
    FrmIstruzioni();
};

} // namespace ui
