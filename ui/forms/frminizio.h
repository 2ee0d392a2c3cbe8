// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/form.h"

namespace ui {

// The start screen: the title, the illustration and the button that leads
// to the game.
class FrmInizio : public Form {
    Q_OBJECT
public:
    FrmInizio();

Q_SIGNALS:
    // The button, or Enter: the game window opens, then this screen goes.
    void startRequested();
};

} // namespace ui
