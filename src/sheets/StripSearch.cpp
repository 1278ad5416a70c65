// SPDX-License-Identifier: GPL-3.0-or-later
#include "StripSearch.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <utility>

namespace boxmill::sheets {

namespace {

// Sizes come from sixty-fourths and millimetres; this only absorbs the
// rounding of their sums.
constexpr double kSlack = 1e-9;

struct Orientation {
    double along = 0.0;
    double across = 0.0;
    bool rotated = false;
};

int Orientations(const PieceType& type, Orientation out[2])
{
    out[0] = {type.length, type.width, false};
    if (!type.turnable || type.length == type.width)
        return 1;
    out[1] = {type.width, type.length, true};
    return 2;
}

// A sheet while its strips are chosen.
struct Partial {
    SheetPattern pattern;
    std::vector<int> demand;
    double usedWidth = 0.0; // the strips and the kerfs between them
};

class Search {
public:
    Search(const std::vector<PieceType>& types, const Usable& usable)
        : m_types(types)
        , m_usable(usable)
    {
    }

    long nodes() const { return m_nodes; }

    // The best patterns for the next sheet, best first; never empty while
    // anything is left, since every type fits an empty sheet.
    std::vector<SheetPattern> nextSheet(const std::vector<int>& demand, const SearchBudget& budget, long nodeLimit)
    {
        Partial root {SheetPattern {{}, 0.0, std::vector<int>(m_types.size(), 0)}, demand, 0.0};
        std::vector<SheetPattern> complete {rollout(root)};
        std::vector<Partial> beam {root};
        const long stop = m_nodes + nodeLimit;
        while (!beam.empty() && m_nodes < stop && budget.leadingChoices > 1) {
            std::vector<std::pair<double, Partial>> children;
            for (const auto& state : beam) {
                auto strips = candidates(state);
                const auto tried =
                    std::min<std::size_t>(strips.size(), static_cast<std::size_t>(budget.leadingChoices));
                for (std::size_t i = 0; i < tried && m_nodes < stop; ++i) {
                    Partial child = withStrip(state, std::move(strips[i]));
                    SheetPattern finished = rollout(child);
                    const double score = finished.area;
                    complete.push_back(std::move(finished));
                    children.emplace_back(score, std::move(child));
                }
            }
            std::stable_sort(children.begin(), children.end(), [](const auto& a, const auto& b) {
                if (a.first != b.first)
                    return a.first > b.first;
                return a.second.pattern.area > b.second.pattern.area;
            });
            beam.clear();
            std::set<std::pair<std::vector<int>, double>> seen;
            for (auto& child : children) {
                if (static_cast<int>(beam.size()) >= budget.beamWidth)
                    break;
                if (seen.insert({child.second.demand, child.second.usedWidth}).second)
                    beam.push_back(std::move(child.second));
            }
        }
        std::stable_sort(complete.begin(), complete.end(),
                         [](const SheetPattern& a, const SheetPattern& b) { return a.area > b.area; });
        std::vector<SheetPattern> best;
        std::set<std::vector<int>> seen;
        for (auto& pattern : complete) {
            if (static_cast<int>(best.size()) >= std::max(1, budget.sheetCandidates))
                break;
            if (seen.insert(pattern.used).second)
                best.push_back(std::move(pattern));
        }
        return best;
    }

private:
    double room(const Partial& state) const
    {
        return m_usable.width - state.usedWidth - (state.pattern.strips.empty() ? 0.0 : m_usable.kerf);
    }

    // How many parts of `type` one stack takes across a strip of `height`.
    int stackCount(int type, const Orientation& o, double height, const std::vector<int>& demand) const
    {
        const double k = m_usable.kerf;
        const auto fit = static_cast<int>(std::floor((height + k + kSlack) / (o.across + k)));
        return std::min(fit, demand[static_cast<std::size_t>(type)]);
    }

    // A strip as high as the leading part: as many stacks of it as the
    // length holds (equal parts in one strip cut fastest), then whatever
    // stack fills most of what is left, until nothing fits.
    Strip buildStrip(int lead, const Orientation& leadWay, std::vector<int>& demand)
    {
        ++m_nodes;
        const double k = m_usable.kerf;
        Strip strip {leadWay.across, {}, 0.0};
        double used = 0.0;
        const auto fits = [&](const Orientation& o) {
            return used + (strip.stacks.empty() ? 0.0 : k) + o.along <= m_usable.length + kSlack;
        };
        const auto place = [&](int type, const Orientation& o, int count) {
            used += (strip.stacks.empty() ? 0.0 : k) + o.along;
            demand[static_cast<std::size_t>(type)] -= count;
            strip.area += count * o.along * o.across;
            strip.stacks.push_back(Stack {type, o.rotated, count, o.along, o.across});
        };
        while (demand[static_cast<std::size_t>(lead)] > 0 && fits(leadWay))
            place(lead, leadWay, stackCount(lead, leadWay, strip.height, demand));
        for (;;) {
            int bestType = -1;
            Orientation bestWay;
            int bestCount = 0;
            double bestArea = 0.0;
            for (std::size_t t = 0; t < m_types.size(); ++t) {
                if (demand[t] == 0)
                    continue;
                Orientation ways[2];
                const int n = Orientations(m_types[t], ways);
                for (int w = 0; w < n; ++w) {
                    if (ways[w].across > strip.height + kSlack || !fits(ways[w]))
                        continue;
                    const int count = stackCount(static_cast<int>(t), ways[w], strip.height, demand);
                    const double area = count * ways[w].along * ways[w].across;
                    if (area > bestArea) {
                        bestType = static_cast<int>(t);
                        bestWay = ways[w];
                        bestCount = count;
                        bestArea = area;
                    }
                }
            }
            if (bestType < 0)
                return strip;
            place(bestType, bestWay, bestCount);
        }
    }

    // Every strip that could come next, the fullest first.
    std::vector<Strip> candidates(const Partial& state)
    {
        const double free = room(state);
        std::vector<Strip> strips;
        for (std::size_t t = 0; t < m_types.size(); ++t) {
            if (state.demand[t] == 0)
                continue;
            Orientation ways[2];
            const int n = Orientations(m_types[t], ways);
            for (int w = 0; w < n; ++w) {
                if (ways[w].across > free + kSlack || ways[w].along > m_usable.length + kSlack)
                    continue;
                auto demand = state.demand;
                strips.push_back(buildStrip(static_cast<int>(t), ways[w], demand));
            }
        }
        const double length = m_usable.length + m_usable.kerf;
        const auto fill = [&](const Strip& s) { return s.area / ((s.height + m_usable.kerf) * length); };
        std::stable_sort(strips.begin(), strips.end(), [&](const Strip& a, const Strip& b) {
            if (fill(a) != fill(b))
                return fill(a) > fill(b);
            return a.area > b.area;
        });
        return strips;
    }

    Partial withStrip(const Partial& state, Strip strip) const
    {
        Partial next = state;
        next.usedWidth += (next.pattern.strips.empty() ? 0.0 : m_usable.kerf) + strip.height;
        for (const auto& stack : strip.stacks) {
            next.demand[static_cast<std::size_t>(stack.type)] -= stack.count;
            next.pattern.used[static_cast<std::size_t>(stack.type)] += stack.count;
        }
        next.pattern.area += strip.area;
        next.pattern.strips.push_back(std::move(strip));
        return next;
    }

    // The sheet finished greedily: always the fullest strip next.
    SheetPattern rollout(Partial state)
    {
        for (;;) {
            auto strips = candidates(state);
            if (strips.empty())
                return std::move(state.pattern);
            state = withStrip(state, std::move(strips.front()));
        }
    }

    const std::vector<PieceType>& m_types;
    Usable m_usable;
    long m_nodes = 0;
};

struct Plan {
    std::vector<SheetPattern> sheets;
    std::vector<int> demand;
    double area = 0.0;
};

bool Done(const std::vector<int>& demand)
{
    return std::all_of(demand.begin(), demand.end(), [](int n) { return n == 0; });
}

std::vector<SheetPattern> Greedy(Search& search, std::vector<int> demand)
{
    const SearchBudget greedy {1, 1, 1, 0};
    std::vector<SheetPattern> sheets;
    while (!Done(demand)) {
        auto next = search.nextSheet(demand, greedy, 0);
        for (std::size_t t = 0; t < demand.size(); ++t)
            demand[t] -= next.front().used[t];
        sheets.push_back(std::move(next.front()));
    }
    return sheets;
}

double RemainingArea(const std::vector<PieceType>& types, const std::vector<int>& demand)
{
    double area = 0.0;
    for (std::size_t t = 0; t < types.size(); ++t)
        area += demand[t] * types[t].length * types[t].width;
    return area;
}

} // namespace

std::vector<SheetPattern> SearchSheets(const std::vector<PieceType>& types, std::vector<int> demand,
                                       const Usable& usable, const SearchBudget& budget, bool& budgetSpent)
{
    Search search(types, usable);
    // The greedy pass is cheap and the search must never do worse than it.
    auto greedy = Greedy(search, demand);
    budgetSpent = false;
    if (budget.leadingChoices <= 1 && budget.sheetCandidates <= 1)
        return greedy;

    std::vector<Plan> beam {Plan {{}, std::move(demand), 0.0}};
    const double sheetArea = usable.length * usable.width;
    for (;;) {
        std::vector<Plan> children;
        for (const auto& plan : beam) {
            // The nodes left are shared evenly among the sheets still to
            // come, so the first sheets cannot spend them all.
            const double sheetsLeft = std::ceil(RemainingArea(types, plan.demand) / sheetArea) + 1.0;
            const long left = std::max(0L, budget.nodes - search.nodes());
            const auto share =
                static_cast<long>(static_cast<double>(left) / (sheetsLeft * static_cast<double>(beam.size())));
            if (left == 0)
                budgetSpent = true;
            for (auto& pattern : search.nextSheet(plan.demand, budget, share)) {
                Plan child = plan;
                for (std::size_t t = 0; t < child.demand.size(); ++t)
                    child.demand[t] -= pattern.used[t];
                child.area += pattern.area;
                child.sheets.push_back(std::move(pattern));
                children.push_back(std::move(child));
            }
        }
        std::stable_sort(children.begin(), children.end(),
                         [](const Plan& a, const Plan& b) { return a.area > b.area; });
        for (auto& child : children) {
            if (Done(child.demand))
                return child.sheets.size() < greedy.size() ? std::move(child.sheets) : std::move(greedy);
        }
        if (children.empty() || children.front().sheets.size() >= greedy.size())
            return greedy;
        beam.clear();
        std::set<std::vector<int>> seen;
        for (auto& child : children) {
            if (static_cast<int>(beam.size()) >= std::max(1, budget.sheetCandidates))
                break;
            if (seen.insert(child.demand).second)
                beam.push_back(std::move(child));
        }
    }
}

} // namespace boxmill::sheets
