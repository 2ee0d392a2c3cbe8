// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardview.h"

#include "cellwidget.h"
#include "controls/accessibility.h"
#include "controls/art.h"
#include "controls/builders.h"
#include "controls/disc.h"
#include "controls/fonts.h"
#include "controls/palette.h"
#include "controls/picturebox.h"
#include "controls/twips.h"
#include "core/geometry.h"

#include <QLabel>
#include <QPainter>

#include <tuple>

namespace ui {

namespace {

// The cross-shaped panel: a horizontal and a vertical bar (Shape1, Shape2).
constexpr QRect kShape1 = TwipsRect{360, 1560, 4455, 2055}.toPixels();
constexpr QRect kShape2 = TwipsRect{1560, 360, 2055, 4455}.toPixels();

// The raised rim of the panel, Line1..Line12 in drawing order: edges facing
// up or left are white, those facing down or right grey.
struct RimLine {
    TwipsPoint from;
    TwipsPoint to;
    bool light;
};
constexpr std::array<RimLine, 12> kRim{{
    {{360, 1560}, {1560, 1560}, true},
    {{1560, 1560}, {1560, 360}, true},
    {{4800, 1560}, {3600, 1560}, true},
    {{3600, 360}, {3600, 1560}, false},
    {{1560, 360}, {3600, 360}, true},
    {{360, 1560}, {360, 3600}, true},
    {{1560, 3600}, {360, 3600}, false},
    {{3600, 3600}, {4800, 3600}, false},
    {{4800, 1560}, {4800, 3600}, false},
    {{1560, 3600}, {1560, 4800}, true},
    {{3600, 3600}, {3600, 4800}, false},
    {{1560, 4800}, {3600, 4800}, false},
}};

// Cell n is a square of 375 twips at (600 col, 600 row), its place on the
// grid of the cross.
constexpr int kCellTwips = 375;
constexpr int kPitchTwips = 600;

void setNoticeVisible(QWidget* disc, QWidget* label, bool visible)
{
    disc->setVisible(visible);
    label->setVisible(visible);
}

} // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent)
{
    setFixedSize(clientSize());
    setBackgroundColour(this, colours::kGameBackground);

    // The status bar comes first among the board's children: a screen reader
    // looking for a status bar that does not show finds only the first one.
    m_statusBar = new QWidget(this);
    m_statusBar->setObjectName(QStringLiteral("stato"));
    m_statusBar->hide();
    setAccessibleRole(m_statusBar, QAccessible::StatusBar);
    m_announcer = new QWidget(m_statusBar);
    m_announcer->setObjectName(QStringLiteral("annuncio"));
    setAccessibleRole(m_announcer, QAccessible::Notification);

    createCells();
    createNotices();
    createHiddenLabels();
    auto* image1 = new PictureBox(this, QStringLiteral("Image1"), QString::fromLatin1(art::kStrip));
    image1->setGeometry(TwipsRect{120, 4920, 1230, 165}.toPixels());
}

QSize BoardView::clientSize()
{
    return TwipsSize{5175, 5190}.toPixels();
}

QRect BoardView::cellRect(core::CellIndex index)
{
    const core::GridPos at = core::gridPosOf(index);
    return TwipsRect{kPitchTwips * at.col, kPitchTwips * at.row, kCellTwips, kCellTwips}.toPixels();
}

void BoardView::createCells()
{
    for (core::CellIndex i = 1; i <= core::kCellCount; ++i) {
        auto* cell = new CellWidget(this, i);
        cell->setGeometry(cellRect(i));
        connect(cell, &CellWidget::clicked, this, &BoardView::cellClicked);
        connect(cell, &CellWidget::stepRequested, this, &BoardView::step);
        connect(cell, &CellWidget::focusEntered, this, &BoardView::makeTabStop);
        m_cells[static_cast<std::size_t>(i - 1)] = cell;
    }
    makeTabStop(1);
    setAccessibleRole(this, QAccessible::Grouping);
}

void BoardView::setKeysSaid(const QString& windowKeys)
{
    const QString keys = QStringLiteral("Frecce, sposta tra le buche. Spazio o Invio, seleziona o salta. ") + windowKeys;
    setAccessibleDescription(keys);
    setAccessibleHelp(this, keys);
}

void BoardView::keyPressEvent(QKeyEvent* event)
{
    if (event->keyCombination() == QKeyCombination(Qt::Key_F1))
        announce(accessibleDescription());
    else
        QWidget::keyPressEvent(event);
}

// The next hole in that direction; none at the edge of the cross (no row
// or column of the cross has a gap to skip).
void BoardView::step(core::CellIndex from, int dRow, int dCol)
{
    const core::GridPos at = core::gridPosOf(from);
    if (CellWidget* next = cell(core::cellAt(at.row + dRow, at.col + dCol)))
        next->setFocus(Qt::OtherFocusReason);
    else
        announce(QStringLiteral("bordo"));
}

// One cell at a time is in the tab chain, so Tab enters and leaves the board
// in one step; the others still take the focus from a click.
void BoardView::makeTabStop(core::CellIndex index)
{
    for (CellWidget* c : m_cells)
        c->setFocusPolicy(c->index() == index ? Qt::StrongFocus : Qt::ClickFocus);
}

// The notices are said with what brought them up (showNotices).
void BoardView::createNotices()
{
    const FontStyle noticeFont{.face = Face::SansSerif, .points = 8.25, .bold = true};

    m_shpover = new Disc(this, QStringLiteral("shpover"), colours::kRed);
    m_shpover->setGeometry(TwipsRect{3720, 360, 1095, 1095}.toPixels());
    m_lblover = makeLabel(this, "lblover", QStringLiteral("Non ci sono più mosse possibili"),
                          TwipsRect{3840, 480, 855, 855},
                          {.colour = colours::kYellow, .font = noticeFont,
                           .alignment = Qt::AlignHCenter});

    m_shpvariante = new Disc(this, QStringLiteral("shpvariante"), colours::kYellow);
    m_shpvariante->setGeometry(TwipsRect{3720, 3720, 1095, 1095}.toPixels());
    m_lblvariante = makeLabel(this, "lblvariante", QStringLiteral("Hai completato una variante"),
                              TwipsRect{3780, 3840, 975, 855},
                              {.colour = colours::kBlue, .font = noticeFont,
                               .alignment = Qt::AlignHCenter});
    setNoticeVisible(m_shpover, m_lblover, false);
    setNoticeVisible(m_shpvariante, m_lblvariante, false);
}

// The level's number and name are kept in two labels that are never shown:
// the level menu's check mark is what the player sees.
void BoardView::createHiddenLabels()
{
    m_lbllivello = makeLabel(this, "lbllivello", QStringLiteral("Livello 1:"), TwipsRect{120, 120, 1095, 375},
                             {.colour = colours::kRed, .font = {.face = Face::Comic, .points = 12}});
    m_lblnome = makeLabel(this, "lblnome", QStringLiteral("Croce"), TwipsRect{120, 480, 1335, 375},
                          {.colour = colours::kDarkBlue, .font = {.face = Face::Comic, .points = 12, .italic = true}});
    m_lbllivello->hide();
    m_lblnome->hide();
}

void BoardView::showBoard(const core::Board& board)
{
    for (CellWidget* cell : m_cells)
        cell->setState(board.stateOf(cell->index()));
}

// What an action did is said in one utterance, after the notices it
// brought up, in the order they show: "Hai completato una variante. Non ci
// sono più mosse possibili. mangiata 2, 3". Notices that said themselves as
// they showed would each repeat the others and the jump.
void BoardView::showNotices(bool over, bool variant, const QString& said)
{
    QStringList told;
    for (const auto& [disc, label, visible] : {std::tuple{m_shpvariante, m_lblvariante, variant},
                                               std::tuple{m_shpover, m_lblover, over}}) {
        if (visible && label->isHidden())
            told << label->text();
        setNoticeVisible(disc, label, visible);
    }
    if (!said.isEmpty())
        told << said;
    if (!told.isEmpty())
        announce(told.join(QStringLiteral(". ")));
    nameForAssistiveTechnology();
}

void BoardView::setLevelCaptions(const QString& caption, const QString& name)
{
    m_lbllivello->setText(caption);
    m_lblnome->setText(name);
}

void BoardView::setOverview(const QString& overview)
{
    m_overview = overview;
    nameForAssistiveTechnology();
}

// The board and its status bar, which a screen reader reads on demand
// ("where am I"), carry the overview and the notices that show: a notice is
// said once as it shows, and is found there as long as it shows.
void BoardView::nameForAssistiveTechnology()
{
    QStringList name{m_overview};
    for (const QLabel* notice : {m_lblvariante, m_lblover})
        if (!notice->isHidden())
            name << notice->text();
    setAccessibleName(name.join(QStringLiteral(". ")));
    m_statusBar->setAccessibleName(accessibleName());
}

void BoardView::announce(const QString& text)
{
    ui::announce(m_announcer, text);
}

CellWidget* BoardView::cell(core::CellIndex index) const
{
    return core::isCell(index) ? m_cells[static_cast<std::size_t>(index - 1)] : nullptr;
}

void BoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(kShape1, colours::kPanel);
    painter.fillRect(kShape2, colours::kPanel);
    for (const RimLine& line : kRim) {
        painter.setPen(QPen(line.light ? colours::kRimLight : colours::kRimDark, 2, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(line.from.toPixels(), line.to.toPixels());
    }
}

} // namespace ui
