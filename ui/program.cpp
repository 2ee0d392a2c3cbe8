#include "windows.h"

#include "fonts.h"
#include "frmgioco.h"
#include "frminfo.h"
#include "frminizio.h"
#include "frmistruzioni.h"
#include "frmscelta.h"
#include "frmstoria.h"
#include "frmvarianti.h"

namespace ui {

namespace {

std::size_t slot(WindowId id)
{
    return static_cast<std::size_t>(id);
}

} // namespace

Windows::Windows()
{
    installFontSubstitutes();
}

Windows::~Windows()
{
    for (QPointer<QWidget>& window : m_windows)
        delete window.data();
}

template <typename Window>
Window* Windows::load(WindowId id)
{
    QPointer<QWidget>& window = m_windows[slot(id)];
    if (!window) {
        auto* form = new Window(*this);
        connect(form, &Form::unloading, this, [this, id] { forget(id); });
        window = form;
    }
    return static_cast<Window*>(window.data());
}

FrmInizio* Windows::frminizio() { return load<FrmInizio>(WindowId::Inizio); }
FrmGioco* Windows::frmgioco() { return load<FrmGioco>(WindowId::Gioco); }
FrmScelta* Windows::frmscelta() { return load<FrmScelta>(WindowId::Scelta); }
FrmStoria* Windows::frmstoria() { return load<FrmStoria>(WindowId::Storia); }
FrmIstruzioni* Windows::frmistruzioni() { return load<FrmIstruzioni>(WindowId::Istruzioni); }
FrmVarianti* Windows::frmvarianti() { return load<FrmVarianti>(WindowId::Varianti); }
FrmInfo* Windows::frminfo() { return load<FrmInfo>(WindowId::Info); }

QWidget* Windows::loaded(WindowId id) const
{
    return m_windows[slot(id)].data();
}

int Windows::loadedCount() const
{
    int count = 0;
    for (const QPointer<QWidget>& window : m_windows)
        count += window ? 1 : 0;
    return count;
}

void Windows::present(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// A closing window leaves at once, before it is destroyed, so that asking
// for it again from the same handler loads a fresh one.
void Windows::forget(WindowId id)
{
    m_windows[slot(id)] = nullptr;
    if (loadedCount() == 0 && !m_ended) {
        m_ended = true;
        Q_EMIT ended();
    }
}

void Windows::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    for (QPointer<QWidget>& window : m_windows) {
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
