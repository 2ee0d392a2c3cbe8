#include "art.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace ui {

namespace {

QPixmap render(const QString& path, QSize logicalSize, qreal dpr)
{
    QSvgRenderer renderer(path);
    QPixmap pixmap(logicalSize * dpr);
    pixmap.fill(Qt::transparent);
    if (!renderer.isValid())
        return pixmap;
    QSizeF drawn = renderer.defaultSize();
    drawn.scale(QSizeF(pixmap.size()), Qt::KeepAspectRatio);
    const QPointF corner((pixmap.width() - drawn.width()) / 2.0, (pixmap.height() - drawn.height()) / 2.0);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(corner, drawn));
    painter.end();
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

} // namespace

QPixmap svgPixmap(const QString& path, QSize logicalSize, qreal devicePixelRatio)
{
    const QString key = QStringLiteral("%1@%2x%3@%4")
                            .arg(path)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(devicePixelRatio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = render(path, logicalSize, devicePixelRatio);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QIcon appIcon()
{
    // Cheap: the SVG icon engine renders each size only when it is asked for.
    return QIcon(QString::fromLatin1(art::kIcon));
}

} // namespace ui
