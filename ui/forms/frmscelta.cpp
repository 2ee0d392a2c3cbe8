#include "frmscelta.h"

#include "controls.h"
#include "frmgioco.h"
#include "palette.h"
#include "twips.h"
#include "windows.h"

#include <QLabel>
#include <QPushButton>

namespace ui {

FrmScelta::FrmScelta(Windows& windows)
    : Form(QStringLiteral("frmscelta"), QStringLiteral("Complimenti!"), Frame::Dialog), m_windows(windows)
{
    setBackgroundColour(this, colours::kDialogBackground);

    const FontStyle buttonFont{Face::Comic, 9};
    makeLabel(this, "lblmess", QStringLiteral("Hai superato il livello!"), QRect(480, 240, 4215, 495),
              {colours::kRed, {Face::Comic, 15.75, false, true}, Qt::AlignHCenter});
    QPushButton* cmdstesso = makeButton(this, "cmdstesso", QRect(480, 1680, 1215, 735),
                                        {QStringLiteral("Stesso livello"), {}, {}, buttonFont});
    QPushButton* cmdsuccessivo = makeButton(this, "cmdsuccessivo", QRect(1920, 1680, 1335, 735),
                                            {QStringLiteral("Livello successivo"), {}, {}, buttonFont});
    makeLabel(this, "Label2", QStringLiteral("Cosa vuoi fare?"), QRect(1200, 960, 2775, 375),
              {colours::kBlue, {Face::Comic, 12}, Qt::AlignHCenter});
    QPushButton* cmdesci = makeButton(this, "cmdesci", QRect(3480, 1680, 1215, 735),
                                      {QStringLiteral("Esci"), {}, {}, buttonFont});
    setTabOrder(cmdstesso, cmdsuccessivo);
    setTabOrder(cmdsuccessivo, cmdesci);
    setCancelButton(cmdesci);
    cmdstesso->setFocus();
    connect(cmdstesso, &QPushButton::clicked, this, &FrmScelta::cmdstesso_Click);
    connect(cmdsuccessivo, &QPushButton::clicked, this, &FrmScelta::cmdsuccessivo_Click);
    connect(cmdesci, &QPushButton::clicked, this, &FrmScelta::cmdesci_Click);

    // Form_Load: centre, read the solved level, hide the no-more-moves
    // notice the same click has just shown.
    finishLoad(twipsSize(5175, 2655));
    m_livello = m_windows.frmgioco()->levelCompleteDialogLoaded();
}

void FrmScelta::cmdstesso_Click()
{
    FrmGioco* game = m_windows.frmgioco();
    game->setUpSameLevel(m_livello);
    Windows::present(game);
    unload();
}

void FrmScelta::cmdsuccessivo_Click()
{
    FrmGioco* game = m_windows.frmgioco();
    game->setUpNextLevel(m_livello);
    Windows::present(game);
    unload();
}

void FrmScelta::cmdesci_Click()
{
    m_windows.endProgram();
}

} // namespace ui
