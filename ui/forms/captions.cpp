// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "captions.h"

#include <QMenuBar>

namespace ui {

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& title)
{
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

GameMenus addGameMenus(QMenuBar* bar)
{
    return {.gioco = addMenu(bar, "mnugioco", QStringLiteral("&Gioco")),
            .livello = addMenu(bar, "mnulivello", QStringLiteral("&Livello")),
            .aiuto = addMenu(bar, "mnuaiuto", QStringLiteral("&Aiuto"))};
}

} // namespace ui
