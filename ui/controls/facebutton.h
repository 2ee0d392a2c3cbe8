// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

namespace ui {

// A push button whose caption wraps onto several lines when it is wider
// than the button, as the classic buttons the windows were designed with
// did ("Livello successivo" in a narrow button).
class FaceButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
