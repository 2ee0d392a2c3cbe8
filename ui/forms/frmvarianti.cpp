// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmvarianti.h"

#include "controls/art.h"
#include "board/boardview.h"
#include "controls/builders.h"
#include "controls/palette.h"
#include "controls/twips.h"
#include "captions.h"
#include "core/geometry.h"
#include "core/variants.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>

#include <array>

namespace ui {

namespace {

// The thumbnails' size: the whole game window at about two fifths.
constexpr QSize kPictureSize(140, 156);
// The height of the whole window the thumbnail shrinks, title bar included.
constexpr int kWindowHeight = 384;

void paintTitleBar(QPainter& painter, QRect bar)
{
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, colours::kTitleBarLeft);
    gradient.setColorAt(1, colours::kTitleBarRight);
    painter.fillRect(bar, gradient);
    const int iconSide = bar.height() - 4;
    painter.drawPixmap(2, bar.top() + 2,
                       appIcon().pixmap(QSize(iconSide, iconSide), painter.device()->devicePixelRatioF()));
    QFont font = makeFont({.face = Face::SansSerif, .points = 8.25, .bold = true});
    painter.setFont(font);
    painter.setPen(colours::kTitleBarText);
    painter.drawText(bar.adjusted(iconSide + 6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QString::fromLatin1(kProgramTitle));
}

struct Column {
    const char* caption;
    const char* picture;
    int leftTwips;
    core::Variant variant;
};

const std::array<Column, 3> kColumns{{
    {"Label1", "Picture1", 120, core::Variant::Muro},
    {"Label5", "Picture2", 2400, core::Variant::Quadrato},
    {"Label2", "Picture3", 4680, core::Variant::Elica},
}};

// Where the pattern's pegs are, row by row: "riga 3, colonne 3 4 5. ...".
QString pegsOf(const core::Board& board)
{
    QStringList rows;
    for (int row = 1; row <= core::kGridSize; ++row) {
        QStringList cols;
        for (int col = 1; col <= core::kGridSize; ++col)
            if (core::isOnBoard(row, col) && board.holdsPeg(core::cellAt(row, col)))
                cols << QString::number(col);
        if (!cols.isEmpty())
            rows << QStringLiteral("riga %1, %2 %3").arg(row)
                        .arg(cols.size() == 1 ? QStringLiteral("colonna") : QStringLiteral("colonne"), cols.join(' '));
    }
    return QStringLiteral("Pedine in ") + rows.join(QStringLiteral(". "));
}

// A thumbnail of the game window with its title and menu bar, showing board
// and nothing else, drawn by the game window's own board widget, for the
// screen the thumbnail shows on: the widgets drawn are put on that screen
// too, so that their art has its density.
QPixmap gameWindowPicture(const core::Board& board, const QWidget* shownIn)
{
    const qreal devicePixelRatio = shownIn->devicePixelRatioF();
    BoardView view;
    view.setScreen(shownIn->screen());
    view.showBoard(board);
    QMenuBar menus;
    menus.setScreen(shownIn->screen());
    addGameMenus(&menus);
    menus.resize(view.width(), menus.sizeHint().height());
    const int titleHeight = kWindowHeight - menus.height() - view.height();

    const qreal scale = 2.0;  // drawn large, then shrunk smoothly
    QPixmap window(QSize(view.width(), kWindowHeight) * scale);
    window.setDevicePixelRatio(scale);
    window.fill(colours::kGameBackground);
    QPainter painter(&window);
    paintTitleBar(painter, QRect(0, 0, view.width(), titleHeight));
    menus.render(&painter, QPoint(0, titleHeight));
    view.render(&painter, QPoint(0, titleHeight + menus.height()));
    painter.end();

    QPixmap picture = window.scaled(kPictureSize * devicePixelRatio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

// Draws a thumbnail before its first paint, for the density of the screen
// it shows on, and again before a paint on a screen of another density (the
// window moved to another screen, or the screen's scale changed).
class FollowsDensity : public QObject {
public:
    FollowsDensity(QLabel* picture, core::Variant variant) : QObject(picture), m_variant(variant)
    {
        picture->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* picture = static_cast<QLabel*>(watched);
        if (event->type() == QEvent::Paint
            && (picture->pixmap().isNull() || picture->pixmap().devicePixelRatio() != picture->devicePixelRatioF()))
            picture->setPixmap(gameWindowPicture(core::patternBoard(m_variant), picture));
        return false;
    }

private:
    core::Variant m_variant;
};

} // namespace

FrmVarianti::FrmVarianti()
    : HelpScreen(QStringLiteral("frmvarianti"), QStringLiteral("Le varianti"))
{
    setBackgroundColour(this, colours::kDialogBackground);
    addBackButton({6240, 4440});
    makeLabel(this, "Label3", QStringLiteral("Le varianti del gioco"), TwipsRect{120, 120, 2295, 375},
              {.colour = colours::kRed, .font = {.face = Face::Comic, .points = 12, .italic = true}});
    makeLabel(this, "Label4",
              QStringLiteral("Un'interessante variante del gioco originale è partire dal settimo livello - Il "
                             "solitario, per poi mangiare le pedine in modo che rimangano i seguenti schemi."),
              TwipsRect{360, 600, 6495, 615}, {.colour = colours::kBlack, .font = {.face = Face::Comic, .points = 9}});
    QStringList pictures;
    for (const Column& column : kColumns) {
        const core::Pattern& pattern = core::patternOf(column.variant);
        makeLabel(this, column.caption, toQString(pattern.name), TwipsRect{column.leftTwips, 1440, 2175, 375},
                  {.colour = colours::kBlue,
                   .font = {.face = Face::Comic, .points = 12},
                   .alignment = Qt::AlignHCenter});
        QLabel* picture = makeLabel(this, column.picture, QString(), TwipsRect{column.leftTwips, 1920, 2175, 2415},
                                    {.colour = colours::kBlack, .background = colours::kDialogBackground});
        new FollowsDensity(picture, column.variant);
        // Read in a review, the picture says the pattern and where its pegs
        // are: the point of the window.
        pictures << toQString(pattern.name) + QStringLiteral(". ") + pegsOf(core::patternBoard(column.variant));
        picture->setAccessibleName(pictures.back());
    }
    // A screen reader reads neither the pictures nor their captions as the
    // window opens or is read whole (Orca 43 takes only the text above
    // them), but it does read the window's description.
    setAccessibleDescription(pictures.join(QStringLiteral(". ")));
    finishLoad(TwipsSize{6975, 5175}.toPixels());
}

} // namespace ui
