#include "helpscreen.h"

#include "art.h"
#include "controls.h"
#include "frmgioco.h"
#include "windows.h"

#include <QPushButton>

namespace ui {

HelpScreen::HelpScreen(Windows& windows, const QString& objectName, const QString& title)
    : Form(objectName, title, Frame::Dialog), m_windows(windows)
{
}

void HelpScreen::goBackToGame()
{
    Windows::present(m_windows.frmgioco());
    unload();
}

QPushButton* HelpScreen::addBackButton(int left, int top)
{
    QPushButton* button = makeButton(this, "cmdindietro", QRect(left, top, 615, 615),
                                     {{}, QString::fromLatin1(art::kBack), QStringLiteral("Indietro"), {}});
    connect(button, &QPushButton::clicked, this, &HelpScreen::goBackToGame);
    button->setFocus();
    return button;
}


} // namespace ui
