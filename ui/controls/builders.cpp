// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builders.h"

#include "accessibility.h"
#include "art.h"
#include "facebutton.h"
#include "palette.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>

namespace ui {

namespace {

// The classic style paints a button face in exactly the palette's colour,
// with a bevel; the default style would wash the colour out.
QStyle* classicButtonStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(QStringLiteral("Windows"));
        if (style)
            style->setParent(qApp);
    }
    return style;
}

} // namespace

void setBackgroundColour(QWidget* w, QColor colour)
{
    w->setAutoFillBackground(true);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, colour);
    w->setPalette(palette);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, TwipsRect area, const LabelStyle& style)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(area.toPixels());
    label->setFont(makeFont(style.font));
    label->setAlignment(style.alignment | Qt::AlignTop);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, style.colour);
    label->setPalette(palette);
    if (style.background.isValid())
        setBackgroundColour(label, style.background);
    if (style.singleLineBorder)
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, TwipsRect area, const ButtonStyle& style)
{
    auto* button = new FaceButton(style.caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(area.toPixels());
    button->setFont(makeFont(style.font));
    button->setAutoDefault(false);
    if (QStyle* classic = classicButtonStyle())
        button->setStyle(classic);
    if (!style.systemColours) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, colours::kCell);
        palette.setColor(QPalette::ButtonText, colours::kBlack);
        button->setPalette(palette);
    }
    if (!style.iconPath.isEmpty()) {
        button->setIcon(svgIcon(style.iconPath));
        button->setIconSize(QSize(32, 32));
        button->setAccessibleName(style.toolTip);
    }
    button->setToolTip(style.toolTip);
    return button;
}

} // namespace ui
