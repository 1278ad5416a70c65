// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutListGroups.h"

#include "SectionCounts.h"

#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "geometry/DrawerCalculators.h"
#include "geometry/OpeningFit.h"

namespace boxmill {

using namespace cutlist;

namespace {

// The check's allowance is one unit of what the user sees: an inch, or a
// millimetre in metric.
double DepthAllowance(const CabinetModel& model)
{
    return model.units == UnitMode::Inches ? 1.0 : kInchesPerMillimetre;
}

// Calls `add(s, d)` for every drawer whose entry in `enabled` is checked.
// A drawer that cannot be built in its opening is not cut at all.
template <typename Enabled, typename Add> void ForEachDrawer(const GroupInputs& in, Enabled enabled, Add add)
{
    const CabinetModel& model = in.model();
    for (int s = 0; s < Sections(model); ++s) {
        for (int d = 0; d < Drawers(model, s); ++d) {
            if (enabled(model, s, d) && DrawerFits(model, in.layout(), s, d))
                add(s, d);
        }
    }
}

} // namespace

bool ListsDrawerBoxes(const CabinetModel& model)
{
    return model.include(IncludeItem::DrawerBoxes) && AnyDrawer(model, DrawerBoxEnabled);
}

void BuildDrawerList(const GroupInputs& in, CutList& list)
{
    const CabinetModel& model = in.model();
    const CalcContext& c = in.context;

    // Only boxes are cut to the drawer depth: a cabinet without them has
    // nothing that could run into its back.
    if (ListsDrawerBoxes(model) && model.param(Param::DrawerDepth) + DepthAllowance(model) > model.param(Param::Depth))
        in.told.push_back({MessageKind::Error, std::string(kDrawerDepthMessage)});

    if (model.include(IncludeItem::DrawerFaces)) {
        Batch faces("Dw Face(s)");
        ForEachDrawer(in, DrawerFaceEnabled, [&](int s, int d) { faces.add(CalcDrawerFace(c, s, d)); });
        faces.emitTo(list);
    }

    if (!model.include(IncludeItem::DrawerBoxes))
        return;
    Batch fronts("Dw Front(s)");
    ForEachDrawer(in, DrawerBoxEnabled,
                  [&](int s, int d) { fronts.add(CalcDrawerFrontBack(c, s, d, DrawerEnd::Front)); });
    fronts.emitTo(list);

    Batch backs("Dw Back(s)");
    ForEachDrawer(in, DrawerBoxEnabled,
                  [&](int s, int d) { backs.add(CalcDrawerFrontBack(c, s, d, DrawerEnd::Back)); });
    backs.emitTo(list);

    Batch sides("Dw Side(s)");
    ForEachDrawer(in, DrawerBoxEnabled, [&](int s, int d) {
        sides.add(CalcDrawerSide(c, s, d));
        sides.add(CalcDrawerSide(c, s, d));
    });
    sides.emitTo(list);

    Batch bottoms("Dw Bottom(s)");
    ForEachDrawer(in, DrawerBoxEnabled, [&](int s, int) { bottoms.add(CalcDrawerBottom(c, s)); });
    bottoms.emitTo(list);
}

} // namespace boxmill
