// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/cell.h"

#include <QWidget>

namespace ui {

// One hole of the board, pct(n): a light-yellow square in a sunken frame
// showing the ball of its state. Reports a left click with its index, and
// takes Space or Enter while it has the focus as the same click; the arrow
// keys ask to move the focus. A ring shows the focus only when it came from
// the keyboard, so a player with the mouse never sees one.
//
// To assistive technology it is a button named by its place ("3, 4": row,
// column) and described by what it holds ("pedina", "vuota",
// "selezionata"); every change of its state is sent as an event.
class CellWidget : public QWidget {
    Q_OBJECT
public:
    CellWidget(QWidget* parent, core::CellIndex index);

    core::CellIndex index() const { return m_index; }
    core::CellState state() const { return m_state; }
    // Repaints only when the state really changes.
    void setState(core::CellState state);

    QString placeText() const;
    static QString placeOf(core::CellIndex index);
    QString stateText() const;

    // Installs the cells' accessible interface; called once, by
    // installProcessWideSetUp().
    static void installAccessibility();

Q_SIGNALS:
    void clicked(core::CellIndex index);
    // An arrow key: one step on the grid, dRow and dCol -1, 0 or 1.
    void stepRequested(core::CellIndex from, int dRow, int dCol);
    void focusEntered(core::CellIndex index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    core::CellIndex m_index;
    core::CellState m_state = core::CellState::Empty;
    bool m_pressed = false;
    bool m_keyboardFocus = false;
};

} // namespace ui
