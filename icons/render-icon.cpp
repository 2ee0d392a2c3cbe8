// SPDX-FileCopyrightText: 2026 The Zibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build-time tool: draws the icon at the sizes a desktop asks for, into the
// file that desktop reads: one PNG (the freedesktop icon theme), a Windows
// .ico, or a macOS .icns, both containers holding PNG images; or the raw
// pixels of one PNG (.argb), which the program's window icon is made of.
//   render-icon <out.png|out.ico|out.icns|out.argb> (<in.svg> <size> <drawing>)...
// Each image is <size> px square with the SVG drawn <drawing> px wide in its
// middle (a 22 px drawing for the 24 px icon). A .png takes one image.
// Run by the build only, never installed.

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct Image {
    int size = 0;
    QByteArray png;
};

std::optional<Image> render(const char* svgPath, int size, int drawing)
{
    QSvgRenderer svg(QString::fromLocal8Bit(svgPath));
    if (!svg.isValid() || size <= 0 || drawing <= 0 || drawing > size)
        return std::nullopt;
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
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return std::nullopt;
    return Image{size, png};
}

void appendLE16(QByteArray& out, int value)
{
    const auto le = qToLittleEndian(static_cast<quint16>(value));
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void appendLE32(QByteArray& out, qsizetype value)
{
    const auto le = qToLittleEndian(static_cast<quint32>(value));
    out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void appendBE32(QByteArray& out, qsizetype value)
{
    const auto be = qToBigEndian(static_cast<quint32>(value));
    out.append(reinterpret_cast<const char*>(&be), sizeof be);
}

// ICONDIR, one ICONDIRENTRY per image, then the images; a width or height
// of 0 means 256. Windows reads PNG images in an .ico since Vista.
std::optional<QByteArray> ico(const std::vector<Image>& images)
{
    QByteArray out;
    appendLE16(out, 0); // reserved
    appendLE16(out, 1); // an icon, not a cursor
    appendLE16(out, static_cast<int>(images.size()));
    qsizetype offset = 6 + 16 * static_cast<qsizetype>(images.size());
    for (const Image& image : images) {
        if (image.size > 256)
            return std::nullopt;
        const char side = static_cast<char>(image.size == 256 ? 0 : image.size);
        out.append(side).append(side);
        out.append('\0').append('\0'); // no palette, reserved
        appendLE16(out, 1); // colour planes
        appendLE16(out, 32); // bits per pixel
        appendLE32(out, image.png.size());
        appendLE32(out, offset);
        offset += image.png.size();
    }
    for (const Image& image : images)
        out.append(image.png);
    return out;
}

// The pixels the PNG gives back (it keeps colours unpremultiplied), as
// premultiplied 32-bit ARGB words, little-endian, row after row.
QByteArray argb(const Image& image)
{
    const QImage pixels = QImage::fromData(image.png).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray out(pixels.sizeInBytes(), Qt::Uninitialized);
    qToLittleEndian<quint32>(pixels.constBits(), pixels.width() * pixels.height(), out.data());
    return out;
}

// "icns", the file's length, then per image its type, its length with this
// 8-byte head, and the PNG. A size can serve twice: 32 px is the 32 px icon
// and the 16 px one at double density.
std::optional<QByteArray> icns(const std::vector<Image>& images)
{
    struct Type {
        int size;
        const char* code;
    };
    static constexpr Type types[] = {
        {16, "icp4"}, {32, "icp5"}, {32, "ic11"}, {64, "icp6"}, {64, "ic12"},
        {128, "ic07"}, {256, "ic08"}, {256, "ic13"}, {512, "ic09"}, {512, "ic14"},
        {1024, "ic10"},
    };
    QByteArray body;
    for (const Image& image : images) {
        bool known = false;
        for (const Type& type : types) {
            if (type.size != image.size)
                continue;
            known = true;
            body.append(type.code, 4);
            appendBE32(body, 8 + image.png.size());
            body.append(image.png);
        }
        if (!known)
            return std::nullopt;
    }
    QByteArray out("icns");
    appendBE32(out, 8 + body.size());
    return out + body;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 5 || (argc - 2) % 3 != 0) {
        std::fprintf(stderr, "usage: %s <out.png|out.ico|out.icns|out.argb> (<in.svg> <size> <drawing>)...\n",
                     argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    std::vector<Image> images;
    for (int arg = 2; arg < argc; arg += 3) {
        const int size = QString::fromLatin1(argv[arg + 1]).toInt();
        const int drawing = QString::fromLatin1(argv[arg + 2]).toInt();
        const auto image = render(argv[arg], size, drawing);
        if (!image) {
            std::fprintf(stderr, "render-icon: cannot render %s at size %s\n", argv[arg], argv[arg + 1]);
            return 1;
        }
        images.push_back(*image);
    }

    std::optional<QByteArray> bytes;
    if (out.endsWith(QLatin1String(".png")) && images.size() == 1)
        bytes = images.front().png;
    else if (out.endsWith(QLatin1String(".argb")) && images.size() == 1)
        bytes = argb(images.front());
    else if (out.endsWith(QLatin1String(".ico")))
        bytes = ico(images);
    else if (out.endsWith(QLatin1String(".icns")))
        bytes = icns(images);
    QFile file(out);
    if (!bytes || !file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size()) {
        std::fprintf(stderr, "render-icon: cannot write %s with these sizes\n", argv[1]);
        return 1;
    }
    return 0;
}
