#pragma once

#include "helpscreen.h"

namespace ui {

// "Istruzioni": how to play.
class FrmIstruzioni : public HelpScreen {
    Q_OBJECT
public:
    FrmIstruzioni();
};

} // namespace ui
