// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "disc.h"

#include "accessibility.h"

#include <QPainter>

namespace ui {

Disc::Disc(QWidget* parent, const QString& objectName, QColor colour) : QWidget(parent), m_colour(colour)
{
    setObjectName(objectName);
    setAccessibleRole(this, QAccessible::Graphic); // decoration: no name
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Disc::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_colour);
    painter.drawEllipse(QRectF(rect()));
}

} // namespace ui
