// SPDX-FileCopyrightText: 2026 The Zibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time tool: renders an SVG into a square PNG of the given size, for
// the icon theme, or into raw pixels for the window icon when <out> ends in
// .argb. Usage: render-icon <in.svg> <out.png|out.argb> <size> [<drawing>]
// With <drawing> smaller than <size>, the picture is drawn at that size in
// the middle of the square (a 22 px drawing for the 24 px icon).
// Run by the build only, never installed.

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s <in.svg> <out.png> <size> [<drawing>]\n", argv[0]);
        return 2;
    }
    // Painting into an image needs no platform plugin and no display: a
    // core application is enough, and the build prints no warnings of one.
    int qtArgc = 1;
    QCoreApplication app(qtArgc, argv);

    const QString in = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const int size = QString::fromLatin1(argv[3]).toInt();
    const int drawing = argc == 5 ? QString::fromLatin1(argv[4]).toInt() : size;
    QSvgRenderer svg(in);
    if (!svg.isValid() || size <= 0 || drawing <= 0 || drawing > size) {
        std::fprintf(stderr, "render-icon: cannot render %s at size %s\n", argv[1], argv[3]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // A fixed resolution (96 dpi): the same file on every build machine.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int margin = (size - drawing) / 2;
    svg.render(&painter, QRectF(margin, margin, drawing, drawing));
    painter.end();
    if (out.endsWith(QLatin1String(".argb"))) {
        // The window icon's copy: the pixels the PNG gives back (it keeps
        // colours unpremultiplied), written raw as render-art writes them.
        const QImage asPng = image.convertToFormat(QImage::Format_ARGB32)
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QByteArray pixels(asPng.sizeInBytes(), Qt::Uninitialized);
        qToLittleEndian<quint32>(asPng.constBits(), asPng.width() * asPng.height(), pixels.data());
        QFile file(out);
        if (!file.open(QIODevice::WriteOnly) || file.write(pixels) != pixels.size()) {
            std::fprintf(stderr, "render-icon: cannot write %s\n", argv[2]);
            return 1;
        }
    } else if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "render-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
