// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menuentries.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace ui {

QString spokenKeys(const QKeySequence& keys)
{
    QString text = keys.toString(QKeySequence::PortableText);
    return text == QLatin1String("Del") ? QStringLiteral("Canc") : text;
}

namespace {

class MenuEntry : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuEntry(QMenu* menu, QAction* action) : m_menu(menu), m_action(action) {}

    bool isValid() const override { return m_menu && m_action; }
    QObject* object() const override { return m_action; }
    QWindow* window() const override { return m_menu->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_menu); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return m_menu->actionGeometry(m_action).translated(m_menu->mapToGlobal(QPoint())); }
    QAccessible::Role role() const override
    {
        return m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QString(m_action->text()).replace(QStringLiteral("&&"), QStringLiteral("\x1f")).remove('&')
                .replace('\x1f', '&');
        if (t == QAccessible::Accelerator)
            return m_action->shortcut().isEmpty() ? QKeySequence::mnemonic(m_action->text()).toString()
                                                      .remove(QStringLiteral("Alt+"))
                                                  : spokenKeys(m_action->shortcut());
        return {};
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !m_menu->isVisible() || !m_action->isVisible();
        s.focused = m_menu->activeAction() == m_action;
        s.disabled = m_action->isSeparator() || !m_action->isEnabled();
        s.checkable = m_action->isCheckable();
        s.checked = m_action->isChecked();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        return m_action->isSeparator() ? QStringList() : QStringList(pressAction());
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && m_action->isEnabled())
            m_action->trigger();
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        const QString keys = text(QAccessible::Accelerator);
        return name == pressAction() && !keys.isEmpty() ? QStringList(keys) : QStringList();
    }

private:
    QPointer<QMenu> m_menu;
    QPointer<QAction> m_action;
};

} // namespace

QAccessibleInterface* menuEntryInterface(const QString& className, QObject* object)
{
    auto* action = className == QLatin1String("QAction") ? static_cast<QAction*>(object) : nullptr;
    if (!action || action->menu())
        return nullptr;
    for (QObject* shownIn : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(shownIn))
            return new MenuEntry(menu, action);
    return nullptr;
}

} // namespace ui
