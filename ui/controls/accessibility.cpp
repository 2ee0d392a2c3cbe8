// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "menuentries.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace ui {

namespace {

const char* const kRoleProperty = "ui-accessible-role";
const char* const kHelpProperty = "ui-accessible-help";

class RoleAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Help)
            return object()->property(kHelpProperty).toString();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* interfaceByRole(const QString&, QObject* object)
{
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid() || !object->isWidgetType())
        return nullptr;
    return new RoleAccessible(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void setAccessibleHelp(QWidget* widget, const QString& help)
{
    widget->setProperty(kHelpProperty, help);
}

void announce(QWidget* announcer, const QString& text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent said(announcer, text);
    QAccessible::updateAccessibility(&said);
#else
    announcer->setAccessibleName(text);
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

void installAccessibility()
{
    QAccessible::installFactory(interfaceByRole);
    QAccessible::installFactory(menuEntryInterface);
}

} // namespace ui
