// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
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

namespace {

// Icons live as long as the application. A QIcon made from an SVG parses the
// file at once, and its engine keeps the sizes it has rendered for itself
// only: an icon made afresh for each window would be parsed again, and on
// X11 rendered again at four sizes for the title bar each time a window
// opens. Shared, each size is rendered once in the program's life.
class IconCache : public QObject {
public:
    using QObject::QObject;
    QHash<QString, QIcon> icons;
};

} // namespace

QIcon svgIcon(const QString& path)
{
    static QPointer<IconCache> cache;
    if (!cache)
        cache = new IconCache(QCoreApplication::instance());
    auto it = cache->icons.constFind(path);
    if (it == cache->icons.constEnd())
        it = cache->icons.insert(path, QIcon(path));
    return *it;
}

QIcon appIcon()
{
    return svgIcon(QString::fromLatin1(art::kIcon));
}

} // namespace ui
