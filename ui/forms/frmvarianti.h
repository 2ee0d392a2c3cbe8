// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "helpscreen.h"

namespace ui {

// "Le varianti": the three target patterns of the last level, each shown as
// a small picture of the game window holding that pattern.
class FrmVarianti : public HelpScreen {
    Q_OBJECT
public:
    FrmVarianti();
};

} // namespace ui
