#pragma once

#include "form.h"

namespace ui {

class Windows;

// The start screen: the title, the illustration and the button that leads
// to the game.
class FrmInizio : public Form {
    Q_OBJECT
public:
    explicit FrmInizio(Windows& windows);

    void cmdvai_Click();

private:
    Windows& m_windows;
};

} // namespace ui
