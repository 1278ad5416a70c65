// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardPacking.h"

#include <algorithm>
#include <climits>
#include <limits>
#include <set>
#include <utility>

namespace boxmill::sheets {

namespace {

constexpr double kNoBoard = -std::numeric_limits<double>::infinity();

// Boards with the same room left lead to the same plans, so only the
// leaders are worth trying: the first board, by index, of each amount of
// room left. The leftmost board a length fits is always a leader.

// The room left on every open board, and the largest room of a leader over
// ranges of boards, for jobs of many boards.
class ManyBoards {
public:
    explicit ManyBoards(std::size_t most)
    {
        while (m_leaves < most)
            m_leaves *= 2;
        m_largest.assign(2 * m_leaves, kNoBoard);
        m_room.reserve(most);
    }

    int open() const { return static_cast<int>(m_room.size()); }
    double room(int board) const { return m_room[static_cast<std::size_t>(board)]; }

    void openBoard(double room)
    {
        m_room.push_back(room);
        join(open() - 1);
    }

    void closeLast()
    {
        leave(open() - 1);
        m_room.pop_back();
    }

    void setRoom(int board, double room)
    {
        leave(board);
        m_room[static_cast<std::size_t>(board)] = room;
        join(board);
    }

    // The leftmost leader from `from` on that `length` fits, or -1.
    int firstFit(double length, int from) const
    {
        return from < open() ? find(1, 0, m_leaves, static_cast<std::size_t>(from), length) : -1;
    }

private:
    static bool Fits(double length, double room) { return length <= room + kFitSlack; }

    int find(std::size_t node, std::size_t low, std::size_t high, std::size_t from, double length) const
    {
        if (high <= from || !Fits(length, m_largest[node]))
            return -1;
        if (high - low == 1)
            return static_cast<int>(low);
        const std::size_t middle = (low + high) / 2;
        const int left = find(2 * node, low, middle, from, length);
        return left >= 0 ? left : find(2 * node + 1, middle, high, from, length);
    }

    void setLeaf(int board, double room)
    {
        std::size_t node = m_leaves + static_cast<std::size_t>(board);
        m_largest[node] = room;
        for (node /= 2; node >= 1; node /= 2)
            m_largest[node] = std::max(m_largest[2 * node], m_largest[2 * node + 1]);
    }

    bool leads(int board) const { return m_largest[m_leaves + static_cast<std::size_t>(board)] != kNoBoard; }

    void leave(int board)
    {
        const double room = this->room(board);
        m_byRoom.erase({room, board});
        if (!leads(board))
            return;
        setLeaf(board, kNoBoard);
        const auto next = m_byRoom.lower_bound({room, board});
        if (next != m_byRoom.end() && next->first == room)
            setLeaf(next->second, room);
    }

    void join(int board)
    {
        const double room = this->room(board);
        const auto first = m_byRoom.lower_bound({room, INT_MIN});
        if (first == m_byRoom.end() || first->first != room) {
            setLeaf(board, room);
        } else if (board < first->second) {
            setLeaf(first->second, kNoBoard);
            setLeaf(board, room);
        }
        m_byRoom.insert({room, board});
    }

    std::size_t m_leaves = 1;
    std::vector<double> m_largest; // a leader's room at its leaf, kNoBoard elsewhere
    std::vector<double> m_room;
    std::set<std::pair<double, int>> m_byRoom;
};

// For a cabinet's few boards a look at each is quicker than any tree.
class FewBoards {
public:
    explicit FewBoards(std::size_t most) { m_room.reserve(most); }

    int open() const { return static_cast<int>(m_room.size()); }
    double room(int board) const { return m_room[static_cast<std::size_t>(board)]; }
    void openBoard(double room) { m_room.push_back(room); }
    void closeLast() { m_room.pop_back(); }
    void setRoom(int board, double room) { m_room[static_cast<std::size_t>(board)] = room; }

    int firstFit(double length, int from) const
    {
        for (auto board = m_room.begin() + from; board < m_room.end(); ++board) {
            if (length <= *board + kFitSlack && std::find(m_room.begin(), board, *board) == board)
                return static_cast<int>(board - m_room.begin());
        }
        return -1;
    }

private:
    std::vector<double> m_room;
};

// Up to this many boards FewBoards is the quicker.
constexpr int kFewBoards = 64;

std::vector<int> FirstFit(const std::vector<double>& lengths, double capacity)
{
    ManyBoards boards(lengths.size());
    std::vector<int> boardOf;
    boardOf.reserve(lengths.size());
    for (const double length : lengths) {
        int board = boards.firstFit(length, 0);
        if (board < 0) {
            boards.openBoard(capacity - length);
            board = boards.open() - 1;
        } else {
            boards.setRoom(board, boards.room(board) - length);
        }
        boardOf.push_back(board);
    }
    return boardOf;
}

// Depth first, a length a level: each length on every leading board it
// fits, then on a board of its own while that can still save a board. The
// levels are kept in one array rather than on the call stack, and the one
// set of boards is changed and put back in place, so that a job of many
// thousand parts needs a few bytes a length.
template <typename Boards> class Search {
public:
    Search(const std::vector<double>& lengths, double capacity, int bound, long placements, BoardPacking& packing)
        : m_lengths(lengths)
        , m_capacity(capacity)
        , m_bound(bound)
        , m_left(placements)
        , m_packing(packing)
        , m_boards(lengths.size())
        , m_levels(lengths.size())
        , m_assign(lengths.size(), 0)
    {
    }

    void run()
    {
        if (enter(0)) {
            while (m_depth > 0 && !m_stopped)
                step();
        }
    }

private:
    struct Level {
        int board = -1;
        bool ownBoard = false;
        double roomBefore = 0.0;
    };

    // False when the level ends at once: a complete plan, or the search done.
    bool enter(std::size_t item)
    {
        if (m_packing.boards == m_bound || m_left <= 0) {
            m_packing.budgetSpent = m_packing.boards > m_bound;
            m_stopped = true;
            return false;
        }
        --m_left;
        ++m_packing.placements;
        if (item == m_lengths.size()) {
            m_packing.boardOf = m_assign;
            m_packing.boards = m_boards.open();
            return false;
        }
        m_levels[item] = Level {};
        ++m_depth;
        return true;
    }

    void step()
    {
        const std::size_t item = m_depth - 1;
        Level& level = m_levels[item];
        const double length = m_lengths[item];
        if (level.ownBoard) {
            m_boards.closeLast();
            --m_depth;
            return;
        }
        if (level.board >= 0)
            m_boards.setRoom(level.board, level.roomBefore);
        const int next = m_boards.firstFit(length, level.board + 1);
        if (next >= 0) {
            level.board = next;
            level.roomBefore = m_boards.room(next);
            m_boards.setRoom(next, level.roomBefore - length);
        } else if (m_boards.open() + 1 < m_packing.boards) {
            m_boards.openBoard(m_capacity - length);
            level.board = m_boards.open() - 1;
            level.ownBoard = true;
        } else {
            --m_depth;
            return;
        }
        m_assign[item] = level.board;
        enter(item + 1);
    }

    const std::vector<double>& m_lengths;
    double m_capacity;
    int m_bound;
    long m_left;
    BoardPacking& m_packing;
    Boards m_boards;
    std::vector<Level> m_levels;
    std::vector<int> m_assign;
    std::size_t m_depth = 0;
    bool m_stopped = false;
};

} // namespace

BoardPacking PackBoards(const std::vector<double>& lengths, double capacity, int bound, long placements)
{
    BoardPacking packing;
    packing.boardOf = FirstFit(lengths, capacity);
    packing.boards =
        packing.boardOf.empty() ? 0 : *std::max_element(packing.boardOf.begin(), packing.boardOf.end()) + 1;
    if (packing.boards <= bound)
        return packing;
    // A plan is complete only a level below the last length: with fewer
    // placements than that the search could only spend them.
    if (static_cast<long>(lengths.size()) >= placements) {
        packing.budgetSpent = true;
        return packing;
    }
    // The search never opens as many boards as first fit used.
    if (packing.boards <= kFewBoards)
        Search<FewBoards>(lengths, capacity, bound, placements, packing).run();
    else
        Search<ManyBoards>(lengths, capacity, bound, placements, packing).run();
    return packing;
}

} // namespace boxmill::sheets
