// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lumber.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace boxmill {

namespace {

constexpr double kSlack = 1e-9;
constexpr double kCubicInchesPerBoardFoot = 144.0;

// Lengths with a kerf each go into boards one kerf longer: the last cut of
// a board needs none.
class BoardSearch {
public:
    BoardSearch(std::vector<double> lengths, double capacity, long nodes)
        : m_lengths(std::move(lengths))
        , m_capacity(capacity)
        , m_nodes(nodes)
    {
    }

    std::vector<int> firstFit() const
    {
        std::vector<int> boardOf;
        std::vector<double> free;
        for (const double length : m_lengths) {
            auto board = std::find_if(free.begin(), free.end(), [&](double f) { return length <= f + kSlack; });
            if (board == free.end()) {
                free.push_back(m_capacity);
                board = free.end() - 1;
            }
            *board -= length;
            boardOf.push_back(static_cast<int>(board - free.begin()));
        }
        return boardOf;
    }

    // Fewer boards than `best` uses, if the nodes allow finding them.
    std::vector<int> improve(std::vector<int> best, int bound)
    {
        m_best = std::move(best);
        m_bestCount = Count(m_best);
        m_assign.assign(m_lengths.size(), 0);
        m_bound = bound;
        if (m_bestCount > bound)
            descend(0, {});
        return m_best;
    }

    static int Count(const std::vector<int>& boardOf)
    {
        return boardOf.empty() ? 0 : *std::max_element(boardOf.begin(), boardOf.end()) + 1;
    }

private:
    void descend(std::size_t item, std::vector<double> free)
    {
        if (m_nodes <= 0 || m_bestCount == m_bound)
            return;
        --m_nodes;
        if (item == m_lengths.size()) {
            m_best = m_assign;
            m_bestCount = static_cast<int>(free.size());
            return;
        }
        const double length = m_lengths[item];
        for (std::size_t b = 0; b < free.size(); ++b) {
            // Boards with the same room left lead to the same plans.
            if (length > free[b] + kSlack || std::find(free.begin(), free.begin() + static_cast<long>(b), free[b]) !=
                                                 free.begin() + static_cast<long>(b))
                continue;
            free[b] -= length;
            m_assign[item] = static_cast<int>(b);
            descend(item + 1, free);
            free[b] += length;
        }
        if (static_cast<int>(free.size()) + 1 < m_bestCount) {
            free.push_back(m_capacity - length);
            m_assign[item] = static_cast<int>(free.size()) - 1;
            descend(item + 1, free);
        }
    }

    std::vector<double> m_lengths; // longest first
    double m_capacity;
    long m_nodes;
    std::vector<int> m_best;
    int m_bestCount = 0;
    int m_bound = 0;
    std::vector<int> m_assign;
};

} // namespace

double BoardFeet(double length, double width, double thickness)
{
    return length * width * thickness / kCubicInchesPerBoardFoot;
}

namespace {

// Narrow parts side by side: the board is a small sheet with its grain
// along, no edge trim (the boards' edges are jointed before the parts are
// laid out), and the parts keep their grain.
void RipBoards(LumberPlan& plan, const std::vector<SheetPart>& parts, double boardLength, double boardWidth,
               double kerf)
{
    std::vector<SheetPart> fitting;
    for (const auto& part : parts) {
        if (part.width <= boardWidth + kSlack) {
            fitting.push_back(part);
            fitting.back().grain = true;
        } else {
            plan.unplaced.push_back({part.name, part.length, part.width, part.quantity, "wider than the board"});
        }
    }
    CutSettings settings;
    settings.kerf = kerf;
    settings.trim = 0.0;
    const SheetPlan boards = PlanSheets(fitting, {boardLength, boardWidth, true}, settings);
    plan.lowerBound = boards.lowerBound;
    for (const auto& board : boards.sheets) {
        plan.boards.emplace_back();
        for (const auto& part : board.parts)
            plan.boards.back().push_back(part.name);
    }
}

} // namespace

LumberPlan PlanLumber(const std::vector<SheetPart>& parts, double thickness, double boardLength, double wastePercent,
                      double kerf, double boardWidth, long nodes)
{
    LumberPlan plan;
    kerf = std::isfinite(kerf) && kerf > 0.0 ? kerf : 0.0;
    struct Piece {
        double length;
        const std::string* name;
    };
    std::vector<Piece> pieces;
    std::vector<SheetPart> boardParts; // those no board is too short for
    for (const auto& part : parts) {
        if (part.quantity <= 0)
            continue;
        if (!(part.length > 0.0 && part.width > 0.0 && std::isfinite(part.length * part.width))) {
            plan.unplaced.push_back({part.name, part.length, part.width, part.quantity, "has no size"});
            continue;
        }
        plan.partsBoardFeet += part.quantity * BoardFeet(part.length, part.width, thickness);
        if (!(part.length <= boardLength + kSlack)) {
            plan.unplaced.push_back({part.name, part.length, part.width, part.quantity, "longer than the board"});
            continue;
        }
        for (int n = 0; n < part.quantity; ++n)
            pieces.push_back({part.length + kerf, &part.name});
        boardParts.push_back(part);
    }
    plan.boardFeet = plan.partsBoardFeet * (1.0 + wastePercent / 100.0);
    if (pieces.empty())
        return plan;
    if (std::isfinite(boardWidth) && boardWidth > 0.0) {
        RipBoards(plan, boardParts, boardLength, boardWidth, kerf);
        return plan;
    }
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.length > b.length; });
    std::vector<double> lengths;
    lengths.reserve(pieces.size());
    for (const auto& piece : pieces)
        lengths.push_back(piece.length);
    const double capacity = boardLength + kerf;
    const double total = std::accumulate(lengths.begin(), lengths.end(), 0.0);
    plan.lowerBound = static_cast<int>(std::ceil(total / capacity * (1.0 - 1e-12)));
    BoardSearch search(lengths, capacity, nodes);
    const auto boardOf = search.improve(search.firstFit(), plan.lowerBound);
    plan.boards.resize(static_cast<std::size_t>(BoardSearch::Count(boardOf)));
    for (std::size_t i = 0; i < pieces.size(); ++i)
        plan.boards[static_cast<std::size_t>(boardOf[i])].push_back(*pieces[i].name);
    return plan;
}

} // namespace boxmill
