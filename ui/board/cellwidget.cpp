#include "cellwidget.h"

#include "controls/art.h"
#include "controls/palette.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {

// The ball pictures are 24 x 24 and drawn from the top-left corner of the
// area inside the 2-pixel frame; the frame clips what overhangs.
constexpr int kFrame = 2;
constexpr QSize kBallSize(24, 24);

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

} // namespace

CellWidget::CellWidget(QWidget* parent, core::CellIndex index) : QWidget(parent), m_index(index)
{
    setObjectName(QStringLiteral("pct(%1)").arg(index));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CellWidget::setState(core::CellState state)
{
    if (state == m_state)
        return;
    m_state = state;
    update();
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
    }
}

// A click is a press and a release of the left button on the same cell.
void CellWidget::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void CellWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT clicked(m_index);
}

} // namespace ui
