// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrontDimensions.h"

#include "core/CabinetModel.h"
#include "core/IncludeParts.h"
#include "geometry/LayoutResult.h"
#include "geometry/OpeningFit.h"
#include "geometry/PartCalculators.h"

#include <algorithm>

namespace boxmill {

namespace {

class RowFiller {
public:
    RowFiller(const CabinetModel& model, const LayoutResult& layout)
        : m_context {model, layout, m_scratch}
    {
    }

    void add(const char* part, const PartSize& size)
    {
        m_rows.push_back({part, size.widthText, size.lengthText, size.stockText});
    }
    void add(const char* part, const std::optional<PartSize>& size)
    {
        if (size)
            add(part, *size);
    }

    const CalcContext& context() const { return m_context; }
    std::vector<FrontDimensionRow> take() { return std::move(m_rows); }

private:
    // The grid only shows sizes; the wood totals of a cut list are not
    // touched.
    PartAreas m_scratch {};
    CalcContext m_context;
    std::vector<FrontDimensionRow> m_rows;
};

void FaceFrameRows(RowFiller& rows, const CabinetModel& model, int s)
{
    const CalcContext& c = rows.context();
    const int n = model.sectionCount;
    const bool partition = model.sectionItem(s, SectionItem::Partition) != 0;
    rows.add("Top Rail", CalcTopRail(c));
    rows.add("Bot Rail", CalcBottomRail(c));
    rows.add("L Stile", CalcLeftStile(c));
    rows.add("R Stile", CalcRightStile(c));
    if (n >= 2 && model.include(IncludeItem::Mullions))
        rows.add("Mullions", CalcMullion(c));
    if (model.include(IncludeItem::MidRails) && model.sectionItem(s, SectionItem::DrawerCount) > 0)
        rows.add("Mid Rails", CalcMidRail(c, s, FaceRail::MidRail));
    if (model.include(IncludeItem::PartitionRails) && partition)
        rows.add("Pt Rails", CalcMidRail(c, s, FaceRail::PartitionRail));
    if (model.include(IncludeItem::DoorMullions)) {
        // No door mullion is cut for doors left out for want of room.
        if (model.sectionItem(s, SectionItem::PartitionDoors) == 2 && DoorsFit(model, c.layout, s, Opening::Upper))
            rows.add("Dr Mullion", CalcDoorMullion(c, s, Opening::Upper));
        if (model.sectionItem(s, SectionItem::DoorCount) == 2 && DoorsFit(model, c.layout, s, Opening::Lower))
            rows.add("Dr Mullion", CalcDoorMullion(c, s, Opening::Lower));
    }
    if (model.include(IncludeItem::ToeKick))
        rows.add("Toekick", CalcToekick(c));
    if (model.include(IncludeItem::Top))
        rows.add("Top", CalcTop(c));
    if (model.record.flag(RecordOffset::BlindCorner))
        rows.add("Blind Pnl", CalcBlindPanel(c));
}

void CarcassRows(RowFiller& rows, const CabinetModel& model, int s)
{
    const CalcContext& c = rows.context();
    const int n = model.sectionCount;
    if (model.include(IncludeItem::ToeKick))
        rows.add("Toekick", CalcToekick(c));
    if (model.include(IncludeItem::Top))
        rows.add("Top", CalcTop(c));
    if (model.include(IncludeItem::LeftSide) || model.include(IncludeItem::RightSide))
        rows.add("Side(s)", CalcSide(c, model.include(IncludeItem::LeftSide) ? Side::Left : Side::Right));
    if (model.include(IncludeItem::Bottom))
        rows.add("Bottom", CalcBottom(c));
    if (model.include(IncludeItem::CarcassRails))
        rows.add("Carc Rails", CalcCarcassRail(c));
    if (model.options[CabinetOption::SetDivider1] && n >= 2)
        rows.add("Divider(s)", CalcDivider(c));
    if (model.options[CabinetOption::SetDivider2] && n == 3)
        rows.add("Divider(s)", CalcDivider(c));
    if (model.include(IncludeItem::Partitions) && model.sectionItem(s, SectionItem::Partition) != 0)
        rows.add("Partition(s)", CalcShelf(c, s, ShelfKind::Partition));
    if (model.include(IncludeItem::Shelves)) {
        // A shelf that continues the neighbour's is listed there.
        if (model.sectionItem(s, SectionItem::Shelves) > 0)
            rows.add("Shelve(s)", CalcShelf(c, s, ShelfKind::Shelf));
        if (model.sectionItem(s, SectionItem::PartitionShelves) > 0)
            rows.add("Shelve(s)", CalcShelf(c, s, ShelfKind::UpperShelf));
    }
    if (model.include(IncludeItem::Back))
        rows.add("Back", CalcBack(c));
    if (model.include(IncludeItem::Front))
        rows.add("Front", CalcFront(c));
}

} // namespace

std::vector<FrontDimensionRow> FillFrontDimensions(const CabinetModel& model, const LayoutResult& layout,
                                                   int shownSection)
{
    const int s = std::clamp(shownSection, 1, std::clamp(model.sectionCount, 1, kSections)) - 1;
    RowFiller rows(model, layout);
    if (model.include(IncludeItem::FaceFrame))
        FaceFrameRows(rows, model, s);
    else
        CarcassRows(rows, model, s);
    auto filled = rows.take();
    constexpr std::size_t kMinRows = kFrontDimensionsMinGridRows - 1; // below the header
    if (filled.size() < kMinRows)
        filled.resize(kMinRows);
    return filled;
}

} // namespace boxmill
