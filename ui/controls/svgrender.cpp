// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "svgrender.h"

#include <QPainter>
#include <QSvgRenderer>

namespace ui {

QImage renderSvg(const QString& path, QSize deviceSize)
{
    QImage image(deviceSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return image;
    QSizeF drawn = renderer.defaultSize();
    drawn.scale(QSizeF(image.size()), Qt::KeepAspectRatio);
    const QPointF corner((image.width() - drawn.width()) / 2.0, (image.height() - drawn.height()) / 2.0);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(corner, drawn));
    return image;
}

} // namespace ui
