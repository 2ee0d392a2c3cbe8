// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpscreen.h"

#include "controls/art.h"
#include "controls/builders.h"

#include <QPushButton>

namespace ui {

HelpScreen::HelpScreen(const QString& objectName, const QString& title) : Form(objectName, title, Frame::Dialog)
{
}

QPushButton* HelpScreen::addBackButton(TwipsPoint at)
{
    QPushButton* button = makeButton(this, "cmdindietro", TwipsRect{at.x, at.y, 615, 615},
                                     {.iconPath = QString::fromLatin1(art::kBack),
                                      .toolTip = QStringLiteral("Indietro")});
    connect(button, &QPushButton::clicked, this, &HelpScreen::backRequested);
    button->setFocus();
    return button;
}

} // namespace ui
