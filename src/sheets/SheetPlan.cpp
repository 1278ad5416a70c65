// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetPlan.h"

#include "StripSearch.h"

#include <algorithm>
#include <cmath>

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
    std::vector<int> demand;
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
            out.demand.push_back(0);
        }
        out.names[index].insert(out.names[index].end(), static_cast<std::size_t>(part.quantity), part.name);
        out.demand[index] += part.quantity;
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
            std::vector<double> stackX;
            for (const auto& stack : strip.stacks) {
                stackX.push_back(x);
                const double end = x + stack.along;
                if (end < L - kSlack)
                    cut(CutKind::Crosscut, end, bottom, end, top);
                x = end + m_kerf;
            }
            offcut(x, bottom, L - m_trim - x, strip.height);
            // And the trims that part each stack.
            for (std::size_t k = 0; k < strip.stacks.size(); ++k) {
                const auto& stack = strip.stacks[k];
                double py = bottom;
                for (int n = 0; n < stack.count; ++n) {
                    place(stack, stackX[k], py);
                    partArea += stack.along * stack.across;
                    const double edge = py + stack.across;
                    if (edge < top - kSlack)
                        cut(CutKind::Trim, stackX[k], edge, stackX[k] + stack.along, edge);
                    py = edge + m_kerf;
                }
                offcut(stackX[k], py, stack.along, top - py);
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

SheetPlan PlanSheets(const std::vector<SheetPart>& parts, const SheetSize& sheet, const CutSettings& settings)
{
    SheetPlan plan;
    const Usable usable = UsableSheet(sheet, settings);
    const Types types = Collect(parts, sheet, usable, plan.unplaced);
    plan.lowerBound = SheetLowerBound(parts, sheet, settings);
    if (types.types.empty())
        return plan;
    const auto patterns = sheets::SearchSheets(types.types, types.demand, usable, settings.budget, plan.budgetSpent);
    SheetWriter writer(sheet, settings, types);
    for (const auto& pattern : patterns)
        plan.sheets.push_back(writer.write(pattern));
    return plan;
}

} // namespace boxmill
