// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include "board/cellwidget.h"
#include "controls/accessibility.h"
#include "controls/fonts.h"
#include "forms/frmgioco.h"
#include "forms/frminfo.h"
#include "forms/frminizio.h"
#include "forms/frmistruzioni.h"
#include "forms/frmscelta.h"
#include "forms/frmstoria.h"
#include "forms/frmvarianti.h"

namespace ui {

namespace {

std::size_t slot(WindowId id)
{
    return static_cast<std::size_t>(id);
}

} // namespace

void installProcessWideSetUp()
{
    installFontSubstitutes();
    installAccessibility();
    CellWidget::installAccessibility();
}

Program::~Program()
{
    for (QPointer<Form>& window : m_windows)
        delete window.data();
}

template <typename Window, typename... Args>
Window* Program::load(WindowId id, Args... args)
{
    QPointer<Form>& window = m_windows[slot(id)];
    if (!window) {
        auto* form = new Window(args...);
        connect(form, &Form::unloading, this, [this, id, form] { forget(id, form); });
        wire(form);
        window = form;
    }
    return static_cast<Window*>(window.data());
}

void Program::start()
{
    load<FrmInizio>(WindowId::Inizio)->present();
}

// The game window is shown before the start screen goes, so the program
// never runs without a window.
void Program::wire(FrmInizio* inizio)
{
    connect(inizio, &FrmInizio::startRequested, this, [this, inizio] {
        frmgioco()->present();
        inizio->unload();
    });
}

void Program::wire(FrmGioco* gioco)
{
    connect(gioco, &FrmGioco::singlePegLeft, this, &Program::openLevelCompleteDialog);
    connect(gioco, &FrmGioco::helpRequested, this, &Program::openHelp);
    connect(gioco, &FrmGioco::exitRequested, this, &Program::endProgram);
}

// The two level buttons work on the game window, loading a fresh one first
// if it was closed meanwhile.
void Program::wire(FrmScelta* scelta)
{
    connect(scelta, &FrmScelta::sameLevelChosen, this, [this, scelta](core::LevelNumber livello) {
        frmgioco()->setUpSameLevel(livello);
        backToGame(scelta);
    });
    connect(scelta, &FrmScelta::nextLevelChosen, this, [this, scelta](core::LevelNumber livello) {
        frmgioco()->setUpNextLevel(livello);
        backToGame(scelta);
    });
    connect(scelta, &FrmScelta::exitRequested, this, &Program::endProgram);
}

void Program::wire(HelpScreen* help)
{
    connect(help, &HelpScreen::backRequested, this, [this, help] { backToGame(help); });
}

FrmGioco* Program::frmgioco()
{
    return load<FrmGioco>(WindowId::Gioco);
}

// The dialog's load reads the level and hides the no-more-moves notice on
// the game window before the dialog is built. A dialog already open is only
// brought to the front: it keeps the level it read, and a notice this click
// has shown stays.
void Program::openLevelCompleteDialog()
{
    if (!loaded(WindowId::Scelta))
        load<FrmScelta>(WindowId::Scelta, frmgioco()->levelCompleteDialogLoaded());
    loaded(WindowId::Scelta)->present();
}

// The help screens by the class each is; the other windows are no help.
void Program::openHelp(WindowId screen)
{
    switch (screen) {
    case WindowId::Storia: load<FrmStoria>(screen)->present(); break;
    case WindowId::Istruzioni: load<FrmIstruzioni>(screen)->present(); break;
    case WindowId::Varianti: load<FrmVarianti>(screen)->present(); break;
    case WindowId::Info: load<FrmInfo>(screen)->present(); break;
    case WindowId::Inizio:
    case WindowId::Gioco:
    case WindowId::Scelta: break;
    }
}

// Brings the game window to the front, then closes the window the player
// came from.
void Program::backToGame(Form* from)
{
    frmgioco()->present();
    from->unload();
}

Form* Program::loaded(WindowId id) const
{
    return m_windows[slot(id)].data();
}

int Program::loadedCount() const
{
    int count = 0;
    for (const QPointer<Form>& window : m_windows)
        count += window ? 1 : 0;
    return count;
}

// A closing window leaves its slot at once, before it is destroyed, so that
// needing it again from the same handler loads a fresh one. Only its own
// slot: a newer window of the same kind may be in it already.
void Program::forget(WindowId id, const Form* window)
{
    QPointer<Form>& held = m_windows[slot(id)];
    if (held != window)
        return;
    held = nullptr;
    if (loadedCount() == 0 && !m_ended) {
        m_ended = true;
        Q_EMIT ended();
    }
}

void Program::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    for (QPointer<Form>& window : m_windows) {
        if (!window)
            continue;
        window->disconnect(this);
        window->hide();
        window->deleteLater();
        window = nullptr;
    }
    Q_EMIT ended();
}

} // namespace ui
