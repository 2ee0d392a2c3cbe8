// SPDX-FileCopyrightText: 2026 The Zibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time tool: renders an SVG for a device size exactly as the program
// does (renderSvg) and writes the pixels raw: premultiplied ARGB, one
// little-endian 32-bit word per pixel, row after row. The program reads
// them back for the first paint's pictures instead of parsing and drawing
// the SVG (art.cpp). Usage: render-art <in.svg> <out> <width> <height>
// Run by the build only, never installed.

#include "svgrender.h"

#include <QFile>
#include <QtEndian>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <in.svg> <out> <width> <height>\n", argv[0]);
        return 2;
    }
    const QSize size(QString::fromLatin1(argv[3]).toInt(), QString::fromLatin1(argv[4]).toInt());
    const QImage image = ui::renderSvg(QString::fromLocal8Bit(argv[1]), size);
    QByteArray pixels(image.sizeInBytes(), Qt::Uninitialized);
    qToLittleEndian<quint32>(image.constBits(), image.width() * image.height(), pixels.data());
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (size.isEmpty() || image.bytesPerLine() != image.width() * 4 || !out.open(QIODevice::WriteOnly)
        || out.write(pixels) != pixels.size()) {
        std::fprintf(stderr, "render-art: cannot write %s at %sx%s\n", argv[2], argv[3], argv[4]);
        return 1;
    }
    return 0;
}
