#include "form.h"

#include "art.h"
#include "centring.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>

namespace ui {

namespace {

Qt::WindowFlags flagsOf(Frame frame)
{
    const Qt::WindowFlags fixed = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    return (frame == Frame::Dialog ? Qt::Dialog : Qt::Window) | fixed;
}

} // namespace

Form::Form(const QString& objectName, const QString& title, Frame frame) : QWidget(nullptr, flagsOf(frame))
{
    setObjectName(objectName);
    setWindowTitle(title);
    setWindowIcon(appIcon());
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
