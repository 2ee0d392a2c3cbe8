// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include "accessibility.h"
#include "art.h"
#include "centring.h"
#include "taskbar.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QShowEvent>

namespace ui {

namespace {

Qt::WindowFlags flagsOf(Frame frame)
{
    const Qt::WindowFlags fixed = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    return (frame == Frame::Dialog ? Qt::Dialog : Qt::Window) | fixed;
}

} // namespace

Form::Form(const QString& objectName, const QString& title, Frame frame)
    : QWidget(nullptr, flagsOf(frame)), m_frame(frame)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setWindowIcon(appIcon());
    setAccessibleRole(this, frame == Frame::Dialog ? QAccessible::Dialog : QAccessible::Window);
}

void Form::finishLoad(QSize clientSize)
{
    if (layout())
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    else
        setFixedSize(clientSize);
    adjustSize();
    centreOnScreen(this);
}

// A window shown by the program, not by the window system giving it back.
void Form::showEvent(QShowEvent* event)
{
    if (m_frame == Frame::Dialog && !event->spontaneous())
        keepOutOfTaskbar(this);
    QWidget::showEvent(event);
}

void Form::keyPressEvent(QKeyEvent* event)
{
    QPushButton* target = nullptr;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        target = qobject_cast<QPushButton*>(focusWidget());
        if (!target)
            target = m_defaultButton;
        break;
    case Qt::Key_Escape: target = m_cancelButton; break;
    default: break;
    }
    if (target && target->isEnabled())
        target->click();
    else
        QWidget::keyPressEvent(event);
}

void Form::present()
{
    show();
    raise();
    activateWindow();
}

void Form::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Q_EMIT unloading();
    deleteLater();
}

} // namespace ui
