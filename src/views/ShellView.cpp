// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellView.h"

#include "ViewDrawing.h"
#include "ViewRows.h"

#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "core/PartRows.h"
#include "core/RecordFieldNames.h"
#include "designer/FaceDrawing.h"
#include "geometry/PartCalculators.h"

#include <string>

namespace boxmill {

namespace {

using namespace views;
using O = CabinetOption;

// The view's shapes in stacking order. The window's section label lies
// between the toe kick and the nailers.
namespace S {
constexpr int Back = 0;
constexpr int LeftSide = 1;
constexpr int RightSide = 2;
constexpr int Bottom = 3;
constexpr int CabinetTop = 4;
constexpr int CarcassRail = 5;
constexpr int ToeKick = 6;
constexpr int ToeKick2 = 7;
constexpr int FirstNailer = 8;
constexpr int FirstShelf = FirstNailer + kMaxNailers;
constexpr int FirstPartition = FirstShelf + 2 * kSections * kMaxShelves;
constexpr int Divider2 = FirstPartition + kSections;
constexpr int Divider1 = Divider2 + 1;
constexpr int ToeKickBlank = Divider1 + 1;
constexpr int Front = ToeKickBlank + 1;
constexpr int Count = Front + 1;

// All main-opening shelves come before those above a partition.
constexpr int Shelf(int s, bool upper, int shelf)
{
    return FirstShelf + ((upper ? kSections : 0) + s) * kMaxShelves + shelf;
}
constexpr int Divider(int d)
{
    return d == 0 ? Divider1 : Divider2;
}
} // namespace S

ShapeSet BuildShellShapes()
{
    std::vector<ShapeEntry> entries(S::Count);
    const auto add = [&](int index, std::string name, const char* hint, std::optional<int> parameter = std::nullopt) {
        entries[static_cast<std::size_t>(index)] = ShapeEntry {std::move(name), hint, parameter};
    };
    add(S::Back, "Back", "Cabinet Back");
    add(S::LeftSide, "LeftSide", "Left Side");
    add(S::RightSide, "RightSide", "Right Side");
    add(S::Bottom, "Bottom", "Cabinet Bottom", Param::BottomOffset);
    add(S::CabinetTop, "CabinetTop", "Cabinet Top");
    add(S::CarcassRail, "CarcassRail", "Carcass Rail", Param::CarcassRail);
    add(S::ToeKick, "ToeKick", "Toekick", Param::ToeKickHeight);
    add(S::ToeKick2, "ToeKick2", "Toekick", Param::ToeKickHeight);
    for (int n = 0; n < kMaxNailers; ++n)
        add(S::FirstNailer + n, "Nailer" + std::to_string(n + 1), "Nailer", Param::NailerWidth);
    for (int s = 0; s < kSections; ++s) {
        const std::string x(1, kSectionLetters[s]);
        for (int i = 0; i < kMaxShelves; ++i) {
            add(S::Shelf(s, false, i), "Shelve" + std::to_string(i + 1) + x, "Shelve");
            add(S::Shelf(s, true, i), "Shelve" + std::to_string(i + 1) + x + "P", "Shelve");
        }
        add(S::FirstPartition + s, "Partition" + x, "Partition");
    }
    add(S::Divider2, "Divider2", "Divider");
    add(S::Divider1, "Divider1", "Divider");
    add(S::ToeKickBlank, "ToeKickBlank", "Toekick", Param::ToeKickHeight);
    entries[S::ToeKickBlank].blank = true;
    add(S::Front, "Front", "Cabinet Front");
    return MakeShapeSet(entries);
}

const ShapeSet& ShellShapes()
{
    static const ShapeSet shapes = BuildShellShapes();
    return shapes;
}

class ShellLayout {
public:
    ShellLayout(const CabinetModel& model, const LayoutResult& layout, ShapeSet& shapes)
        : m_model(model)
        , m_u(model)
        , m_face(DrawCabinetFace(model, layout))
        , m_shapes(shapes)
    {
    }

    void carcass();
    void sections();

private:
    Shape& at(int index) { return m_shapes.shapes[static_cast<std::size_t>(index)]; }
    const Shape& face(const char* name) const { return *m_face.find(name); }
    const Shape& face(const std::string& name) const { return *m_face.find(name); }
    bool inc(int item) const { return m_model.include(item); }
    int P(int param) const { return m_u.P(param); }
    int T(int row) const { return m_u.T(row); }

    void toeKick();
    void insidePanels();
    void nailers();
    // The top of the first shelf of section A, shown or not.
    int firstShelfTop() const;

    const CabinetModel& m_model;
    const Units m_u;
    // The designer's drawing: this view stands its dividers against its
    // mullions and takes its section openings, partitions and shelves.
    const ShapeSet m_face;
    ShapeSet& m_shapes;
};

void ShellLayout::carcass()
{
    const int H = P(Param::Height);
    const int W = P(Param::Width);
    const bool detached = m_model.record.flag(RecordOffset::DetachedBase);
    // Seen from the front without the face frame the sides run from the
    // very top; only a detached base takes its height off them.
    const int sideHeight = H - (inc(IncludeItem::ToeKick) && detached ? P(Param::ToeKickHeight) : 0);
    Place(at(S::LeftSide), kOriginX, kOriginY, T(PartRow::LeftSide), sideHeight, inc(IncludeItem::LeftSide));
    Place(at(S::RightSide), kOriginX + W - T(PartRow::RightSide), kOriginY, T(PartRow::RightSide), sideHeight,
          inc(IncludeItem::RightSide));

    // Top, carcass rail and bottom stand where the designer puts them.
    CopyPlacement(at(S::CabinetTop), face("CabinetTop"));
    CopyPlacement(at(S::CarcassRail), face("CarcassRail"));
    CopyPlacement(at(S::Bottom), face("Bottom"));
    toeKick();
    insidePanels();
}

void ShellLayout::toeKick()
{
    const bool shown = inc(IncludeItem::ToeKick);
    const int H = P(Param::Height);
    const int W = P(Param::Width);
    Shape& kick = at(S::ToeKick);
    if (m_model.record.flag(RecordOffset::DetachedBase)) {
        // A detached base is a box between the sides, up to the bottom.
        const int height = P(Param::ToeKickHeight) + P(Param::BottomRail) - T(PartRow::RightSide) + 1;
        const int left = T(PartRow::LeftSide);
        Place(kick, kOriginX + left, kOriginY + H - height, W - left - T(PartRow::RightSide), height, shown);
        return;
    }
    const int height = P(Param::ToeKickHeight) + 1;
    Place(kick, kOriginX, kOriginY + H - height, W, height, shown);
    // The recess under the bottom and the white line that joins it to the
    // toe kick are the designer's.
    CopyPlacement(at(S::ToeKick2), face("ToeKick2"));
    CopyPlacement(at(S::ToeKickBlank), face("ToeKickBlank"));
    at(S::ToeKick2).visible = at(S::ToeKickBlank).visible = shown;
}

void ShellLayout::insidePanels()
{
    const bool top = inc(IncludeItem::Top);
    const bool rail = inc(IncludeItem::CarcassRails);
    const Shape& topShape = at(S::CabinetTop);
    const Shape& railShape = at(S::CarcassRail);
    const int bottomTop = at(S::Bottom).top;
    const int W = P(Param::Width);
    const int between = W - T(PartRow::LeftSide) - T(PartRow::RightSide);

    // The front, and a back set inside, hang from the underside of what
    // closes the case at the top, whatever its joint; the carcass rail wins
    // in an old file that has both.
    int under = kOriginY;
    if (top)
        under = topShape.top + T(PartRow::Top);
    if (rail)
        under = railShape.top + T(PartRow::CarcassRail);
    Place(at(S::Front), kOriginX + T(PartRow::LeftSide), under, between, bottomTop - under, inc(IncludeItem::Front));

    Shape& back = at(S::Back);
    if (m_model.options[O::BackInside]) {
        Place(back, kOriginX + T(PartRow::LeftSide), under, between, bottomTop - under, inc(IncludeItem::Back));
        return;
    }
    // Behind the case the back runs from the top edge of the top or rail.
    int backTop = kOriginY;
    if (top)
        backTop = topShape.top;
    else if (rail)
        backTop = railShape.top;
    const int height = bottomTop - backTop + (top || rail ? 1 : 0);
    Place(back, kOriginX, backTop, W, height, inc(IncludeItem::Back));
}

void ShellLayout::sections()
{
    const Shape& top = at(S::CabinetTop);
    const Shape& rail = at(S::CarcassRail);
    int upper = inc(IncludeItem::Top) ? top.top + T(PartRow::Top) : kOriginY;
    if (inc(IncludeItem::CarcassRails))
        upper = m_model.options[O::NotchedDivider] ? rail.top : rail.top + T(PartRow::CarcassRail);
    const int lower = at(S::Bottom).top;
    for (int d = 0; d < 2; ++d) {
        // Across, each divider keeps the designer's place against its
        // mullion, even when it is not set: the shelves reach through it.
        Shape& divider = at(S::Divider(d));
        const Shape& faceDivider = face("Divider" + std::to_string(d + 1));
        Place(divider, faceDivider.left, upper, T(PartRow::Partition), lower - upper, DividerShown(m_model, d));
    }

    // The designer spaces the shelves in its openings, runs them between
    // the sides and dividers and lays the double partition's second panel
    // on the first mid rail; the partitions lie on its partition rails.
    for (int s = 0; s < kSections; ++s) {
        const std::string x(1, kSectionLetters[s]);
        for (int i = 0; i < kMaxShelves; ++i) {
            const std::string number = std::to_string(i + 1);
            CopyPlacement(at(S::Shelf(s, false, i)), face("Shelve" + number + x));
            CopyPlacement(at(S::Shelf(s, true, i)), face("Shelve" + number + x + "P"));
        }
        CopyPlacement(at(S::FirstPartition + s), face("Partition" + x));
    }
    nailers();
}

int ShellLayout::firstShelfTop() const
{
    // A section of banked drawers holds no shelves whatever its count says,
    // as the designer draws it.
    const bool shelves = m_model.sectionItem(0, SectionItem::Shelves) > 0 && m_model.banksInUse(0) == 0;
    if (shelves)
        return face("Shelve1A").top;
    // With no shelf the opening is one space tall: a first shelf would lie
    // a unit above the opening's foot.
    return face("BottomRail").top - 1;
}

void ShellLayout::nailers()
{
    const bool left = inc(IncludeItem::LeftSide);
    const bool right = inc(IncludeItem::RightSide);
    const int x = left ? kOriginX + T(PartRow::LeftSide) - 1 : kOriginX;
    const int width = P(Param::Width) - (left ? T(PartRow::LeftSide) : 0) - (right ? T(PartRow::RightSide) : 0) + 2;
    const int height = P(Param::NailerWidth);

    int topNailer = at(S::CarcassRail).top + (inc(IncludeItem::CarcassRails) ? T(PartRow::CarcassRail) : 1) - 1;
    if (inc(IncludeItem::Top))
        topNailer = at(S::CabinetTop).top + T(PartRow::Top) - 1;
    const int tops[kMaxNailers] = {topNailer, at(S::Bottom).top - height + 1, firstShelfTop() + T(PartRow::Shelf) - 1};
    const int count = inc(IncludeItem::Nailers) ? m_model.options.nailerCount.value_or(0) : 0;
    for (int n = 0; n < kMaxNailers; ++n)
        Place(at(S::FirstNailer + n), x, tops[n], width, height, n < count);
}

enum Row { Sides, Bottom, Toekick, Top, CarcRails, Dividers, Partitions, Shelves, Nailers, Back, Front };

std::vector<ViewRow> ShellRows(const CabinetModel& model, const LayoutResult& layout, int s)
{
    ViewTable table(model, layout,
                    {"Sides", "Bottom", "Toekick", "Top", "Carc Rails", "Dividers", "Partitions", "Shelves", "Nailers",
                     "Back", "Front"});
    const CalcContext& c = table.context();
    const auto inc = [&](int item) { return model.include(item); };
    if (inc(IncludeItem::LeftSide) || inc(IncludeItem::RightSide))
        table.fill(Sides, CalcSide(c, inc(IncludeItem::LeftSide) ? Side::Left : Side::Right));
    if (inc(IncludeItem::Bottom))
        table.fill(Bottom, CalcBottom(c));
    if (inc(IncludeItem::ToeKick))
        table.fill(Toekick, CalcToekick(c));
    if (inc(IncludeItem::Top))
        table.fill(Top, CalcTop(c));
    if (inc(IncludeItem::CarcassRails))
        table.fill(CarcRails, CalcCarcassRail(c));
    // Every divider is the same board.
    if (DividerShown(model, 0) || DividerShown(model, 1))
        table.fill(Dividers, CalcDivider(c));
    if (inc(IncludeItem::Partitions) && model.sectionItem(s, SectionItem::Partition) > 0)
        table.fill(Partitions, CalcShelf(c, s, ShelfKind::Partition));
    if (inc(IncludeItem::Shelves)) {
        // A shelf cut as part of its neighbour's is listed there, not here;
        // the shelves above a partition stand when there are any.
        if (model.sectionItem(s, SectionItem::Shelves) > 0)
            table.fill(Shelves, CalcShelf(c, s, ShelfKind::Shelf));
        if (model.sectionItem(s, SectionItem::PartitionShelves) > 0)
            table.fill(Shelves, CalcShelf(c, s, ShelfKind::UpperShelf));
    }
    if (inc(IncludeItem::Nailers))
        table.fill(Nailers, CalcNailer(c));
    if (inc(IncludeItem::Back))
        table.fill(Back, CalcBack(c));
    if (inc(IncludeItem::Front))
        table.fill(Front, CalcFront(c));
    return table.take();
}

// The window keeps at least the height of its tool bar, table and label.
constexpr int kShellMinHeight = 372;
constexpr int kShellWideWidth = 450;

} // namespace

ConstructionView DrawShellView(const CabinetModel& model, const LayoutResult& layout, int shownSection,
                               int currentWidth)
{
    const int s = std::clamp(shownSection, 1, Sections(model)) - 1;
    ConstructionView view;
    view.shapes = ShellShapes();
    ShellLayout drawing(model, layout, view.shapes);
    drawing.carcass();
    drawing.sections();
    DropNegativeSizes(view.shapes);
    view.rows = ShellRows(model, layout, s);
    const Units u(model);
    view.windowWidth = GrowOrLimit(kOriginX + u.P(Param::Width) + kRightMargin, kShellWideWidth, currentWidth);
    view.windowHeight = AtLeast(kOriginY, u.P(Param::Height), kBottomMargin, kShellMinHeight);
    view.unitsPerInch = 4 * model.drawScale;
    view.statusTexts = ViewStatusTexts(model);
    return view;
}

int NextShellSection(const CabinetModel& model, int shownSection)
{
    const int n = Sections(model);
    return std::clamp(shownSection, 1, n) % n + 1;
}

} // namespace boxmill
