#pragma once

#include "cell.h"
#include "form.h"

namespace ui {

class Windows;

// "Complimenti!": opened when one peg is left. It remembers the level that
// was solved when it loaded (livello) and acts on that level.
class FrmScelta : public Form {
    Q_OBJECT
public:
    explicit FrmScelta(Windows& windows);

    core::LevelNumber livello() const { return m_livello; }

    void cmdstesso_Click();
    void cmdsuccessivo_Click();
    void cmdesci_Click();

private:
    Windows& m_windows;
    core::LevelNumber m_livello = 0;
};

} // namespace ui
