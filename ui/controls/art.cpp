// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art.h"

#include "svgrender.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <QtEndian>

namespace ui {

namespace {

// ":/assets/title.svg" -> "title"
QString baseName(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.mid(slash + 1, dot > slash ? dot - slash - 1 : -1);
}

// Raw little-endian premultiplied ARGB that the build wrote (render-art,
// render-icon), named "<name>-<width>x<height>.argb".
QImage prerendered(const QString& name, QSize deviceSize)
{
    const QResource resource(
        QStringLiteral(":/prerendered/%1-%2x%3.argb").arg(name).arg(deviceSize.width()).arg(deviceSize.height()));
    if (!resource.isValid())
        return {};
    const QByteArray pixels = resource.uncompressedData();
    QImage image(deviceSize, QImage::Format_ARGB32_Premultiplied);
    if (pixels.size() != image.sizeInBytes() || image.bytesPerLine() != 4 * image.width())
        return {};
    qFromLittleEndian<quint32>(pixels.constData(), image.width() * image.height(), image.bits());
    return image;
}

} // namespace

QImage prerenderedArt(const QString& path, QSize deviceSize)
{
    return prerendered(baseName(path), deviceSize);
}

QPixmap svgPixmap(const QString& path, QSize logicalSize, qreal devicePixelRatio)
{
    const QString key = QStringLiteral("%1@%2x%3@%4")
                            .arg(path)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(devicePixelRatio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        const QSize deviceSize = logicalSize * devicePixelRatio;
        QImage image = prerenderedArt(path, deviceSize);
        if (image.isNull())
            image = renderSvg(path, deviceSize);
        pixmap = QPixmap::fromImage(std::move(image));
        pixmap.setDevicePixelRatio(devicePixelRatio);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

namespace {

// An icon drawn from the art when a size of it is first asked for, and
// cached like any picture: making one costs nothing, and nothing is parsed
// for a size that is never shown. The sides listed come from the pictures
// the build drew for them (the window icon's: the icon theme's PNGs, raw);
// any other size from the SVG. The icon engine of Qt's SVG plugin would
// parse the file once when the icon is made and again for each size.
class ArtIconEngine : public QIconEngine {
public:
    explicit ArtIconEngine(const QString& svgPath, const QString& drawnName = {}, QList<int> drawnSides = {})
        : m_svgPath(svgPath), m_drawnName(drawnName), m_drawnSides(std::move(drawnSides))
    {
    }

    // size is in device pixels.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap pixmap;
        if (size.width() != size.height() || !m_drawnSides.contains(size.width()))
            pixmap = svgPixmap(m_svgPath, size, 1.0);
        else {
            const QString key = QStringLiteral("%1@%2").arg(m_drawnName).arg(size.width());
            if (!QPixmapCache::find(key, &pixmap)) {
                QImage drawn = prerendered(m_drawnName, size);
                pixmap = drawn.isNull() ? svgPixmap(m_svgPath, size, 1.0) : QPixmap::fromImage(std::move(drawn));
                QPixmapCache::insert(key, pixmap);
            }
        }
        // A disabled or selected icon as the style draws one, as any icon.
        if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
            if (!generated.isNull())
                pixmap = generated;
        }
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), drawn);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : m_drawnSides)
            sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine* clone() const override { return new ArtIconEngine(*this); }
    QString key() const override { return QStringLiteral("zibbet-art"); }

private:
    QString m_svgPath;
    QString m_drawnName;
    QList<int> m_drawnSides;
};

// Icons live as long as the application and are shared, so each size is
// drawn once in the program's life, whichever window shows it.
class IconCache : public QObject {
public:
    using QObject::QObject;
    QHash<QString, QIcon> icons;
};

QIcon& cachedIcon(const QString& path)
{
    static QPointer<IconCache> cache;
    if (!cache)
        cache = new IconCache(QCoreApplication::instance());
    return cache->icons[path];
}

} // namespace

QIcon svgIcon(const QString& path)
{
    QIcon& icon = cachedIcon(path);
    if (icon.isNull())
        icon = QIcon(new ArtIconEngine(path));
    return icon;
}

QIcon appIcon()
{
    const QString path = QString::fromLatin1(art::kIcon);
    QIcon& icon = cachedIcon(path);
    if (icon.isNull()) {
        // The sizes the build draws for it (ui/controls/CMakeLists.txt).
        icon = QIcon(new ArtIconEngine(path, QStringLiteral("window-icon"), {16, 22, 24, 32, 48, 64, 128}));
    }
    return icon;
}

} // namespace ui
