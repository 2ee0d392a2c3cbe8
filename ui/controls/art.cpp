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

} // namespace

QImage prerenderedArt(const QString& path, QSize deviceSize)
{
    const QResource resource(QStringLiteral(":/prerendered/%1-%2x%3.argb")
                                 .arg(baseName(path))
                                 .arg(deviceSize.width())
                                 .arg(deviceSize.height()));
    if (!resource.isValid())
        return {};
    const QByteArray pixels = resource.uncompressedData();
    QImage image(deviceSize, QImage::Format_ARGB32_Premultiplied);
    if (pixels.size() != image.sizeInBytes() || image.bytesPerLine() != 4 * image.width())
        return {};
    qFromLittleEndian<quint32>(pixels.constData(), image.width() * image.height(), image.bits());
    return image;
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
// for a size that is never shown. Sizes listed in pngs come from those
// files (the icon theme's, drawn for their pixel grid); any other size from
// the SVG. The icon engine of Qt's SVG plugin would parse the file once when
// the icon is made and again for each size.
class ArtIconEngine : public QIconEngine {
public:
    explicit ArtIconEngine(const QString& svgPath, QHash<int, QString> pngs = {})
        : m_svgPath(svgPath), m_pngs(std::move(pngs))
    {
    }

    // size is in device pixels.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap pixmap;
        const QString png = size.width() == size.height() ? m_pngs.value(size.width()) : QString();
        if (png.isEmpty())
            pixmap = svgPixmap(m_svgPath, size, 1.0);
        else if (!QPixmapCache::find(png, &pixmap)) {
            pixmap = QPixmap(png, "PNG");
            QPixmapCache::insert(png, pixmap);
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
        QList<int> sides = m_pngs.keys();
        std::sort(sides.begin(), sides.end());
        QList<QSize> sizes;
        for (int side : sides)
            sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine* clone() const override { return new ArtIconEngine(*this); }
    QString key() const override { return QStringLiteral("zibbet-art"); }

private:
    QString m_svgPath;
    QHash<int, QString> m_pngs; // side in pixels -> file
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
        // The window icon sizes the build renders (ui/controls/CMakeLists.txt).
        QHash<int, QString> pngs;
        for (int side : {16, 22, 24, 32, 48, 64, 128})
            pngs.insert(side, QStringLiteral(":/icons/%1.png").arg(side));
        icon = QIcon(new ArtIconEngine(path, pngs));
    }
    return icon;
}

} // namespace ui
