// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frminfo.h"

#include "controls/art.h"
#include "controls/builders.h"
#include "controls/palette.h"
#include "controls/picturebox.h"
#include "controls/twips.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace ui {

namespace {

struct InfoRow {
    const char* captionName;
    TwipsRect captionArea;
    const char* caption;
    const char* valueName;
    TwipsRect valueArea;
    const char* value;
};

const InfoRow kRows[] = {
    {"Label8", {840, 1560, 615, 255}, "data: ", "Label9", {1560, 1560, 1695, 255}, "settembre 2002"},
    {"Label2", {720, 1920, 735, 255}, "autore: ", "Label6", {1560, 1920, 1095, 255}, "Luca Ferri"},
    {"Label3", {480, 2280, 975, 255}, "e-mail: ", "Label7", {1560, 2280, 1815, 255}, "ferri@example.com"},
};

} // namespace

FrmInfo::FrmInfo() : HelpScreen(QStringLiteral("frminfo"), QStringLiteral("Informazioni"))
{
    QPushButton* ok = makeButton(this, "cmdok", TwipsRect{4080, 2280, 855, 375},
                                 {.caption = QStringLiteral("&OK"), .systemColours = true});
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &HelpScreen::backRequested);
    setCancelButton(ok);

    auto* icon = new PictureBox(this, QStringLiteral("Image1"), QString::fromLatin1(art::kIcon));
    icon->setGeometry(TwipsRect{840, 480, 480, 480}.toPixels());
    auto* frame = makeLabel(this, "Label1", QString(), TwipsRect{720, 360, 735, 735},
                            {.colour = colours::kBlack, .singleLineBorder = true});
    frame->lower();
    auto* title = new PictureBox(this, QStringLiteral("Picture1"), QString::fromLatin1(art::kTitle));
    title->setGeometry(TwipsRect{1800, 360, 2655, 855}.toPixels());

    const FontStyle rowFont{.face = Face::SansSerif, .points = 9.75};
    for (const InfoRow& row : kRows) {
        makeLabel(this, row.captionName, QString::fromUtf8(row.caption), row.captionArea,
                  {.colour = colours::kBlack, .font = rowFont, .alignment = Qt::AlignRight});
        makeLabel(this, row.valueName, QString::fromUtf8(row.value), row.valueArea,
                  {.colour = colours::kBlack, .font = rowFont});
    }
    finishLoad(TwipsSize{5175, 2790}.toPixels());
}

// Line1: the blue rule under the title.
void FrmInfo::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(colours::kBlue, 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(TwipsPoint{480, 1320}.toPixels(), TwipsPoint{4680, 1320}.toPixels());
}

} // namespace ui
