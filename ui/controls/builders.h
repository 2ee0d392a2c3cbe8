// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fonts.h"
#include "palette.h"
#include "twips.h"

#include <QColor>
#include <QString>

#include <string_view>

class QLabel;
class QPushButton;
class QWidget;

namespace ui {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Fills w's background with colour.
void setBackgroundColour(QWidget* w, QColor colour);

// A label as the windows are designed: text, place in twips, font and
// colour; left-aligned and wrapping unless said otherwise, on a
// transparent background unless a background colour is given.
struct LabelStyle {
    QColor colour = colours::kBlack;
    FontStyle font{};
    Qt::Alignment alignment = Qt::AlignLeft;
    QColor background{}; // invalid: transparent
    bool singleLineBorder = false;
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, TwipsRect area,
                  const LabelStyle& style);

// A push button with a coloured face and either a caption or an icon. An
// icon button is named by its tooltip for assistive technology.
struct ButtonStyle {
    QString caption{};
    QString iconPath{}; // an SVG shown at 32 x 32 instead of a caption
    QString toolTip{};
    FontStyle font{};
    bool systemColours = false; // the desktop's button face instead of the yellow one
};

QPushButton* makeButton(QWidget* parent, const char* name, TwipsRect area, const ButtonStyle& style);

} // namespace ui
