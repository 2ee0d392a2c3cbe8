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

namespace {

// Where the title and the illustration go. The build prerenders their art
// at these sizes for the first paint: ui/controls/CMakeLists.txt reads these
// two lines, so a picture moved or resized here is prerendered as it shows.
constexpr TwipsRect kTitleRect{720, 480, 3735, 1215};
constexpr TwipsRect kIllustrationRect{600, 2160, 3975, 2895};

} // namespace

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
    title->setGeometry(kTitleRect.toPixels());
    auto* illustration = new PictureBox(this, QStringLiteral("Picture2"), QString::fromLatin1(art::kIllustration),
                                        colours::kGameBackground);
    illustration->setGeometry(kIllustrationRect.toPixels());
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
