// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frminizio.h"

#include "controls/art.h"
#include "controls/builders.h"
#include "controls/palette.h"
#include "controls/picturebox.h"
#include "controls/twips.h"
#include "captions.h"

#include <QLabel>
#include <QPushButton>

namespace ui {

FrmInizio::FrmInizio() : Form(QStringLiteral("frminizio"), QString::fromLatin1(kProgramTitle), Frame::Single)
{
    setBackgroundColour(this, colours::kGameBackground);

    // Label1 frames the title with a margin of 240 twips; it lies behind.
    auto* frame = makeLabel(this, "Label1", QString(), TwipsRect{480, 240, 4215, 1695},
                            {.colour = colours::kBlack,
                             .background = colours::kGameBackground,
                             .singleLineBorder = true});
    auto* title = new PictureBox(this, QStringLiteral("Picture1"), QString::fromLatin1(art::kTitle),
                                 colours::kGameBackground);
    title->setGeometry(TwipsRect{720, 480, 3735, 1215}.toPixels());
    auto* illustration = new PictureBox(this, QStringLiteral("Picture2"), QString::fromLatin1(art::kIllustration),
                                        colours::kGameBackground);
    illustration->setGeometry(TwipsRect{600, 2160, 3975, 2895}.toPixels());
    QPushButton* cmdvai = makeButton(this, "cmdvai", TwipsRect{4440, 4680, 615, 615},
                                     {.iconPath = QString::fromLatin1(art::kArrow),
                                      .toolTip = QStringLiteral("Comincia")});
    frame->lower();
    setDefaultButton(cmdvai);
    cmdvai->setFocus();
    connect(cmdvai, &QPushButton::clicked, this, &FrmInizio::startRequested);

    finishLoad(TwipsSize{5175, 5430}.toPixels());
}

} // namespace ui
