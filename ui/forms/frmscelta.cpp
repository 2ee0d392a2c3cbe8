// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmscelta.h"

#include "controls/builders.h"
#include "controls/palette.h"
#include "controls/twips.h"

#include <QLabel>
#include <QPushButton>

namespace ui {

FrmScelta::FrmScelta(core::LevelNumber livello)
    : Form(QStringLiteral("frmscelta"), QStringLiteral("Complimenti!"), Frame::Dialog), m_livello(livello)
{
    setBackgroundColour(this, colours::kDialogBackground);

    const FontStyle buttonFont{.face = Face::Comic, .points = 9};
    makeLabel(this, "lblmess", QStringLiteral("Hai superato il livello!"), TwipsRect{480, 240, 4215, 495},
              {.colour = colours::kRed,
               .font = {.face = Face::Comic, .points = 15.75, .italic = true},
               .alignment = Qt::AlignHCenter});
    QPushButton* cmdstesso = makeButton(this, "cmdstesso", TwipsRect{480, 1680, 1215, 735},
                                        {.caption = QStringLiteral("Stesso livello"), .font = buttonFont});
    QPushButton* cmdsuccessivo = makeButton(this, "cmdsuccessivo", TwipsRect{1920, 1680, 1335, 735},
                                            {.caption = QStringLiteral("Livello successivo"), .font = buttonFont});
    makeLabel(this, "Label2", QStringLiteral("Cosa vuoi fare?"), TwipsRect{1200, 960, 2775, 375},
              {.colour = colours::kBlue, .font = {.face = Face::Comic, .points = 12}, .alignment = Qt::AlignHCenter});
    QPushButton* cmdesci = makeButton(this, "cmdesci", TwipsRect{3480, 1680, 1215, 735},
                                      {.caption = QStringLiteral("Esci"), .font = buttonFont});
    setTabOrder(cmdstesso, cmdsuccessivo);
    setTabOrder(cmdsuccessivo, cmdesci);
    setCancelButton(cmdesci);
    cmdstesso->setFocus();
    connect(cmdstesso, &QPushButton::clicked, this, [this] { Q_EMIT sameLevelChosen(m_livello); });
    connect(cmdsuccessivo, &QPushButton::clicked, this, [this] { Q_EMIT nextLevelChosen(m_livello); });
    connect(cmdesci, &QPushButton::clicked, this, &FrmScelta::exitRequested);
    finishLoad(TwipsSize{5175, 2655}.toPixels());
}

} // namespace ui
