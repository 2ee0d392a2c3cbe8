// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace ui {

namespace {

const char* const kRoleProperty = "ui-accessible-role";

QAccessibleInterface* interfaceByRole(const QString&, QObject* object)
{
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid() || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void announce(QWidget* announcer, const QString& text)
{
    announcer->setAccessibleName(text);
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceByRole);
        return true;
    }();
    (void)installed;
}

} // namespace ui
