#pragma once

#include "cell.h"

#include <QWidget>

namespace ui {

// One hole of the board, pct(n): a light-yellow square in a sunken frame
// showing the ball of its state. Reports a left click with its index.
class CellWidget : public QWidget {
    Q_OBJECT
public:
    CellWidget(QWidget* parent, core::CellIndex index);

    core::CellIndex index() const { return m_index; }
    core::CellState state() const { return m_state; }
    // Repaints only when the state really changes.
    void setState(core::CellState state);

Q_SIGNALS:
    void clicked(core::CellIndex index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    core::CellIndex m_index;
    core::CellState m_state = core::CellState::Empty;
    bool m_pressed = false;
};

} // namespace ui
