#pragma once

#include "form.h"

class QPushButton;

namespace ui {

class Windows;

// A screen opened from the "Aiuto" menu: fixed texts and pictures on a
// dialog frame, and one button that brings the game window back (a fresh
// one if it was closed meanwhile) and closes the screen.
class HelpScreen : public Form {
    Q_OBJECT
public:
    HelpScreen(Windows& windows, const QString& objectName, const QString& title);

    void goBackToGame();

protected:
    // The square "Indietro" button with the back arrow, first in the tab
    // order so it has the focus when the screen opens.
    QPushButton* addBackButton(int left, int top);

private:
    Windows& m_windows;
};

} // namespace ui
