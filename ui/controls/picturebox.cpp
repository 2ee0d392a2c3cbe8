// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebox.h"

#include "accessibility.h"
#include "art.h"

#include <QPainter>

namespace ui {

PictureBox::PictureBox(QWidget* parent, const QString& objectName, const QString& svgPath, QColor background)
    : QWidget(parent), m_svgPath(svgPath), m_background(background)
{
    setObjectName(objectName);
    setAccessibleRole(this, QAccessible::Graphic); // decoration: no name
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_background.isValid())
        painter.fillRect(rect(), m_background);
    painter.drawPixmap(0, 0, svgPixmap(m_svgPath, size(), devicePixelRatioF()));
}

} // namespace ui
