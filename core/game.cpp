// SPDX-FileCopyrightText: 2026 The Zibbet developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/game.h"

#include "core/levels.h"
#include "core/variants.h"

namespace core {

void Game::Form_Load()
{
    m_board = startBoard(kFirstLevel);
    m_txtliv = kFirstLevel;
    m_txte = false;
}

ClickOutcome Game::pct_Click(CellIndex index)
{
    if (m_txte || !isCell(index))
        return ClickOutcome::Ignored;

    switch (m_board.stateOf(index)) {
    case CellState::Peg: selectPeg(index); break;
    case CellState::Selected: m_board.setState(index, CellState::Peg); break;
    case CellState::Empty: tryJump(index); break;
    }

    // The checks run after every handled click, whatever it did, in this
    // order: the variant notice first, so a pattern that also ends the
    // game is announced beside the no-more-moves notice.
    if (m_txtliv == kLastLevel)
        runVariantCheck();
    // Only a landing peg or a dropped selection can leave the board without
    // jumps; a selection or a failed attempt changes no peg.
    if (m_board.stateOf(index) == CellState::Peg && legalJumps(m_board).empty()) {
        m_overNotice = true;
        m_txte = true;
    }
    return m_board.pegCount() == 1 ? ClickOutcome::SinglePegLeft : ClickOutcome::Played;
}

// A click on a Peg selects it; an earlier selection goes back to Peg. No
// jump is tried, even when the clicked peg could be jumped over.
void Game::selectPeg(CellIndex index)
{
    const CellIndex previous = m_board.selectedCell();
    if (previous != kNoCell)
        m_board.setState(previous, CellState::Peg);
    m_board.setState(index, CellState::Selected);
}

// A click on an Empty hole: a jump when the hole is a landing cell of the
// selected peg and the cell between holds a peg; otherwise nothing changes.
void Game::tryJump(CellIndex arrivo)
{
    const CellIndex partenza = m_board.selectedCell();
    if (partenza == kNoCell)
        return;
    for (const Jump& jump : legalJumps(m_board)) {
        if (jump.from != partenza || jump.to != arrivo)
            continue;
        m_undoEnabled = true;
        m_board.setState(jump.to, CellState::Peg);
        m_board.setState(jump.from, CellState::Empty);
        m_board.setState(jump.over, CellState::Empty);
        annulla(jump);
        return;
    }
}

void Game::annulla(const Jump& jump)
{
    m_undo = {jump.from, jump.over, jump.to};
}

void Game::mnuannulla_Click()
{
    if (!m_undoEnabled)
        return;
    m_undoEnabled = false;
    m_txte = false;
    m_overNotice = false;
    m_board.setState(m_undo.ultpartenza, CellState::Peg);
    m_board.setState(m_undo.ultsaltato, CellState::Peg);
    // Empties the landing cell even if it was selected since: the
    // selection goes with it.
    m_board.setState(m_undo.ultarrivo, CellState::Empty);
    if (m_txtliv == kLastLevel)
        runVariantCheck();
}

void Game::runVariantCheck()
{
    m_variantNotice = completedVariant(m_board).has_value();
}

// The first steps of every level start: nothing to undo, the board unlocked,
// the no-more-moves notice gone. The variant notice is left alone: only a
// variant check on level 7 hides it.
void Game::resetPlay()
{
    m_undoEnabled = false;
    m_txte = false;
    m_overNotice = false;
}

void Game::startLevel(LevelNumber level)
{
    if (!isLevel(level))
        return;
    resetPlay();
    m_board = startBoard(level);
    m_txtliv = level;
}

void Game::mnuricomincia_Click()
{
    startLevel(m_txtliv);
}

LevelNumber Game::levelCompleteDialogLoaded()
{
    m_overNotice = false;
    return m_txtliv;
}

// livello is the level solved when the dialog opened, which is not the
// current one if the player chose another level from the menu meanwhile.
// The level text is written too, so the menu's check mark, the board and
// the level that "Ricomincia" and the variant check see always agree.
void Game::cmdstesso_Click(LevelNumber livello)
{
    resetPlay();
    if (!isLevel(livello))
        return;
    m_board = startBoard(livello);
    m_txtliv = livello;
}

void Game::cmdsuccessivo_Click(LevelNumber livello)
{
    resetPlay();
    // After the last level there is no next one and no wrap-around: the
    // solved position stays, unlocked.
    if (!isLevel(livello) || livello == kLastLevel)
        return;
    m_board = startBoard(livello + 1);
    m_txtliv = livello + 1;
}

std::string_view Game::levelName() const
{
    return levelInfo(m_txtliv).name;
}

} // namespace core
