// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// A filled disc without outline, inscribed in the widget's square: the
// frame of a notice. Mouse clicks pass through to what lies below.
class Disc : public QWidget {
public:
    Disc(QWidget* parent, const QString& objectName, QColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};

} // namespace ui
