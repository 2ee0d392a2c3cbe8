// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/board.h"
#include "core/cell.h"

#include <QWidget>

#include <array>

class QLabel;

namespace ui {

class CellWidget;
class Disc;

// What the game window shows below its menu bar: the raised cross, the 33
// cells, the two notices and the small drawing at the bottom. It paints
// from the state it is given and reports clicks on cells; it knows no rules.
// The keyboard walks the cells along the cross, and Tab enters the board at
// the cell that last had the focus.
//
// To assistive technology the board is a group named by its overview (the
// level and the pegs left), whose help says the keys; what the player's last
// action did is announced (ui::announce), so a screen reader says its words
// alone.
class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(QWidget* parent = nullptr);

    // Client area of the game window: 5175 x 5190 twips.
    static QSize clientSize();
    // Where cell index (1..33) lies on the board, in pixels; every cell is
    // the same square.
    static QRect cellRect(core::CellIndex index);

    void showBoard(const core::Board& board);
    // The two notices, and what the action that led here did (said by a
    // screen reader; nothing when empty).
    void showNotices(bool over, bool variant, const QString& said);
    // The level captions the window keeps out of sight.
    void setLevelCaptions(const QString& caption, const QString& name);
    // "Livello 1, Croce, 6 pedine", for assistive technology, which also
    // finds there the notices that show.
    void setOverview(const QString& overview);
    // Has a screen reader say text now.
    void announce(const QString& text);
    // The keys a screen reader says on F1 and gives as the board's
    // description: the board's own, then the window's (windowKeys).
    void setKeysSaid(const QString& windowKeys);

    CellWidget* cell(core::CellIndex index) const;

Q_SIGNALS:
    void cellClicked(core::CellIndex index);

protected:
    void paintEvent(QPaintEvent* event) override;
    // F1, the usual help key, has a screen reader say the board's keys.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void nameForAssistiveTechnology();
    void createCells();
    void createNotices();
    void createHiddenLabels();
    void step(core::CellIndex from, int dRow, int dCol);
    void makeTabStop(core::CellIndex index);

    std::array<CellWidget*, core::kCellCount> m_cells{};
    Disc* m_shpover = nullptr;
    QLabel* m_lblover = nullptr;
    Disc* m_shpvariante = nullptr;
    QLabel* m_lblvariante = nullptr;
    QLabel* m_lbllivello = nullptr;
    QLabel* m_lblnome = nullptr;
    QWidget* m_statusBar = nullptr;
    QString m_overview;
    QWidget* m_announcer = nullptr;
};

} // namespace ui
