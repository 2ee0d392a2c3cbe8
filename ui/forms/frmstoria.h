// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "helpscreen.h"

namespace ui {

// "La storia": where the game comes from.
class FrmStoria : public HelpScreen {
    Q_OBJECT
public:
    FrmStoria();
};

} // namespace ui
