// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/ShelfCalculators.h"

#include "geometry/CalculatorInputs.h"
#include "geometry/Layout.h"

namespace boxmill {

using namespace partcalc;
using O = CabinetOption;

namespace {

// Whether the main-opening shelves of `left` and the section to its right
// line up with nothing between them.
bool ShelvesJoin(const Inputs& in, int left)
{
    const O divider = left == 0 ? O::SetDivider1 : O::SetDivider2;
    if (in.option(divider))
        return false;
    const std::string& mine = in.layout().cell(LayoutRow::Shelves, left);
    // An empty cell means no shelves, and two sections without shelves have
    // nothing to join.
    return !mine.empty() && mine == in.layout().cell(LayoutRow::Shelves, left + 1);
}

// The width a shelf spanning the run has between the carcass sides or
// dividers at its ends.
double RunWidth(const Inputs& in, ShelfRun run)
{
    if (run.first == run.last)
        return in.layout().SectionCarcassWidth[static_cast<std::size_t>(run.first)];

    double whole = in.P(Param::Width);
    if (in.has(IncludeItem::LeftSide))
        whole -= in.T(PartRow::LeftSide);
    if (in.has(IncludeItem::RightSide))
        whole -= in.T(PartRow::RightSide);
    if (run.first == 0 && run.last == in.sectionCount() - 1)
        return whole;

    // Two of three sections: two thirds of the width, up to the face of the
    // divider that ends the run, then moved as each section it spans is
    // moved (mullion shift, divider placement, blind corner).
    double width = whole * 2.0 / 3.0 - in.T(PartRow::Partition) / 2.0;
    for (int s = run.first; s <= run.last; ++s)
        width = PlaceCarcassWidth(in.model(), in.layout(), s, width);
    return width;
}

} // namespace

ShelfRun FindShelfRun(const CabinetModel& model, const LayoutResult& layout, int section)
{
    CheckSection(section);
    const Inputs in(model, layout);
    ShelfRun run {section, section};
    const int n = in.sectionCount();
    if (section >= n)
        return run;
    while (run.first > 0 && ShelvesJoin(in, run.first - 1))
        --run.first;
    while (run.last + 1 < n && ShelvesJoin(in, run.last))
        ++run.last;
    return run;
}

bool SkipShelf(const CabinetModel& model, const LayoutResult& layout, int section)
{
    return FindShelfRun(model, layout, section).first != section;
}

std::optional<PartSize> CalcShelf(const CalcContext& context, int section, ShelfKind kind)
{
    CheckSection(section);
    const Inputs in(context);
    const ShelfRun run =
        kind == ShelfKind::Shelf ? FindShelfRun(context.model, context.layout, section) : ShelfRun {section, section};
    if (run.first != section)
        return std::nullopt;

    // Only the outer sides are scribed.
    const double w = RunWidth(in, run) - in.scribes(run.first == 0, run.last == in.sectionCount() - 1);
    if (kind == ShelfKind::Partition) {
        const double dadoes = in.option(O::PartitionDadoes) ? 2.0 * in.P(Param::PartitionDado) : 0.0;
        return in.finish(PartRow::Partition, w + dadoes, in.clearDepth());
    }
    double length = w;
    double depth = in.clearDepth();
    if (in.adjustableShelves()) {
        // Loose shelves on pins need room to be put in and taken out.
        length -= in.P(Param::ShelfLengthAllowance);
        depth -= in.P(Param::ShelfDepthAllowance);
    } else if (in.option(O::ShelveDadoes)) {
        length += 2.0 * in.P(Param::BottomAndShelfDado);
    }
    return in.finish(PartRow::Shelf, length, depth);
}

} // namespace boxmill
