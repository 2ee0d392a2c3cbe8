// SPDX-FileCopyrightText: 2026 The Zibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time tool: renders an SVG into a square PNG of the given size, for
// the icon theme. Usage: render-icon <in.svg> <out.png> <size> [<drawing>]
// With <drawing> smaller than <size>, the picture is drawn at that size in
// the middle of the square (a 22 px drawing for the 24 px icon).
// Run by the build only, never installed.

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

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
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "render-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
