// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

namespace ui {

// A box showing one SVG picture, fitted to the box with its aspect ratio
// kept, on an optional background colour. Crisp at any device pixel ratio.
class PictureBox : public QWidget {
public:
    PictureBox(QWidget* parent, const QString& objectName, const QString& svgPath, QColor background = {});

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_svgPath;
    QColor m_background;
};

} // namespace ui
