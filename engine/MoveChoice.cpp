// The computer's choice of move: a fixed ladder of pattern rules over the
// fives, each tried for the attacker and then for the defender, ending with
// the best-scored empty cells of both sides. One move deep, no randomness.
// Each rule reads the first member of a set that Place and Remove keep, so a
// reply costs the same on every size of board.
#include "Engine.h"

Cell* CEngine::FindFour(Player q) const
{
    const uint32_t i = fours[q].First();
    if (i == FiveSet::none)
        return nullptr;
    for (Cell* c : fives[i].cells)
        if (IsEmpty(c))
            return c;
    return nullptr;
}

// Six cells empty, q, q-or-gap, q-or-gap, q, empty: fill the gap.
Cell* CEngine::FindSplitThree(Player q) const
{
    const uint32_t i = splitThrees[q].First();
    if (i == FiveSet::none)
        return nullptr;
    Cell* const* c = fives[i].cells;
    return IsEmpty(c[2]) ? c[2] : c[3];
}

// Six cells empty, three of q, empty, empty or empty, empty, three of q,
// empty: the cell that makes an open four.
Cell* CEngine::FindOpenThree(Player q) const
{
    const uint32_t i = openThrees[q].First();
    if (i == FiveSet::none)
        return nullptr;
    Cell* const* c = fives[i].cells;
    return IsEmpty(c[4]) ? c[4] : c[1];
}

// Among the fives reading empty, three of q, empty, the one whose cells are
// worth most to q (the earliest on equal worth), and its better end.
Cell* CEngine::FindBestThree(Player q) const
{
    const Five* best = nullptr;
    uint32_t bestSum = 0;
    for (uint32_t i = framedThrees[q].First(); i != FiveSet::none; i = framedThrees[q].NextFrom(i + 1)) {
        uint32_t sum = 0;
        for (const Cell* c : fives[i].cells)
            sum += c->score[q];
        if (sum > bestSum) {
            bestSum = sum;
            best = &fives[i];
        }
    }
    if (!best)
        return nullptr;
    return best->cells[0]->score[q] > best->cells[4]->score[q] ? best->cells[0] : best->cells[4];
}

Cell* CEngine::BestCell(Player q) const
{
    const uint32_t i = ranking[q].Best();
    return i == CellRanking::none ? nullptr : &cells[i];
}

Cell* CEngine::ChooseMove(Player p) const
{
    const Player o = Opponent(p);
    using Rule = Cell* (CEngine::*)(Player) const;
    for (Rule rule :
        {&CEngine::FindFour, &CEngine::FindSplitThree, &CEngine::FindOpenThree, &CEngine::FindBestThree})
        for (Player q : {p, o})
            if (Cell* c = (this->*rule)(q))
                return c;

    Cell* attack = BestCell(p);
    Cell* defence = BestCell(o);
    if (!attack || !defence)
        return attack ? attack : defence;
    return attack->score[p] >= defence->score[o] ? attack : defence;
}
