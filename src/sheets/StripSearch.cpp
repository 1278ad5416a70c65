// SPDX-License-Identifier: GPL-3.0-or-later
#include "StripSearch.h"

#include "ShelfFirstFit.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <memory>
#include <optional>
#include <set>
#include <utility>

namespace boxmill::sheets {

namespace {

// Sizes come from sixty-fourths and millimetres; this only absorbs the
// rounding of their sums.
constexpr double kSlack = 1e-9;
// Reading the clock on every strip would cost more than some strips do.
constexpr long kNodesBetweenClockReadings = 64;

// One type in one orientation.
struct Way {
    int type = 0;
    double along = 0.0;
    double across = 0.0;
    bool rotated = false;
};

using StripRef = std::shared_ptr<const Strip>;

// A sheet while its strips are chosen. `built` keeps the strip each way
// would lead: adding a strip changes the demand only of the types in it,
// and a strip that uses none of them would be built again exactly as it is.
struct Partial {
    SheetPattern pattern;
    std::vector<int> demand;
    double usedWidth = 0.0; // the strips and the kerfs between them
    std::vector<StripRef> built;
};

class Search {
public:
    Search(const std::vector<PieceType>& types, const Usable& usable, const SearchBudget& budget)
        : m_types(types)
        , m_usable(usable)
        , m_stop(budget.stop)
    {
        for (std::size_t t = 0; t < types.size(); ++t) {
            const auto& type = types[t];
            m_ways.push_back({static_cast<int>(t), type.length, type.width, false});
            if (type.turnable && type.length != type.width)
                m_ways.push_back({static_cast<int>(t), type.width, type.length, true});
        }
        // Widest across first, so that what fits under a height is a tail.
        std::stable_sort(m_ways.begin(), m_ways.end(), [](const Way& a, const Way& b) { return a.across > b.across; });
        // A budget of days is no budget; it would only overflow the clock.
        if (std::isfinite(budget.seconds) && budget.seconds > 0.0 && budget.seconds < 1e6) {
            m_deadline =
                std::chrono::steady_clock::now() + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                                       std::chrono::duration<double>(budget.seconds));
        }
    }

    long nodes() const { return m_nodes; }

    // The clock stops the search early, never changes what it finds.
    bool outOfTime()
    {
        if (m_late || (!m_deadline && m_stop == nullptr))
            return m_late;
        if (m_nodes - m_lastReading >= kNodesBetweenClockReadings) {
            m_lastReading = m_nodes;
            m_late = (m_stop != nullptr && m_stop->load(std::memory_order_relaxed)) ||
                     (m_deadline && std::chrono::steady_clock::now() > *m_deadline);
        }
        return m_late;
    }

    Partial root(const std::vector<int>& demand) const
    {
        return {SheetPattern {{}, 0.0, std::vector<int>(m_types.size(), 0)}, demand, 0.0,
                std::vector<StripRef>(m_ways.size())};
    }

    // The best patterns for the next sheet, best first; never empty while
    // anything is left, since every type fits an empty sheet.
    std::vector<SheetPattern> nextSheet(const std::vector<int>& demand, const SearchBudget& budget, long nodeLimit)
    {
        Partial first = root(demand);
        std::vector<SheetPattern> complete {rollout(first)};
        std::vector<Partial> beam {std::move(first)};
        const long stop = m_nodes + nodeLimit;
        while (!beam.empty() && m_nodes < stop && budget.leadingChoices > 1 && !outOfTime()) {
            std::vector<std::pair<double, Partial>> children;
            for (auto& state : beam) {
                const auto strips = candidates(state, static_cast<std::size_t>(budget.leadingChoices));
                for (std::size_t i = 0; i < strips.size() && m_nodes < stop; ++i) {
                    Partial child = withStrip(state, *strips[i]);
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

    // How many parts `across` wide a stack takes in `height`, each but the
    // first after a kerf.
    int fitAcross(double across, double height) const
    {
        const double k = m_usable.kerf;
        return static_cast<int>(std::floor((height + k + kSlack) / (across + k)));
    }

    // The stack of most area among the ways no wider than `height` and no
    // longer than `length`; -1 when none fits.
    int fullestStack(double height, double length, const std::vector<int>& demand, int& count) const
    {
        const auto first = std::partition_point(m_ways.begin(), m_ways.end(),
                                                [&](const Way& w) { return w.across > height + kSlack; });
        int best = -1;
        double bestArea = 0.0;
        for (auto way = first; way != m_ways.end(); ++way) {
            const int left = demand[static_cast<std::size_t>(way->type)];
            if (left == 0 || way->along > length + kSlack)
                continue;
            const int n = std::min(fitAcross(way->across, height), left);
            const double area = n * way->along * way->across;
            if (area > bestArea) {
                best = static_cast<int>(way - m_ways.begin());
                bestArea = area;
                count = n;
            }
        }
        return best;
    }

    // A strip as high as the leading part: as many columns of it as the
    // length holds (equal parts in one strip cut fastest), then whatever
    // column fills most of what is left, until nothing fits. Each column's
    // room above its parts takes the fullest stack of shorter parts.
    Strip buildStrip(const Way& lead, std::vector<int> demand)
    {
        ++m_nodes;
        const double k = m_usable.kerf;
        Strip strip {lead.across, {}, 0.0};
        double used = 0.0;
        const auto stack = [&](Column& column, const Way& way, int count) {
            demand[static_cast<std::size_t>(way.type)] -= count;
            strip.area += count * way.along * way.across;
            column.stacks.push_back(Stack {way.type, way.rotated, count, way.along, way.across});
        };
        const auto column = [&](const Way& way, int count) {
            used += (strip.columns.empty() ? 0.0 : k) + way.along;
            Column c {way.along, {}};
            stack(c, way, count);
            double height = strip.height - count * (way.across + k);
            for (;;) {
                int n = 0;
                const int w = fullestStack(height, c.along, demand, n);
                if (w < 0)
                    break;
                const Way& above = m_ways[static_cast<std::size_t>(w)];
                stack(c, above, n);
                height -= n * (above.across + k);
            }
            strip.columns.push_back(std::move(c));
        };
        const auto room = [&] { return m_usable.length - used - (strip.columns.empty() ? 0.0 : k); };
        const auto leadLeft = [&] { return demand[static_cast<std::size_t>(lead.type)]; };
        while (leadLeft() > 0 && lead.along <= room() + kSlack)
            column(lead, std::min(fitAcross(lead.across, strip.height), leadLeft()));
        for (;;) {
            int count = 0;
            const int w = fullestStack(strip.height, room(), demand, count);
            if (w < 0)
                return strip;
            column(m_ways[static_cast<std::size_t>(w)], count);
        }
    }

    double fill(const Strip& s) const
    {
        return s.area / ((s.height + m_usable.kerf) * (m_usable.length + m_usable.kerf));
    }

    // The `most` fullest strips that could come next, the fullest first.
    std::vector<StripRef> candidates(Partial& state, std::size_t most)
    {
        const double free = room(state);
        std::vector<StripRef> strips;
        for (std::size_t w = 0; w < m_ways.size(); ++w) {
            const Way& way = m_ways[w];
            if (state.demand[static_cast<std::size_t>(way.type)] == 0 || way.across > free + kSlack ||
                way.along > m_usable.length + kSlack)
                continue;
            if (!state.built[w])
                state.built[w] = std::make_shared<const Strip>(buildStrip(way, state.demand));
            strips.push_back(state.built[w]);
        }
        const auto fuller = [&](const StripRef& a, const StripRef& b) {
            if (fill(*a) != fill(*b))
                return fill(*a) > fill(*b);
            return a->area > b->area;
        };
        if (most == 1 && !strips.empty()) {
            // The rollouts only want the fullest: no need to sort them all.
            StripRef best = strips.front();
            for (const auto& strip : strips) {
                if (fuller(strip, best))
                    best = strip;
            }
            return {best};
        }
        std::stable_sort(strips.begin(), strips.end(), fuller);
        strips.resize(std::min(strips.size(), most));
        return strips;
    }

    Partial withStrip(const Partial& state, const Strip& strip) const
    {
        Partial next = state;
        next.usedWidth += (next.pattern.strips.empty() ? 0.0 : m_usable.kerf) + strip.height;
        std::vector<char> changed(m_types.size(), 0);
        for (const auto& column : strip.columns) {
            for (const auto& stack : column.stacks) {
                const auto t = static_cast<std::size_t>(stack.type);
                next.demand[t] -= stack.count;
                next.pattern.used[t] += stack.count;
                changed[t] = 1;
            }
        }
        for (auto& built : next.built) {
            if (built && Uses(*built, changed))
                built.reset();
        }
        next.pattern.area += strip.area;
        next.pattern.strips.push_back(strip);
        return next;
    }

    static bool Uses(const Strip& strip, const std::vector<char>& types)
    {
        for (const auto& column : strip.columns) {
            for (const auto& stack : column.stacks) {
                if (types[static_cast<std::size_t>(stack.type)])
                    return true;
            }
        }
        return false;
    }

    // The sheet finished greedily: always the fullest strip next.
    SheetPattern rollout(Partial state)
    {
        for (;;) {
            const auto strips = candidates(state, 1);
            if (strips.empty())
                return std::move(state.pattern);
            state = withStrip(state, *strips.front());
        }
    }

    const std::vector<PieceType>& m_types;
    Usable m_usable;
    std::vector<Way> m_ways;
    long m_nodes = 0;
    std::optional<std::chrono::steady_clock::time_point> m_deadline;
    const std::atomic<bool>* m_stop = nullptr;
    long m_lastReading = 0;
    bool m_late = false;
};

// A plan's sheets, the last first, shared with the plans it grew from:
// copying every plan's sheets at every sheet would take the square of a
// large job's sheets.
struct PlannedSheet {
    SheetPattern pattern;
    std::shared_ptr<PlannedSheet> previous;

    PlannedSheet(SheetPattern sheet, std::shared_ptr<PlannedSheet> before)
        : pattern(std::move(sheet))
        , previous(std::move(before))
    {
    }
    PlannedSheet(const PlannedSheet&) = delete;
    PlannedSheet& operator=(const PlannedSheet&) = delete;
    // One by one: a chain of thousands released recursively would overflow
    // the stack.
    ~PlannedSheet()
    {
        std::shared_ptr<PlannedSheet> next = std::move(previous);
        while (next && next.use_count() == 1)
            next = std::move(next->previous);
    }
};

struct Plan {
    std::shared_ptr<PlannedSheet> last;
    std::size_t sheets = 0;
    std::vector<int> demand;
    double area = 0.0;

    std::vector<SheetPattern> patterns() const
    {
        std::vector<SheetPattern> all;
        all.reserve(sheets);
        for (const PlannedSheet* sheet = last.get(); sheet != nullptr; sheet = sheet->previous.get())
            all.push_back(sheet->pattern);
        std::reverse(all.begin(), all.end());
        return all;
    }
};

bool Done(const std::vector<int>& demand)
{
    return std::all_of(demand.begin(), demand.end(), [](int n) { return n == 0; });
}

std::vector<SheetPattern> Greedy(Search& search, std::vector<int> demand)
{
    SearchBudget greedy;
    greedy.beamWidth = greedy.sheetCandidates = greedy.leadingChoices = 1;
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

std::vector<SheetPattern> SearchSheets(const std::vector<PieceType>& types, const std::vector<int>& sequence,
                                       const Usable& usable, const SearchBudget& budget, bool& budgetSpent)
{
    std::vector<int> demand(types.size(), 0);
    for (const int t : sequence)
        ++demand[static_cast<std::size_t>(t)];
    Search search(types, usable, budget);
    // The greedy passes are cheap and the search must never do worse than
    // either.
    auto greedy = Greedy(search, demand);
    // The shelves are tried with the parts in cut list order and with equal
    // parts together: among parts of one width the order decides, and
    // neither order wins every time.
    std::vector<int> grouped = sequence;
    std::stable_sort(grouped.begin(), grouped.end());
    for (const std::vector<int>* order : {&sequence, static_cast<const std::vector<int>*>(&grouped)}) {
        if (auto shelves = FirstFitShelves(types, *order, usable); shelves.size() < greedy.size())
            greedy = std::move(shelves);
    }
    budgetSpent = false;
    if (budget.leadingChoices <= 1 && budget.sheetCandidates <= 1)
        return greedy;

    std::vector<Plan> beam {Plan {nullptr, 0, std::move(demand), 0.0}};
    const double sheetArea = usable.length * usable.width;
    for (;;) {
        std::vector<Plan> children;
        for (const auto& plan : beam) {
            // The nodes left are shared evenly among the sheets still to
            // come, so the first sheets cannot spend them all.
            const double sheetsLeft = std::ceil(RemainingArea(types, plan.demand) / sheetArea) + 1.0;
            const long left = search.outOfTime() ? 0L : std::max(0L, budget.nodes - search.nodes());
            const auto share =
                static_cast<long>(static_cast<double>(left) / (sheetsLeft * static_cast<double>(beam.size())));
            if (left == 0)
                budgetSpent = true;
            for (auto& pattern : search.nextSheet(plan.demand, budget, share)) {
                Plan child = plan;
                for (std::size_t t = 0; t < child.demand.size(); ++t)
                    child.demand[t] -= pattern.used[t];
                child.area += pattern.area;
                child.last = std::make_shared<PlannedSheet>(std::move(pattern), plan.last);
                ++child.sheets;
                children.push_back(std::move(child));
            }
        }
        std::stable_sort(children.begin(), children.end(),
                         [](const Plan& a, const Plan& b) { return a.area > b.area; });
        for (auto& child : children) {
            if (Done(child.demand))
                return child.sheets < greedy.size() ? child.patterns() : std::move(greedy);
        }
        if (children.empty() || children.front().sheets >= greedy.size())
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
