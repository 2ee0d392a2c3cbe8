// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmistruzioni.h"

#include "controls/builders.h"
#include "controls/palette.h"
#include "controls/twips.h"

namespace ui {

namespace {

struct Paragraph {
    const char* name;
    TwipsRect area;
    const char* text;
};

const Paragraph kParagraphs[] = {
    {"Label4", {360, 600, 4575, 1335},
     "Analogamente al gioco della dama, bisogna far \"saltare\" una pedina oltre quella adiacente, per "
     "posizionarla su uno spazio vuoto dall'altra parte. Sono ammesse solo le mosse in senso orizzontale o "
     "verticale. La pedina \"mangiata\" viene automaticamente rimossa dalla tavola."},
    {"Label5", {360, 1920, 4575, 1335},
     "L'obiettivo del gioco è mangiare tutte le pedine finché non ne resta una soltanto. Una sfida ulteriore è "
     "finire il gioco con l'ultima pedina al centro della tavola, ma la partita è vinta ugualmente se la pedina "
     "si trova in altre posizioni."},
    {"Label6", {360, 3240, 4575, 1335},
     "Nel gioco sono presenti 7 livelli di difficoltà. È consigliabile cominciare dal primo livello, il più "
     "semplice, per poi proseguire con i livelli sempre più complessi; è possibile comunque giocare partendo da "
     "qualsiasi livello."},
    {"Label7", {360, 4560, 3975, 855},
     "Per spostare una pedina bisogna cliccare una volta per selezionarla, poi cliccare sulla destinazione per "
     "spostarla."},
};

} // namespace

FrmIstruzioni::FrmIstruzioni()
    : HelpScreen(QStringLiteral("frmistruzioni"), QStringLiteral("Istruzioni"))
{
    setBackgroundColour(this, colours::kDialogBackground);
    addBackButton({4440, 4800});
    makeLabel(this, "Label3", QStringLiteral("Come si gioca"), TwipsRect{120, 120, 1575, 375},
              {.colour = colours::kRed, .font = {.face = Face::Comic, .points = 12, .italic = true}});
    for (const Paragraph& p : kParagraphs)
        makeLabel(this, p.name, QString::fromUtf8(p.text), p.area,
                  {.colour = colours::kBlack, .font = {.face = Face::Comic, .points = 9}});
    finishLoad(TwipsSize{5175, 5535}.toPixels());
}

} // namespace ui
