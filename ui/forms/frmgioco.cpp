// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmgioco.h"

#include "board/boardview.h"
#include "controls/builders.h"
#include "core/levels.h"

#include <QMenuBar>
#include <QVBoxLayout>

namespace ui {

FrmGioco::FrmGioco() : Form(QStringLiteral("frmgioco"), QStringLiteral("Zibbet"), Frame::Single)
{
    m_board = new BoardView(this);
    m_menuBar = new QMenuBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
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
    QMenu* gioco = m_menuBar->addMenu(QStringLiteral("&Gioco"));
    gioco->setObjectName(QStringLiteral("mnugioco"));
    connect(addEntry(gioco, "mnuricomincia", QStringLiteral("&Ricomincia"), Qt::Key_F2), &QAction::triggered,
            this, &FrmGioco::mnuricomincia_Click);
    m_mnuannulla = addEntry(gioco, "mnuannulla", QStringLiteral("&Annulla"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    connect(m_mnuannulla, &QAction::triggered, this, &FrmGioco::mnuannulla_Click);
    gioco->addSeparator()->setObjectName(QStringLiteral("mnusepara"));
    connect(addEntry(gioco, "mnuesci", QStringLiteral("&Esci"), Qt::Key_Delete), &QAction::triggered, this,
            &FrmGioco::exitRequested);

    QMenu* livello = m_menuBar->addMenu(QStringLiteral("&Livello"));
    livello->setObjectName(QStringLiteral("mnulivello"));
    for (core::LevelNumber n = core::kFirstLevel; n <= core::kLastLevel; ++n) {
        const core::Level& info = core::levelInfo(n);
        const QByteArray name = "mnu" + QByteArray::number(n);
        QAction* entry = addEntry(livello, name.constData(), toQString(info.menuCaption));
        connect(entry, &QAction::triggered, this, [this, n] { mnuLevel_Click(n); });
        m_levelEntries[static_cast<std::size_t>(n - 1)] = entry;
    }

    QMenu* aiuto = m_menuBar->addMenu(QStringLiteral("&Aiuto"));
    aiuto->setObjectName(QStringLiteral("mnuaiuto"));
    const auto addHelpEntry = [&](const char* name, const QString& caption, Qt::Key key, Help screen) {
        connect(addEntry(aiuto, name, caption, key), &QAction::triggered, this,
                [this, screen] { Q_EMIT helpRequested(screen); });
    };
    addHelpEntry("mnustoria", QStringLiteral("&Storia del gioco"), Qt::Key_F3, Help::Storia);
    addHelpEntry("mnuistruzioni", QStringLiteral("&Istruzioni"), Qt::Key_F4, Help::Istruzioni);
    addHelpEntry("mnuvarianti", QStringLiteral("&Varianti"), Qt::Key_F5, Help::Varianti);
    aiuto->addSeparator()->setObjectName(QStringLiteral("mnusepara2"));
    addHelpEntry("mnuinfo", QStringLiteral("I&nformazioni"), Qt::Key_F6, Help::Info);
}

void FrmGioco::pct_Click(core::CellIndex index)
{
    const core::ClickOutcome outcome = m_game.pct_Click(index);
    if (outcome == core::ClickOutcome::Ignored)
        return;
    showState();
    if (outcome == core::ClickOutcome::SinglePegLeft)
        Q_EMIT singlePegLeft();
}

void FrmGioco::mnuannulla_Click()
{
    m_game.mnuannulla_Click();
    showState();
}

void FrmGioco::mnuricomincia_Click()
{
    m_game.mnuricomincia_Click();
    showState();
}

void FrmGioco::mnuLevel_Click(core::LevelNumber level)
{
    m_game.startLevel(level);
    showState();
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
    showState();
}

void FrmGioco::setUpNextLevel(core::LevelNumber livello)
{
    m_game.cmdsuccessivo_Click(livello);
    showState();
}

// Everything the window shows comes from the game's state; cells whose
// state did not change are not repainted.
void FrmGioco::showState()
{
    m_board->showBoard(m_game.board());
    m_board->showOverNotice(m_game.overNoticeVisible());
    m_board->showVariantNotice(m_game.variantNoticeVisible());
    m_board->setLevelCaptions(toQString(m_game.levelCaption()), toQString(m_game.levelName()));
    m_mnuannulla->setEnabled(m_game.canUndo());
    // A check mark on the current level's entry alone: only that entry is
    // checkable, so the others show no box either.
    for (core::LevelNumber n = core::kFirstLevel; n <= core::kLastLevel; ++n) {
        QAction* entry = m_levelEntries[static_cast<std::size_t>(n - 1)];
        entry->setCheckable(n == m_game.level());
        entry->setChecked(n == m_game.level());
    }
}

} // namespace ui
