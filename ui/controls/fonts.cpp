// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QStringList>

#include <cmath>

namespace ui {

namespace {

const char* familyOf(Face face)
{
    return face == Face::Comic ? "Comic Sans MS" : "MS Sans Serif";
}

} // namespace

QFont makeFont(const FontStyle& style)
{
    QFont font(QString::fromLatin1(familyOf(style.face)));
    font.setPixelSize(static_cast<int>(std::lround(style.points * 4.0 / 3.0)));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("Liberation Sans")});
}

} // namespace ui
