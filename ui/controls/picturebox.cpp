#include "picturebox.h"

#include "art.h"

#include <QPainter>

namespace ui {

PictureBox::PictureBox(QWidget* parent, const QString& objectName, const QString& svgPath, QColor background)
    : QWidget(parent), m_svgPath(svgPath), m_background(background)
{
    setObjectName(objectName);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_background.isValid())
        painter.fillRect(rect(), m_background);
    painter.drawPixmap(0, 0, svgPixmap(m_svgPath, size(), devicePixelRatioF()));
}

} // namespace ui
