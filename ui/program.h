// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/windowid.h"

#include <QObject>
#include <QPointer>

#include <array>

namespace ui {

class Form;
class FrmGioco;
class FrmInizio;
class FrmScelta;
class HelpScreen;

// What the windows need of the whole process, set up once after the
// application object is made and before the first window: the substitutes
// for the design faces and the accessibility factories.
void installProcessWideSetUp();

// The program's seven windows and every way from one to another. Each window
// exists at most once: it is created and loaded the first time it is needed
// and unloaded (destroyed) when it is closed; needing it again loads a fresh
// one. All are top-level windows without an owner and none is modal. The
// forms only say what the player asked for; this is the one place that
// knows what that means for the other windows.
//
// The program runs while at least one window is loaded: ended() is emitted
// when the last one goes, or at once by endProgram().
class Program : public QObject {
    Q_OBJECT
public:
    ~Program() override;

    // Shows the start screen, alone.
    void start();

    // The window if it is loaded, otherwise nullptr; never loads.
    Form* loaded(WindowId id) const;

    // Ends the program at once: every window disappears together and no
    // handler of any window runs afterwards.
    void endProgram();

Q_SIGNALS:
    void ended();

private:
    // The window of id, loaded first (and wired) when it is not loaded.
    template <typename Window, typename... Args>
    Window* load(WindowId id, Args... args);
    void forget(WindowId id, const Form* window);
    int loadedCount() const;

    // What each window's requests lead to, connected once when it loads.
    void wire(FrmInizio* inizio);
    void wire(FrmGioco* gioco);
    void wire(FrmScelta* scelta);
    void wire(HelpScreen* help);

    FrmGioco* frmgioco();
    void openLevelCompleteDialog();
    void openHelp(WindowId screen);
    void backToGame(Form* from);

    std::array<QPointer<Form>, kWindowCount> m_windows;
    bool m_ended = false;
};

} // namespace ui
