// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cellwidget.h"

#include "controls/art.h"
#include "controls/palette.h"
#include "core/geometry.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {

// The ball pictures are 24 x 24 and drawn from the top-left corner of the
// area inside the 2-pixel frame; the frame clips what overhangs.
constexpr int kFrame = 2;
constexpr QSize kBallSize(24, 24);
// Just inside the frame, around the ball's disc.
constexpr QRect kFocusRing(2, 2, 19, 19); // stroked, pixels 2..21

void paintSunkenFrame(QPainter& painter, QRect r)
{
    const auto hLine = [&](int x, int y, int w, QColor c) { painter.fillRect(x, y, w, 1, c); };
    const auto vLine = [&](int x, int y, int h, QColor c) { painter.fillRect(x, y, 1, h, c); };
    // Outer ring: shadow above and left, highlight below and right.
    hLine(r.left(), r.top(), r.width() - 1, colours::kShadow);
    vLine(r.left(), r.top(), r.height() - 1, colours::kShadow);
    hLine(r.left(), r.bottom(), r.width(), colours::kHighlight);
    vLine(r.right(), r.top(), r.height(), colours::kHighlight);
    // Inner ring: dark shadow above and left, light face below and right.
    hLine(r.left() + 1, r.top() + 1, r.width() - 3, colours::kDarkShadow);
    vLine(r.left() + 1, r.top() + 1, r.height() - 3, colours::kDarkShadow);
    hLine(r.left() + 1, r.bottom() - 1, r.width() - 2, colours::kLight);
    vLine(r.right() - 1, r.top() + 1, r.height() - 2, colours::kLight);
}

const char* ballOf(core::CellState state)
{
    switch (state) {
    case core::CellState::Peg: return art::kPeg;
    case core::CellState::Selected: return art::kSelected;
    case core::CellState::Empty: break;
    }
    return nullptr;
}

void send(QObject* cell, QAccessible::Event type)
{
    QAccessibleEvent event(cell, type);
    QAccessible::updateAccessibility(&event);
}

class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(CellWidget* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return cell()->placeText();
        if (t == QAccessible::Description)
            return cell()->stateText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = cell()->state() == core::CellState::Selected;
        return s;
    }

    QStringList actionNames() const override { return QStringList(pressAction()) << QAccessibleWidget::actionNames(); }

    // Pressing the button over assistive technology is a click on the cell.
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            Q_EMIT cell()->clicked(cell()->index());
        else
            QAccessibleWidget::doAction(action);
    }

private:
    CellWidget* cell() const { return static_cast<CellWidget*>(widget()); }
};

QAccessibleInterface* cellInterface(const QString& className, QObject* object)
{
    const bool isCell = className == QLatin1String(CellWidget::staticMetaObject.className());
    return isCell ? new CellAccessible(static_cast<CellWidget*>(object)) : nullptr;
}

} // namespace

CellWidget::CellWidget(QWidget* parent, core::CellIndex index) : QWidget(parent), m_index(index)
{
    setObjectName(QStringLiteral("pct(%1)").arg(index));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void CellWidget::installAccessibility()
{
    QAccessible::installFactory(cellInterface);
}

void CellWidget::setState(core::CellState state)
{
    if (state == m_state)
        return;
    m_state = state;
    update();
    // No selection event: a screen reader would say "selected" beside what
    // the game window says about the same click.
    send(this, QAccessible::DescriptionChanged);
}

QString CellWidget::placeText() const
{
    return placeOf(m_index);
}

// Row and column alone: said at every step, they must be short.
QString CellWidget::placeOf(core::CellIndex index)
{
    const core::GridPos at = core::gridPosOf(index);
    return QStringLiteral("%1, %2").arg(at.row).arg(at.col);
}

QString CellWidget::stateText() const
{
    switch (m_state) {
    case core::CellState::Peg: return QStringLiteral("pedina");
    case core::CellState::Selected: return QStringLiteral("selezionata");
    case core::CellState::Empty: break;
    }
    return QStringLiteral("vuota");
}

void CellWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colours::kCell);
    paintSunkenFrame(painter, rect());
    if (const char* ball = ballOf(m_state)) {
        const QRect inner = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
        painter.setClipRect(inner);
        painter.drawPixmap(inner.topLeft(), svgPixmap(QString::fromLatin1(ball), kBallSize, devicePixelRatioF()));
        painter.setClipping(false);
    }
    if (hasFocus() && m_keyboardFocus) {
        painter.setPen(colours::kBlue);
        painter.drawRect(kFocusRing);
    }
}

// A click is a press and a release of the left button on the same cell.
void CellWidget::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    m_keyboardFocus = false; // a click on the cell that has the focus moves no focus
    update();
}

void CellWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT clicked(m_index);
}

void CellWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A click key held down clicks once, as a button does: repeated, it
        // would select and drop the peg in turn. The arrows do repeat.
        if (!event->isAutoRepeat())
            Q_EMIT clicked(m_index);
        break;
    case Qt::Key_Up: Q_EMIT stepRequested(m_index, -1, 0); break;
    case Qt::Key_Down: Q_EMIT stepRequested(m_index, 1, 0); break;
    case Qt::Key_Left: Q_EMIT stepRequested(m_index, 0, -1); break;
    case Qt::Key_Right: Q_EMIT stepRequested(m_index, 0, 1); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

// The ring follows the keyboard: Tab and the arrows show it, a click hides
// it, and the window coming back to the front leaves it as it was.
void CellWidget::focusInEvent(QFocusEvent* event)
{
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::OtherFocusReason: m_keyboardFocus = true; break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason: break;
    default: m_keyboardFocus = false;
    }
    update();
    Q_EMIT focusEntered(m_index);
    QWidget::focusInEvent(event);
}

// Tab while the board is the window's only stop leaves the focus here, with
// no focus event: it still came from the keyboard.
bool CellWidget::focusNextPrevChild(bool next)
{
    m_keyboardFocus = true;
    update();
    return QWidget::focusNextPrevChild(next);
}

void CellWidget::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

} // namespace ui
