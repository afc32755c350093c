#pragma once
#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

class Tile;
class Cheese;
class Guy;
class Rat;

// How many edit steps the editor can take back; the oldest beyond them is
// forgotten.
const size_t EDIT_HISTORY_STEPS = 1000;

// The level lists an edit changes, as references to the lists themselves.
struct LevelLists
{
    std::vector<Tile*>& tiles;
    std::vector<Cheese*>& cheeses;
    std::vector<Guy*>& guys;
    Rat& rat;
};

// Where the rat stands and where it starts each life.
struct RatPlace
{
    int x = 0, y = 0, startX = 0, startY = 0;
    bool operator==(const RatPlace& o) const
    {
        return x == o.x && y == o.y && startX == o.startX && startY == o.startY;
    }
};
RatPlace RatPlaceOf(const Rat& rat);
void PutRat(Rat& rat, const RatPlace& place);

// What one step did to one list: the elements it took out, each with its
// place in the list before the step, and the elements it appended. The
// editor only ever removes (keeping the order of the rest) and appends, so
// these two say everything, and taking a step back restores the list
// exactly, order included. Removed elements are kept alive here rather
// than rebuilt, so an undone element is the very object it was.
template <typename T>
struct ListChange
{
    std::vector<std::pair<size_t, T*>> removed; // ascending places
    std::vector<T*> added;
    bool Empty() const { return removed.empty() && added.empty(); }
};

// One edit step: a stroke of Insert or Delete, or a move of the rat's start.
// A step that is done owns its removed elements; one that is undone owns
// its added ones.
struct EditStep
{
    ListChange<Tile> tiles;
    ListChange<Cheese> cheeses;
    ListChange<Guy> guys;
    bool movesRat = false;
    RatPlace ratBefore, ratAfter;
    // The cell the step began in, in level pixels: undo and redo show it.
    int cellX = 0, cellY = 0;
};

// The editor's undo and redo. Per-step changes rather than copies of the
// level: a copy of the densest level is some 130 KB, a thousand of them far
// more than the memory the editor may take, while a one-cell step holds a
// few pointers and the one or two elements it replaced.
class EditHistory
{
public:
    explicit EditHistory(LevelLists lists, size_t limit = EDIT_HISTORY_STEPS);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // A stroke: from pressing Insert or Delete to releasing both. Every
    // element the editor takes out of a list during a stroke is handed to
    // Discard instead of being destroyed; EndStroke records the stroke as one
    // step when it changed anything (true then) and clears what could be
    // redone.
    void BeginStroke(int cellX, int cellY);
    bool InStroke() const { return stroking; }
    void Discard(Tile* t) { tilePile.push_back(t); }
    void Discard(Cheese* c) { cheesePile.push_back(c); }
    void Discard(Guy* g) { guyPile.push_back(g); }
    bool EndStroke();

    // Moves the rat and its start; one step when it changed anything.
    bool MoveRat(const RatPlace& to, int cellX, int cellY);

    // Take back the last step done, or do again the last one undone. False,
    // with nothing changed, when there is none. The cell of the step is given
    // back so that the editor can show it. A list found other than the step
    // left it ends the history rather than be changed blindly.
    bool Undo(int& cellX, int& cellY);
    bool Redo(int& cellX, int& cellY);

    size_t UndoCount() const { return done.size(); }
    size_t RedoCount() const { return undone.size(); }
    // Forgets every step, destroying the elements only the history held.
    void Clear();

private:
    void Record(EditStep step);
    void DropDone(EditStep& step);
    void DropUndone(EditStep& step);

    LevelLists lists;
    size_t limit;
    std::deque<EditStep> done;
    std::vector<EditStep> undone;

    bool stroking = false;
    int strokeX = 0, strokeY = 0;
    std::vector<Tile*> tilesBefore;
    std::vector<Cheese*> cheesesBefore;
    std::vector<Guy*> guysBefore;
    std::vector<Tile*> tilePile;
    std::vector<Cheese*> cheesePile;
    std::vector<Guy*> guyPile;
};
