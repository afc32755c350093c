#include "editor/edit_history.h"
#include <algorithm>
#include "enemies/guy.h"
#include "world/cheese.h"
#include "world/rat.h"
#include "world/tiles.h"

RatPlace RatPlaceOf(const Rat& rat)
{
    RatPlace p;
    p.x = rat.GetXPos();
    p.y = rat.GetYPos();
    p.startX = rat.GetStartX();
    p.startY = rat.GetStartY();
    return p;
}

void PutRat(Rat& rat, const RatPlace& place)
{
    rat.SetBothPos(place.x, place.y);
    rat.SetStartPos(place.startX, place.startY);
    rat.SetCollBoxes();
}

namespace
{

template <typename T>
void DeleteAll(const std::vector<T*>& things)
{
    for (T* t : things)
        delete t;
}

// The list as the stroke left it is the list before it less the elements
// removed, in the same order, then the elements appended: one walk finds
// both. Of the elements taken out during the stroke, those that were there
// before it now belong to the step; the others were made and unmade within
// the stroke and are destroyed.
template <typename T>
void Settle(const std::vector<T*>& before, const std::vector<T*>& after, std::vector<T*>& pile, ListChange<T>& change)
{
    size_t j = 0;
    for (size_t i = 0; i < before.size(); ++i)
    {
        if (j < after.size() && after[j] == before[i])
            ++j;
        else
            change.removed.push_back({i, before[i]});
    }
    change.added.assign(after.begin() + j, after.end());
    std::vector<T*> kept;
    for (const auto& r : change.removed)
        kept.push_back(r.second);
    std::sort(kept.begin(), kept.end());
    for (T* t : pile)
        if (!std::binary_search(kept.begin(), kept.end(), t))
            delete t;
    pile.clear();
}

// Whether the list ends with the step's appended elements, as it must when
// the step is undone.
template <typename T>
bool EndsWith(const std::vector<T*>& list, const ListChange<T>& change)
{
    return list.size() >= change.added.size() &&
           std::equal(change.added.begin(), change.added.end(), list.end() - change.added.size());
}

template <typename T>
void TakeBack(std::vector<T*>& list, const ListChange<T>& change)
{
    list.resize(list.size() - change.added.size());
    for (const auto& r : change.removed)
        list.insert(list.begin() + std::min(r.first, list.size()), r.second);
}

// Whether every removed element is in the list at its place, as it must be
// when the step is done again.
template <typename T>
bool HoldsRemoved(const std::vector<T*>& list, const ListChange<T>& change)
{
    for (const auto& r : change.removed)
        if (r.first >= list.size() || list[r.first] != r.second)
            return false;
    return true;
}

template <typename T>
void DoAgain(std::vector<T*>& list, const ListChange<T>& change)
{
    for (auto r = change.removed.rbegin(); r != change.removed.rend(); ++r)
        list.erase(list.begin() + r->first);
    list.insert(list.end(), change.added.begin(), change.added.end());
}

} // namespace

EditHistory::EditHistory(LevelLists lists, size_t limit) : lists(lists), limit(limit) {}

EditHistory::~EditHistory() { Clear(); }

void EditHistory::BeginStroke(int cellX, int cellY)
{
    if (stroking)
        return;
    stroking = true;
    strokeX = cellX;
    strokeY = cellY;
    tilesBefore = lists.tiles;
    cheesesBefore = lists.cheeses;
    guysBefore = lists.guys;
}

bool EditHistory::EndStroke()
{
    if (!stroking)
        return false;
    stroking = false;
    EditStep step;
    step.cellX = strokeX;
    step.cellY = strokeY;
    Settle(tilesBefore, lists.tiles, tilePile, step.tiles);
    Settle(cheesesBefore, lists.cheeses, cheesePile, step.cheeses);
    Settle(guysBefore, lists.guys, guyPile, step.guys);
    tilesBefore.clear();
    cheesesBefore.clear();
    guysBefore.clear();
    if (step.tiles.Empty() && step.cheeses.Empty() && step.guys.Empty())
        return false;
    Record(std::move(step));
    return true;
}

bool EditHistory::MoveRat(const RatPlace& to, int cellX, int cellY)
{
    const RatPlace from = RatPlaceOf(lists.rat);
    if (from == to)
        return false;
    PutRat(lists.rat, to);
    EditStep step;
    step.movesRat = true;
    step.ratBefore = from;
    step.ratAfter = to;
    step.cellX = cellX;
    step.cellY = cellY;
    Record(std::move(step));
    return true;
}

void EditHistory::Record(EditStep step)
{
    for (EditStep& s : undone)
        DropUndone(s);
    undone.clear();
    done.push_back(std::move(step));
    while (done.size() > limit)
    {
        DropDone(done.front());
        done.pop_front();
    }
}

// Moves the last step of from to to, applying it to the lists one way:
// undo takes a step back, redo does it again, and a moved start goes to
// the step's place on that side. Checked first, so a list found other than
// the step left it ends the history instead.
template <typename From, typename To, typename Check, typename Apply>
static bool MoveStep(From& from, To& to, const LevelLists& lists, Check fits, Apply apply, RatPlace EditStep::*ratPlace,
                     int& cellX, int& cellY)
{
    EditStep& step = from.back();
    if (!fits(lists.tiles, step.tiles) || !fits(lists.cheeses, step.cheeses) || !fits(lists.guys, step.guys))
        return false;
    apply(lists.tiles, step.tiles);
    apply(lists.cheeses, step.cheeses);
    apply(lists.guys, step.guys);
    if (step.movesRat)
        PutRat(lists.rat, step.*ratPlace);
    cellX = step.cellX;
    cellY = step.cellY;
    to.push_back(std::move(step));
    from.pop_back();
    return true;
}

bool EditHistory::Undo(int& cellX, int& cellY)
{
    if (done.empty())
        return false;
    auto fits = [](const auto& list, const auto& change) { return EndsWith(list, change); };
    auto apply = [](auto& list, const auto& change) { TakeBack(list, change); };
    if (MoveStep(done, undone, lists, fits, apply, &EditStep::ratBefore, cellX, cellY))
        return true;
    Clear();
    return false;
}

bool EditHistory::Redo(int& cellX, int& cellY)
{
    if (undone.empty())
        return false;
    auto fits = [](const auto& list, const auto& change) { return HoldsRemoved(list, change); };
    auto apply = [](auto& list, const auto& change) { DoAgain(list, change); };
    if (MoveStep(undone, done, lists, fits, apply, &EditStep::ratAfter, cellX, cellY))
        return true;
    Clear();
    return false;
}

void EditHistory::DropDone(EditStep& step)
{
    for (const auto& r : step.tiles.removed)
        delete r.second;
    for (const auto& r : step.cheeses.removed)
        delete r.second;
    for (const auto& r : step.guys.removed)
        delete r.second;
}

void EditHistory::DropUndone(EditStep& step)
{
    DeleteAll(step.tiles.added);
    DeleteAll(step.cheeses.added);
    DeleteAll(step.guys.added);
}

void EditHistory::Clear()
{
    EndStroke();
    for (EditStep& s : done)
        DropDone(s);
    for (EditStep& s : undone)
        DropUndone(s);
    done.clear();
    undone.clear();
}
