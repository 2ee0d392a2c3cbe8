// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmgioco.h"

#include "board/boardview.h"
#include "board/cellwidget.h"
#include "captions.h"
#include "controls/builders.h"
#include "controls/menubarreturn.h"
#include "controls/menuentries.h"
#include "core/geometry.h"
#include "core/levels.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QVBoxLayout>

namespace ui {

FrmGioco::FrmGioco() : Form(QStringLiteral("frmgioco"), QString::fromLatin1(kProgramTitle), Frame::Single)
{
    m_board = new BoardView(this);
    m_menuBar = new QMenuBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    keepKeyboardReturn(m_menuBar);
    layout->addWidget(m_board);
    createMenus();
    connect(m_board, &BoardView::cellClicked, this, &FrmGioco::pct_Click);

    // Form_Load: centre, then lay out level 1.
    finishLoad(BoardView::clientSize());
    m_game.Form_Load();
    showState();
}

QAction* FrmGioco::addEntry(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

void FrmGioco::createMenus()
{
    const auto [gioco, livello, aiuto] = addGameMenus(m_menuBar);
    connect(addEntry(gioco, "mnuricomincia", QStringLiteral("&Ricomincia"), Qt::Key_F2), &QAction::triggered,
            this, &FrmGioco::mnuricomincia_Click);
    m_mnuannulla = addEntry(gioco, "mnuannulla", QStringLiteral("&Annulla"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(m_mnuannulla, &QAction::triggered, this, &FrmGioco::mnuannulla_Click);
    gioco->addSeparator()->setObjectName(QStringLiteral("mnusepara"));
    connect(addEntry(gioco, "mnuesci", QStringLiteral("&Esci"), Qt::Key_Delete), &QAction::triggered, this,
            &FrmGioco::exitRequested);

    for (core::LevelNumber n = core::kFirstLevel; n <= core::kLastLevel; ++n) {
        const QByteArray name = "mnu" + QByteArray::number(n);
        const QString caption = QStringLiteral("&%1 - %2").arg(n).arg(toQString(core::levelInfo(n).name));
        QAction* entry = addEntry(livello, name.constData(), caption);
        connect(entry, &QAction::triggered, this, [this, n] { mnuLevel_Click(n); });
        m_levelEntries[static_cast<std::size_t>(n - 1)] = entry;
    }

    // The menu by name, not the structured binding: clang before 16 cannot
    // capture one.
    const auto addHelpEntry = [this, menu = aiuto](const char* name, const QString& caption, Qt::Key key,
                                                   WindowId screen) {
        connect(addEntry(menu, name, caption, key), &QAction::triggered, this,
                [this, screen] { Q_EMIT helpRequested(screen); });
    };
    addHelpEntry("mnustoria", QStringLiteral("&Storia del gioco"), Qt::Key_F3, WindowId::Storia);
    addHelpEntry("mnuistruzioni", QStringLiteral("&Istruzioni"), Qt::Key_F4, WindowId::Istruzioni);
    addHelpEntry("mnuvarianti", QStringLiteral("&Varianti"), Qt::Key_F5, WindowId::Varianti);
    aiuto->addSeparator()->setObjectName(QStringLiteral("mnusepara2"));
    addHelpEntry("mnuinfo", QStringLiteral("I&nformazioni"), Qt::Key_F6, WindowId::Info);
    m_board->setKeysSaid(windowKeysSaid());
}

// The window's keys, as the board says them, taken from its menu entries:
// "Ctrl+Z, annulla. F2, ricomincia. F3 a F6, aiuto. Canc, esci. Alt, menu."
QString FrmGioco::windowKeysSaid() const
{
    const auto keys = [this](const char* entry) {
        return spokenKeys(findChild<QAction*>(QLatin1String(entry))->shortcut());
    };
    const auto said = [this, keys](const char* entry) {
        return keys(entry) + QStringLiteral(", ") +
               findChild<QAction*>(QLatin1String(entry))->text().remove('&').toLower() + '.';
    };
    return QStringList{said("mnuannulla"), said("mnuricomincia"),
                       keys("mnustoria") + QStringLiteral(" a ") + keys("mnuinfo") + QStringLiteral(", aiuto."),
                       said("mnuesci"), QStringLiteral("Alt, menu.")}
        .join(' ');
}

// The notices are shown, and the click said, once the level-complete
// dialog, if one opens, has loaded: its load hides the no-more-moves notice
// that the winning jump shows for a moment, which nobody may see or hear.
void FrmGioco::pct_Click(core::CellIndex index)
{
    const core::Board before = m_game.board();
    const core::ClickOutcome outcome = m_game.pct_Click(index);
    if (outcome == core::ClickOutcome::Ignored) {
        m_board->announce(QStringLiteral("tavola bloccata"));
        return;
    }
    m_board->showBoard(m_game.board());
    if (outcome == core::ClickOutcome::SinglePegLeft)
        Q_EMIT singlePegLeft();
    showState(clickSpeech(before, index));
}

QString FrmGioco::clickSpeech(const core::Board& before, core::CellIndex index) const
{
    const core::Board& after = m_game.board();
    if (before.stateOf(index) == core::CellState::Empty && after.holdsPeg(index)) {
        return QStringLiteral("mangiata ") + CellWidget::placeOf(m_game.undoRecord().ultsaltato);
    }
    if (after.stateOf(index) == core::CellState::Selected)
        return QStringLiteral("selezionata");
    if (before.stateOf(index) == core::CellState::Selected)
        return QStringLiteral("deselezionata");
    return QStringLiteral("nessuna mossa");
}

void FrmGioco::mnuannulla_Click()
{
    const core::UndoRecord back = m_game.undoRecord();
    m_game.mnuannulla_Click();
    showState(QStringLiteral("annullata, tornano %1 e %2")
                  .arg(CellWidget::placeOf(back.ultpartenza), CellWidget::placeOf(back.ultsaltato)));
}

void FrmGioco::mnuricomincia_Click()
{
    m_game.mnuricomincia_Click();
    showState(QStringLiteral("ricominciato, ") + overview());
}

// A new level is chosen from a menu or the dialog; either way the keyboard
// then comes back to the board, and a screen reader reads the board's name,
// the overview, with the hole. Said here too, it would be said twice.
void FrmGioco::mnuLevel_Click(core::LevelNumber level)
{
    m_game.startLevel(level);
    showState();
}

// Ctrl+Z with nothing to undo reaches the window as a plain key: the menu
// entry is disabled. It still does nothing, but a screen reader says so.
void FrmGioco::keyPressEvent(QKeyEvent* event)
{
    if (event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Z) && !m_game.canUndo())
        m_board->announce(QStringLiteral("niente da annullare"));
    Form::keyPressEvent(event);
}

QString FrmGioco::overview() const
{
    const int pegs = m_game.board().pegCount();
    return QStringLiteral("Livello %1, %2, %3 %4")
        .arg(m_game.level())
        .arg(toQString(m_game.levelName()))
        .arg(pegs)
        .arg(pegs == 1 ? QStringLiteral("pedina") : QStringLiteral("pedine"));
}

core::LevelNumber FrmGioco::levelCompleteDialogLoaded()
{
    const core::LevelNumber livello = m_game.levelCompleteDialogLoaded();
    showState();
    return livello;
}

void FrmGioco::setUpSameLevel(core::LevelNumber livello)
{
    m_game.cmdstesso_Click(livello);
    showState(); // the overview is read as the board comes back, as from the level menu
}

void FrmGioco::setUpNextLevel(core::LevelNumber livello)
{
    m_game.cmdsuccessivo_Click(livello);
    showState(); // the overview is read as the board comes back, as from the level menu
}

// Everything the window shows comes from the game's state; cells whose
// state did not change are not repainted. The notices change last, and said
// is what the action did, for a screen reader.
void FrmGioco::showState(const QString& said)
{
    m_board->showBoard(m_game.board());
    m_board->setLevelCaptions(QStringLiteral("Livello %1:").arg(m_game.level()), toQString(m_game.levelName()));
    m_board->setOverview(overview());
    m_mnuannulla->setEnabled(m_game.canUndo());
    // A check mark on the current level's entry alone: only that entry is
    // checkable, so the others show no box either.
    for (core::LevelNumber n = core::kFirstLevel; n <= core::kLastLevel; ++n) {
        QAction* entry = m_levelEntries[static_cast<std::size_t>(n - 1)];
        entry->setCheckable(n == m_game.level());
        entry->setChecked(n == m_game.level());
    }
    m_board->showNotices(m_game.overNoticeVisible(), m_game.variantNoticeVisible(), said);
}

} // namespace ui
