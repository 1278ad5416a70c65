// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetPlan.h"

#include "StripSearch.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace boxmill {

using sheets::PieceType;
using sheets::SheetPattern;
using sheets::Usable;

namespace {

constexpr double kSlack = 1e-9;

double NonNegative(double value)
{
    return std::isfinite(value) && value > 0.0 ? value : 0.0;
}

Usable UsableSheet(const SheetSize& sheet, const CutSettings& settings)
{
    const double trim = NonNegative(settings.trim);
    return {NonNegative(sheet.length - 2.0 * trim), NonNegative(sheet.width - 2.0 * trim), NonNegative(settings.kerf)};
}

bool Turnable(const SheetPart& part, const SheetSize& sheet)
{
    return !(sheet.grain && part.grain);
}

// Empty when the part can be cut from the sheet, else why not.
std::string Unfit(const SheetPart& part, const SheetSize& sheet, const Usable& usable)
{
    if (!std::isfinite(part.length) || !std::isfinite(part.width) || part.length <= 0.0 || part.width <= 0.0)
        return "has no size";
    const auto fits = [&](double along, double across) {
        return along <= usable.length + kSlack && across <= usable.width + kSlack;
    };
    if (fits(part.length, part.width) || (Turnable(part, sheet) && fits(part.width, part.length)))
        return {};
    return "larger than the sheet";
}

struct Types {
    std::vector<PieceType> types;
    std::vector<std::vector<std::string>> names; // one a part, in cut list order
    std::vector<int> sequence;                   // each part's type, in cut list order
};

Types Collect(const std::vector<SheetPart>& parts, const SheetSize& sheet, const Usable& usable,
              std::vector<UnplacedPart>& unplaced)
{
    Types out;
    for (const auto& part : parts) {
        if (part.quantity <= 0)
            continue;
        if (std::string why = Unfit(part, sheet, usable); !why.empty()) {
            unplaced.push_back({part.name, part.length, part.width, part.quantity, std::move(why)});
            continue;
        }
        const PieceType type {part.length, part.width, Turnable(part, sheet)};
        auto same = std::find_if(out.types.begin(), out.types.end(), [&](const PieceType& t) {
            return t.length == type.length && t.width == type.width && t.turnable == type.turnable;
        });
        const auto index = static_cast<std::size_t>(same - out.types.begin());
        if (same == out.types.end()) {
            out.types.push_back(type);
            out.names.emplace_back();
        }
        out.names[index].insert(out.names[index].end(), static_cast<std::size_t>(part.quantity), part.name);
        out.sequence.insert(out.sequence.end(), static_cast<std::size_t>(part.quantity), static_cast<int>(index));
    }
    return out;
}

class SheetWriter {
public:
    SheetWriter(const SheetSize& sheet, const CutSettings& settings, const Types& types)
        : m_sheet(sheet)
        , m_trim(NonNegative(settings.trim))
        , m_kerf(NonNegative(settings.kerf))
        , m_minimum(settings.minimumOffcut)
        , m_types(types)
        , m_next(types.types.size(), 0)
    {
    }

    SheetLayout write(const SheetPattern& pattern)
    {
        m_layout = SheetLayout {};
        const double L = m_sheet.length;
        const double W = m_sheet.width;
        // Rips first, from the trimmed edge up: each leaves the strip below it.
        std::vector<double> stripY;
        double y = m_trim;
        if (m_trim > 0.0)
            cut(CutKind::Rip, 0.0, y, L, y);
        for (const auto& strip : pattern.strips) {
            stripY.push_back(y);
            const double top = y + strip.height;
            if (top < W - kSlack)
                cut(CutKind::Rip, 0.0, top, L, top);
            y = top + m_kerf;
        }
        if (!pattern.strips.empty())
            offcut(m_trim, y, L - m_trim - m_trim, W - m_trim - y);
        double partArea = 0.0;
        for (std::size_t s = 0; s < pattern.strips.size(); ++s) {
            const auto& strip = pattern.strips[s];
            const double bottom = stripY[s];
            const double top = bottom + strip.height;
            // Then each strip's crosscuts, from the squared end along.
            double x = m_trim;
            if (m_trim > 0.0)
                cut(CutKind::Crosscut, x, bottom, x, top);
            std::vector<double> columnX;
            for (const auto& column : strip.columns) {
                columnX.push_back(x);
                const double end = x + column.along;
                if (end < L - kSlack)
                    cut(CutKind::Crosscut, end, bottom, end, top);
                x = end + m_kerf;
            }
            offcut(x, bottom, L - m_trim - x, strip.height);
            // And the trims that part each column; a part shorter than its
            // column is cut to length once it is free.
            for (std::size_t c = 0; c < strip.columns.size(); ++c) {
                const auto& column = strip.columns[c];
                const double left = columnX[c];
                double py = bottom;
                std::vector<PlacedPart> shorter;
                for (const auto& stack : column.stacks) {
                    for (int n = 0; n < stack.count; ++n) {
                        place(stack, left, py);
                        partArea += stack.along * stack.across;
                        if (stack.along < column.along - kSlack)
                            shorter.push_back(m_layout.parts.back());
                        const double edge = py + stack.across;
                        if (edge < top - kSlack)
                            cut(CutKind::Trim, left, edge, left + column.along, edge);
                        py = edge + m_kerf;
                    }
                }
                offcut(left, py, column.along, top - py);
                for (const auto& part : shorter) {
                    const double end = part.x + part.length;
                    cut(CutKind::Crosscut, end, part.y, end, part.y + part.width);
                    offcut(end + m_kerf, part.y, left + column.along - end - m_kerf, part.width);
                }
            }
        }
        m_layout.yield = L * W > 0.0 ? partArea / (L * W) : 0.0;
        return std::move(m_layout);
    }

private:
    void cut(CutKind kind, double x0, double y0, double x1, double y1)
    {
        Cut c {static_cast<int>(m_layout.cuts.size()) + 1, kind, x0, y0, x1, y1};
        m_layout.cutLength += c.length();
        m_layout.cuts.push_back(c);
    }

    void offcut(double x, double y, double length, double width)
    {
        if (length >= m_minimum && width >= m_minimum)
            m_layout.offcuts.push_back({x, y, length, width});
    }

    void place(const sheets::Stack& stack, double x, double y)
    {
        const auto type = static_cast<std::size_t>(stack.type);
        const auto& names = m_types.names[type];
        const std::string& name = names[std::min(m_next[type]++, names.size() - 1)];
        m_layout.parts.push_back({name, x, y, stack.along, stack.across, stack.rotated});
    }

    SheetSize m_sheet;
    double m_trim;
    double m_kerf;
    double m_minimum;
    const Types& m_types;
    std::vector<std::size_t> m_next;
    SheetLayout m_layout;
};

// From a layout worked out on the sheet turned a quarter back to the sheet:
// what ran along the turned sheet runs across this one.
void Transpose(SheetLayout& layout)
{
    for (auto& part : layout.parts) {
        std::swap(part.x, part.y);
        std::swap(part.length, part.width);
    }
    for (auto& cut : layout.cuts) {
        std::swap(cut.x0, cut.y0);
        std::swap(cut.x1, cut.y1);
        if (cut.kind != CutKind::Trim)
            cut.kind = cut.kind == CutKind::Rip ? CutKind::Crosscut : CutKind::Rip;
    }
    for (auto& offcut : layout.offcuts) {
        std::swap(offcut.x, offcut.y);
        std::swap(offcut.length, offcut.width);
    }
}

} // namespace

int SheetLowerBound(const std::vector<SheetPart>& parts, const SheetSize& sheet, const CutSettings& settings)
{
    const Usable usable = UsableSheet(sheet, settings);
    const double k = usable.kerf;
    double area = 0.0;
    for (const auto& part : parts) {
        if (part.quantity > 0 && Unfit(part, sheet, usable).empty())
            area += part.quantity * (part.length + k) * (part.width + k);
    }
    if (area == 0.0)
        return 0;
    // Parts a kerf apart, each grown by one kerf, tile a sheet one kerf
    // larger; without that kerf a part the size of the sheet would count
    // as more than one sheet.
    const double sheets = area / ((usable.length + k) * (usable.width + k));
    return static_cast<int>(std::ceil(sheets * (1.0 - 1e-12)));
}

int SheetSizeBound(const std::vector<SheetPart>& parts, const SheetSize& sheet, const CutSettings& settings)
{
    const Usable usable = UsableSheet(sheet, settings);
    const double k = usable.kerf;
    // Sizes are reckoned in steps of this; each part in a row may gain up
    // to one step from the rounding, which the row is allowed on top.
    constexpr double kStep = 1.0 / 64.0;
    double area = 0.0;
    double smallest = std::numeric_limits<double>::infinity();
    // Each part's extents along x and along y, with its kerf; a part free
    // to turn offers either.
    std::vector<std::pair<double, double>> along, across;
    for (const auto& part : parts) {
        if (part.quantity <= 0 || !Unfit(part, sheet, usable).empty())
            continue;
        const double l = part.length + k;
        const double w = part.width + k;
        area += part.quantity * l * w;
        smallest = std::min(smallest, std::min(l, w));
        const bool turnable = Turnable(part, sheet);
        // More of one part than a row could hold change nothing.
        const double most = std::floor((std::max(usable.length, usable.width) + k) / std::min(l, w)) + 1.0;
        const int copies = static_cast<int>(std::min(static_cast<double>(part.quantity), most));
        for (int n = 0; n < copies; ++n) {
            along.emplace_back(l, turnable ? w : l);
            across.emplace_back(w, turnable ? l : w);
        }
    }
    if (area == 0.0)
        return 0;
    // The longest sum of extents that fits `room`, from above.
    const auto fullest = [&](std::vector<std::pair<double, double>>& extents, double room) {
        const auto cells = static_cast<std::size_t>(std::floor(room / kStep + kSlack)) + 1;
        std::vector<char> reach(cells, 0);
        reach[0] = 1;
        std::sort(extents.begin(), extents.end());
        std::size_t repeats = 0;
        for (std::size_t i = 0; i < extents.size(); ++i) {
            // Equal extents beyond what one row could hold change nothing.
            repeats = i > 0 && extents[i] == extents[i - 1] ? repeats + 1 : 0;
            if (static_cast<double>(repeats) * std::min(extents[i].first, extents[i].second) > room)
                continue;
            const auto a = static_cast<std::size_t>(std::floor(extents[i].first / kStep));
            const auto b = static_cast<std::size_t>(std::floor(extents[i].second / kStep));
            for (std::size_t c = cells; c-- > 0;) {
                if ((c >= a && reach[c - a]) || (c >= b && reach[c - b]))
                    reach[c] = 1;
            }
        }
        std::size_t best = cells - 1;
        while (!reach[best])
            --best;
        const double rowParts = std::floor(room / smallest + kSlack);
        return std::min(room, static_cast<double>(best) * kStep + rowParts * kStep);
    };
    const double length = fullest(along, usable.length + k);
    const double width = fullest(across, usable.width + k);
    const double sheets = area / std::min(length * (usable.width + k), (usable.length + k) * width);
    int bound = std::max(SheetLowerBound(parts, sheet, settings), static_cast<int>(std::ceil(sheets * (1.0 - 1e-12))));
    // Parts longer than a third of the sheet fit only twice along it, and
    // so on: each part counts as the share of the sheet it really denies
    // the others (dual feasible functions, Fekete and Schepers). Both sizes
    // may be counted that way at once.
    const auto share = [](double x, int kind) {
        if (kind == 0)
            return x;
        const double scaled = (kind + 1) * x;
        const double whole = std::round(scaled);
        // On a whole number the share is x itself; the rounding of the sums
        // may hide which side of it x is, so take the smaller.
        if (std::fabs(scaled - whole) < 1e-9)
            return (whole - 1.0) / kind;
        return std::floor(scaled) / kind;
    };
    constexpr int kKinds = 6;
    for (int fx = 0; fx <= kKinds; ++fx) {
        for (int fy = 0; fy <= kKinds; ++fy) {
            double total = 0.0;
            for (const auto& part : parts) {
                if (part.quantity <= 0 || !Unfit(part, sheet, usable).empty())
                    continue;
                const auto counted = [&](double l, double w) {
                    const double x = (l + k) / (usable.length + k);
                    const double y = (w + k) / (usable.width + k);
                    return x > 1.0 + kSlack || y > 1.0 + kSlack ? std::numeric_limits<double>::infinity()
                                                                : share(x, fx) * share(y, fy);
                };
                double least = counted(part.length, part.width);
                if (Turnable(part, sheet))
                    least = std::min(least, counted(part.width, part.length));
                total += part.quantity * least;
            }
            bound = std::max(bound, static_cast<int>(std::ceil(total * (1.0 - 1e-12) - 1e-9)));
        }
    }
    return bound;
}

SheetPlan PlanSheets(const std::vector<SheetPart>& parts, const SheetSize& sheet, const CutSettings& settings)
{
    SheetPlan plan;
    const Usable usable = UsableSheet(sheet, settings);
    const Types types = Collect(parts, sheet, usable, plan.unplaced);
    plan.lowerBound = SheetLowerBound(parts, sheet, settings);
    plan.sizeBound = SheetSizeBound(parts, sheet, settings);
    if (types.types.empty())
        return plan;
    const auto start = std::chrono::steady_clock::now();
    auto patterns = sheets::SearchSheets(types.types, types.sequence, usable, settings.budget, plan.budgetSpent);
    // Rips first suits most parts, but a job of parts that share one length
    // may go on fewer sheets crosscut first into panels of that length. The
    // search is the same with the sheet and every part turned a quarter;
    // the grain rides in which parts may turn, so it is kept.
    bool crosscutFirst = false;
    const SearchBudget& budget = settings.budget;
    const bool greedy = budget.leadingChoices <= 1 && budget.sheetCandidates <= 1;
    if (!greedy && static_cast<int>(patterns.size()) > plan.sizeBound) {
        std::vector<PieceType> turned = types.types;
        for (auto& type : turned)
            std::swap(type.length, type.width);
        bool spent = false;
        // A quarter of the nodes finds as many sheets saved as all of them
        // on generated kitchens, and keeps large jobs quick.
        SearchBudget quarter = budget;
        quarter.nodes /= 4;
        // Both searches together keep to the one time budget.
        if (budget.seconds > 0.0) {
            const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            quarter.seconds = std::max(budget.seconds - elapsed, 1e-9);
        }
        auto across =
            sheets::SearchSheets(turned, types.sequence, {usable.width, usable.length, usable.kerf}, quarter, spent);
        if (across.size() < patterns.size()) {
            patterns = std::move(across);
            plan.budgetSpent = spent;
            crosscutFirst = true;
        }
    }
    const SheetSize written = crosscutFirst ? SheetSize {sheet.width, sheet.length, sheet.grain} : sheet;
    SheetWriter writer(written, settings, types);
    for (const auto& pattern : patterns) {
        SheetLayout layout = writer.write(pattern);
        if (crosscutFirst)
            Transpose(layout);
        plan.sheets.push_back(std::move(layout));
    }
    return plan;
}

} // namespace boxmill
