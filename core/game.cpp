#include "game.h"

#include "jumps.h"
#include "levels.h"
#include "variants.h"

namespace core {

void Game::Form_Load()
{
    // The short way: the board of a new window is all Empty, so only the
    // pegs of level 1 need setting.
    for (CellIndex cell : levelInfo(kFirstLevel).exceptions)
        m_board.setState(cell, CellState::Peg);
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
    if (m_board.stateOf(index) == CellState::Peg && !anyJumpLeft()) {
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
    const Jumps& jumps = buchi(partenza);
    for (std::size_t n = 0; n < jumps.arrivi.size(); ++n) {
        const CellIndex saltato = jumps.saltati[n];
        if (jumps.arrivi[n] != arrivo || saltato == kNoCell || !m_board.holdsPeg(saltato))
            continue;
        m_undoEnabled = true;
        m_board.setState(arrivo, CellState::Peg);
        m_board.setState(partenza, CellState::Empty);
        m_board.setState(saltato, CellState::Empty);
        annulla(partenza, saltato, arrivo);
        return;
    }
}

void Game::annulla(CellIndex partenza, CellIndex saltato, CellIndex arrivo)
{
    m_undo = {partenza, saltato, arrivo};
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

// Counts Selected pegs as origins too: "not Empty" is a peg.
bool Game::anyJumpLeft() const
{
    for (CellIndex from = 1; from <= kCellCount; ++from) {
        if (!m_board.holdsPeg(from))
            continue;
        const Jumps& jumps = buchi(from);
        for (std::size_t k = 0; k < jumps.arrivi.size(); ++k) {
            const CellIndex over = jumps.saltati[k];
            if (over != kNoCell && m_board.holdsPeg(over)
                && m_board.stateOf(jumps.arrivi[k]) == CellState::Empty)
                return true;
        }
    }
    return false;
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

void Game::layOut(LevelNumber level)
{
    const Level& info = levelInfo(level);
    for (CellIndex i = 1; i <= kCellCount; ++i)
        m_board.setState(i, info.base);
    for (CellIndex cell : info.exceptions)
        m_board.setState(cell, info.exceptionState());
}

void Game::startLevel(LevelNumber level)
{
    if (!isLevel(level))
        return;
    resetPlay();
    layOut(level);
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
    layOut(livello);
    m_txtliv = livello;
}

void Game::cmdsuccessivo_Click(LevelNumber livello)
{
    resetPlay();
    // After the last level there is no next one and no wrap-around: the
    // solved position stays, unlocked.
    if (!isLevel(livello) || livello == kLastLevel)
        return;
    layOut(livello + 1);
    m_txtliv = livello + 1;
}

std::string_view Game::levelCaption() const
{
    return levelInfo(m_txtliv).caption;
}

std::string_view Game::levelName() const
{
    return levelInfo(m_txtliv).name;
}

} // namespace core
