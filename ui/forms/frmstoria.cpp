// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmstoria.h"

#include "controls/builders.h"
#include "controls/palette.h"
#include "controls/twips.h"

#include <QPushButton>

namespace ui {

namespace {

const char* const kHistory =
    "\"Zibbet\" (si legge \"zìbbet\", con l'accento sulla prima sillaba) è un gioco di logica le cui origini "
    "risalgono al diciannovesimo secolo. Nessuno sa per certo chi l'ha inventato, ma diverse fonti attribuiscono "
    "la sua nascita a un prigioniero della Bastiglia. Il gioco si svolgeva su una spartana tavola di legno ed era "
    "molto popolare in tutta l'Europa del 1800, dove era anche noto come il \"Solitario delle pedine\" (in un "
    "vecchio dialetto \"zibbet\" vuol dire \"saltello\").";

} // namespace

FrmStoria::FrmStoria() : HelpScreen(QStringLiteral("frmstoria"), QStringLiteral("La storia"))
{
    setBackgroundColour(this, colours::kDialogBackground);
    QPushButton* back = addBackButton({4440, 2640});
    makeLabel(this, "Label1", QStringLiteral("La storia del gioco"), TwipsRect{120, 240, 2175, 375},
              {.colour = colours::kBlue, .font = {.face = Face::Comic, .points = 12, .italic = true}});
    makeLabel(this, "Label2", QString::fromUtf8(kHistory), TwipsRect{360, 720, 4575, 2175},
              {.colour = colours::kBlack, .font = {.face = Face::Comic, .points = 9}});
    setCancelButton(back);
    finishLoad(TwipsSize{5175, 3375}.toPixels());
}

} // namespace ui
