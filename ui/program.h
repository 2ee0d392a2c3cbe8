#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>

namespace ui {

class FrmGioco;
class FrmInizio;
class FrmScelta;
class FrmStoria;
class FrmIstruzioni;
class FrmVarianti;
class FrmInfo;

enum class WindowId { Inizio, Gioco, Scelta, Storia, Istruzioni, Varianti, Info };

// The program's seven windows, each at most once. A window is created and
// loaded the first time it is asked for, and unloaded (destroyed) when it is
// closed; asking again loads a fresh one. All are top-level windows without
// an owner and none is modal.
//
// The program runs while at least one window is loaded: ended() is emitted
// when the last one goes, or at once by endProgram().
class Windows : public QObject {
    Q_OBJECT
public:
    Windows();
    ~Windows() override;

    // Each loads its window when it is not loaded, then returns it.
    FrmInizio* frminizio();
    FrmGioco* frmgioco();
    FrmScelta* frmscelta();
    FrmStoria* frmstoria();
    FrmIstruzioni* frmistruzioni();
    FrmVarianti* frmvarianti();
    FrmInfo* frminfo();

    // The window if it is loaded, otherwise nullptr; never loads.
    QWidget* loaded(WindowId id) const;
    int loadedCount() const;

    // Shows a window modeless, or only brings it to the front when it is
    // already shown.
    static void present(QWidget* window);

    // Ends the program at once: every window disappears together and no
    // handler of any window runs afterwards.
    void endProgram();
    bool hasEnded() const { return m_ended; }

Q_SIGNALS:
    void ended();

private:
    template <typename Window>
    Window* load(WindowId id);
    void forget(WindowId id);

    std::array<QPointer<QWidget>, 7> m_windows;
    bool m_ended = false;
};

} // namespace ui
