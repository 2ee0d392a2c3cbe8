// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>

class QKeySequence;
class QString;

namespace ui {

// A key as an Italian keyboard names it and a screen reader should say it:
// "Canc" where Qt writes "Del"; other keys as Qt writes them ("Ctrl+Z", "F2").
QString spokenKeys(const QKeySequence& keys);

// The factory for the entries of drop-down menus, as a screen reader finds
// them. Qt's own entry gives its shortcut by Qt's English key names ("Del"),
// and an entry without one its access key with Alt ("Alt+1"), which does
// nothing in an open menu. These give the shortcut by spokenKeys() and the
// access key alone, the key that works there; in all else (name, role,
// states, place, the press action) they read as Qt's. Installed by
// installAccessibility().
QAccessibleInterface* menuEntryInterface(const QString& className, QObject* object);

} // namespace ui
