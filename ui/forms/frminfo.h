// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "helpscreen.h"

namespace ui {

// "Informazioni": the about box.
class FrmInfo : public HelpScreen {
    Q_OBJECT
public:
    FrmInfo();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
