// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutlistEditor.h"

#include "CostCalculator.h"
#include "CutListGroups.h"
#include "CutListState.h"
#include "ListingFields.h"
#include "MillOptions.h"
#include "SectionCounts.h"
#include "StockSizeCheck.h"

#include "core/IncludeParts.h"

#include <utility>

namespace boxmill {

using namespace cutlist;

namespace {

struct BuildPlan {
    bool faceFrame = false;
    bool cabinet = false;
    bool drawers = false;
    bool doors = false;
    const char* buildName = "";
    const char* saveName = "";
};

BuildPlan PlanOf(ListingBuild build)
{
    switch (build) {
    case ListingBuild::All: return {true, true, true, true, "Complete Cabinet:", "Complete.txt"};
    case ListingBuild::Cabinet: return {false, true, false, false, "Cabinet Only:", "Cabinet.txt"};
    case ListingBuild::Face: return {true, false, false, false, "Face Frame Only:", "Face.txt"};
    case ListingBuild::Drawers: return {false, false, true, false, "Drawers Only:", "Drawers.txt"};
    case ListingBuild::Doors: return {false, false, false, true, "Doors Only:", "Doors.txt"};
    }
    return {};
}

// An enabled face gives the listing its drawers section when either drawer
// include item is checked, even where the faces themselves are not listed.
bool AnyDrawerFace(const CabinetModel& model)
{
    return (model.include(IncludeItem::DrawerBoxes) || model.include(IncludeItem::DrawerFaces)) &&
           AnyDrawer(model, DrawerFaceEnabled);
}

class ListingWriter {
public:
    ListingWriter(Listing& listing, const CabinetModel& model)
        : m_listing(listing)
        , m_cabinet(model.folders.cabinetStyle)
    {
    }

    void line(std::string text) { m_listing.lines.push_back(std::move(text)); }
    void separator() { m_listing.lines.emplace_back(kListingSeparator); }

    // A group of boards under its title, each board also a record of the
    // working file.
    template <typename Builder> void group(const char* title, const GroupInputs& in, Builder build)
    {
        CutList list;
        build(in, list);
        line(title);
        line({});
        for (const auto& batch : list) {
            for (const auto& row : batch.rows) {
                const std::string woodStock = row.material + "-" + row.stock;
                const std::string quantity = row.quantityText();
                line(BoardLine(quantity, batch.partName, row.width, row.length, woodStock));
                m_listing.cutlistFile.push_back(
                    CutlistFileLine(batch.partName, row.width, row.length, quantity, woodStock, m_cabinet));
            }
        }
        separator();
    }

private:
    Listing& m_listing;
    const std::string& m_cabinet;
};

[[nodiscard]] Messages WriteWoodListing(ListingWriter& out, const CabinetModel& model, CostCalculator& cost)
{
    Messages told = cost.update(model);
    out.line(WoodLine("Wood Type", WoodCostAreaTitle(model.units)));
    out.line({});
    for (const auto& row : cost.cost().rows)
        out.line(WoodLine(row.woodText, row.areaText));
    out.separator();
    out.line("Job Total: $" + cost.jobTotalText());
    return told;
}

} // namespace

WithMessages<Listing> BuildListing(ListingBuild build, CabinetModel& model, const LayoutResult& layout,
                                   CostCalculator& cost, std::string_view todaysDate)
{
    const BuildPlan plan = PlanOf(build);
    WithMessages<Listing> built;
    Messages& told = built.messages;
    Listing& listing = built.value;
    listing.build = build;
    listing.showing = "Showing Cutlist: " + model.folders.cabinetStyle;
    listing.buildName = plan.buildName;
    listing.saveName = plan.saveName;

    StartCutListBuild(model, told);
    const GroupInputs in {{model, layout, model.partArea}, told};
    ListingWriter out(listing, model);

    out.line("Todays Date " + std::string(todaysDate));
    out.line("Cabinet Style: " + model.folders.cabinetStyle);
    out.separator();
    out.line(BoardLine("Quantity", "Parts  ", "Width  ", "Length ", "Stock  "));
    out.separator();

    const bool boxes = ListsDrawerBoxes(model);
    if (plan.faceFrame && model.include(IncludeItem::FaceFrame))
        out.group("Face Frame:", in, BuildFaceFrameList);
    if (plan.cabinet)
        out.group("Cabinet:", in, BuildCabinetList);
    if (plan.drawers && (boxes || AnyDrawerFace(model)))
        out.group("Drawers:", in, BuildDrawerList);
    if (plan.doors && HasDoors(model))
        out.group("Doors:", in, BuildDoorList);

    Append(told, WriteWoodListing(out, model, cost));

    if (plan.cabinet)
        Append(told, AddCabinetMillOptions(model, layout, listing.lines));
    if (plan.drawers && boxes)
        AddDrawerMillOptions(model, layout, listing.lines);
    if (plan.doors)
        AddPanelMillOptions(model, layout, listing.lines);
    return built;
}

} // namespace boxmill
