// The four screens of the "Aiuto" menu.

#include "windows_fixture.h"

#include "frmgioco.h"
#include "frminfo.h"
#include "frmistruzioni.h"
#include "frmstoria.h"
#include "frmvarianti.h"
#include "geometry.h"
#include "levels.h"
#include "variants.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

struct Screen {
    const char* menuEntry;
    int key;
    ui::WindowId id;
    const char* title;
    QSize clientSize;
    bool escapeCloses;
    const char* backButton;
};

const Screen kScreens[] = {
    {"mnustoria", Qt::Key_F3, ui::WindowId::Storia, "La storia", {345, 225}, true, "cmdindietro"},
    {"mnuistruzioni", Qt::Key_F4, ui::WindowId::Istruzioni, "Istruzioni", {345, 369}, false, "cmdindietro"},
    {"mnuvarianti", Qt::Key_F5, ui::WindowId::Varianti, "Le varianti", {465, 345}, false, "cmdindietro"},
    {"mnuinfo", Qt::Key_F6, ui::WindowId::Info, "Informazioni", {345, 186}, true, "cmdok"},
};

int visibleTopLevels(const QString& name)
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += (w->objectName() == name && w->isVisible()) ? 1 : 0;
    return count;
}

} // namespace

class HelpScreenTest : public WindowsTest, public ::testing::WithParamInterface<Screen> {};

TEST_P(HelpScreenTest, OpensOnceBesideTheGameAndReturnsToIt)
{
    const Screen& s = GetParam();
    ui::FrmGioco* gioco = openGame();
    press(gioco, s.key);
    QWidget* screen = windows->loaded(s.id);
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->windowTitle(), s.title);
    EXPECT_EQ(screen->size(), s.clientSize);
    EXPECT_EQ(screen->parentWidget(), nullptr) << "no owner window";
    EXPECT_EQ(screen->focusWidget(), button(screen, s.backButton)) << "the button has the focus";
    trigger(s.menuEntry);
    EXPECT_EQ(windows->loaded(s.id), screen);
    EXPECT_EQ(visibleTopLevels(screen->objectName()), 1);
    clickCell(10);
    EXPECT_EQ(gioco->game().board().selectedCell(), 10) << "the game stays usable";

    activate(screen);
    press(screen, Qt::Key_Escape);
    EXPECT_EQ(windows->loaded(s.id) == nullptr, s.escapeCloses);
    if (!s.escapeCloses)
        QTest::mouseClick(button(screen, s.backButton), Qt::LeftButton);
    EXPECT_EQ(windows->loaded(s.id), nullptr);
    EXPECT_EQ(game(), gioco);

    // Closed game, then the screen's button: a fresh game window on level 1.
    trigger("mnu4");
    trigger(s.menuEntry);
    screen = windows->loaded(s.id);
    gioco->close();
    EXPECT_EQ(endedCount, 0);
    QTest::mouseClick(button(screen, s.backButton), Qt::LeftButton);
    ASSERT_NE(game(), nullptr);
    EXPECT_TRUE(game()->isVisible());
    EXPECT_EQ(game()->game().board(), core::startBoard(1));
}

INSTANTIATE_TEST_SUITE_P(Aiuto, HelpScreenTest, ::testing::ValuesIn(kScreens),
                         [](const auto& p) { return std::string(p.param.menuEntry); });

TEST_F(WindowsTest, HelpScreensShowTheirTexts)
{
    openGame();
    const auto text = [](QWidget* w, const char* name) { return label(w, name)->text(); };

    QWidget* storia = windows->frmstoria();
    EXPECT_EQ(text(storia, "Label1"), "La storia del gioco");
    const QString history = text(storia, "Label2");
    EXPECT_TRUE(history.startsWith("\"Zibbet\" ("));
    EXPECT_TRUE(history.contains(
        ") è un gioco di logica le cui origini risalgono al diciannovesimo secolo. Nessuno sa per certo chi l'ha "
        "inventato, ma diverse fonti attribuiscono la sua nascita a un prigioniero della Bastiglia. Il gioco si "
        "svolgeva su una spartana tavola di legno ed era molto popolare in tutta l'Europa del 1800, dove era anche "
        "noto come il \"Solitario delle pedine\" ("));
    EXPECT_TRUE(history.endsWith(")."));
    EXPECT_EQ(button(storia, "cmdindietro")->toolTip(), "Indietro");

    QWidget* istruzioni = windows->frmistruzioni();
    EXPECT_EQ(text(istruzioni, "Label3"), "Come si gioca");
    EXPECT_EQ(text(istruzioni, "Label4"),
              "Analogamente al gioco della dama, bisogna far \"saltare\" una pedina oltre quella adiacente, per "
              "posizionarla su uno spazio vuoto dall'altra parte. Sono ammesse solo le mosse in senso orizzontale o "
              "verticale. La pedina \"mangiata\" viene automaticamente rimossa dalla tavola.");
    EXPECT_EQ(text(istruzioni, "Label5"),
              "L'obiettivo del gioco è mangiare tutte le pedine finché non ne resta una soltanto. Una sfida "
              "ulteriore è finire il gioco con l'ultima pedina al centro della tavola, ma la partita è vinta "
              "ugualmente se la pedina si trova in altre posizioni.");
    EXPECT_EQ(text(istruzioni, "Label6"),
              "Nel gioco sono presenti 7 livelli di difficoltà. È consigliabile cominciare dal primo livello, il più "
              "semplice, per poi proseguire con i livelli sempre più complessi; è possibile comunque giocare "
              "partendo da qualsiasi livello.");
    EXPECT_EQ(text(istruzioni, "Label7"),
              "Per spostare una pedina bisogna cliccare una volta per selezionarla, poi cliccare sulla destinazione "
              "per spostarla.");

    QWidget* varianti = windows->frmvarianti();
    EXPECT_EQ(text(varianti, "Label3"), "Le varianti del gioco");
    EXPECT_EQ(text(varianti, "Label4"),
              "Un'interessante variante del gioco originale è partire dal settimo livello - Il solitario, per poi "
              "mangiare le pedine in modo che rimangano i seguenti schemi.");
    EXPECT_EQ(text(varianti, "Label1"), "Il muro");
    EXPECT_EQ(text(varianti, "Label5"), "Il quadrato");
    EXPECT_EQ(text(varianti, "Label2"), "L'elica");

    QWidget* info = windows->frminfo();
    EXPECT_EQ(text(info, "Label8"), "data: ");
    EXPECT_EQ(text(info, "Label9"), "settembre 2002");
    EXPECT_EQ(text(info, "Label2"), "autore: ");
    EXPECT_EQ(text(info, "Label3"), "e-mail: ");
    EXPECT_TRUE(text(info, "Label7").endsWith("@example.com"));
    EXPECT_EQ(button(info, "cmdok")->text(), "&OK");
}

// The pictures are drawn by the board's own widget; sampling the middle of
// a cell tells a peg (cyan ball) from an empty hole (light yellow).
TEST_F(WindowsTest, VariantPicturesShowEachPatternOnTheBoard)
{
    for (core::Variant variant : {core::Variant::Muro, core::Variant::Quadrato, core::Variant::Elica}) {
        const core::Board board = core::patternBoard(variant);
        const QImage picture = ui::FrmVarianti::gameWindowPicture(board, 1.0).toImage();
        ASSERT_EQ(picture.size(), QSize(140, 156));
        const double scaleX = 140.0 / 345, scaleY = 156.0 / 384, top = 384 - 346;
        for (core::CellIndex i = 1; i <= core::kCellCount; ++i) {
            const core::GridPos pos = core::gridPosOf(i);
            const QPoint centre(int((40 * pos.col + 12) * scaleX), int((top + 40 * pos.row + 12) * scaleY));
            const QColor c = picture.pixelColor(centre);
            const bool looksEmpty = c.red() > 200 && c.green() > 200 && c.blue() < 180;
            EXPECT_EQ(looksEmpty, !board.holdsPeg(i)) << "cell " << i << " of " << core::patternOf(variant).name;
        }
    }
}
