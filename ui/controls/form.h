// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QPushButton;

namespace ui {

// The frame a window is drawn with. Both are fixed: no resizing, no
// minimise or maximise button, a close box in the title bar.
enum class Frame {
    Single, // a main window, shown in the task bar; a frame to assistive technology
    Dialog, // a secondary window, kept out of the task bar; a dialog to assistive technology
};

// The common ground of the program's windows: a fixed frame, the program's
// icon, centring when loaded, and the classic keyboard rules of a form:
// Enter presses the focused button (or else the default button), Escape
// presses the cancel button. Closing a form unloads it: it announces that
// and destroys itself once control returns to the event loop. The window
// system may deliver a second close request before then (two clicks on the
// close box while the program is busy); it is announced again.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(const QString& objectName, const QString& title, Frame frame);

    void setDefaultButton(QPushButton* button) { m_defaultButton = button; }
    void setCancelButton(QPushButton* button) { m_cancelButton = button; }

    // Shows the window modeless, or only brings it to the front when it is
    // already shown.
    void present();
    // Closes and unloads the window.
    void unload() { close(); }

Q_SIGNALS:
    void unloading();

protected:
    // Sets the client area and centres the window: the end of every load.
    void finishLoad(QSize clientSize);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Frame m_frame;
    QPushButton* m_defaultButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

} // namespace ui
