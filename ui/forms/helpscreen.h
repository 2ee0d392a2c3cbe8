// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls/form.h"
#include "controls/twips.h"

class QPushButton;

namespace ui {

// A screen opened from the "Aiuto" menu: fixed texts and pictures on a
// dialog frame, and one button that asks to go back to the game.
class HelpScreen : public Form {
    Q_OBJECT
public:
    HelpScreen(const QString& objectName, const QString& title);

Q_SIGNALS:
    void backRequested();

protected:
    // The square "Indietro" button with the back arrow, first in the tab
    // order so it has the focus when the screen opens.
    QPushButton* addBackButton(TwipsPoint at);
};

} // namespace ui
