// SPDX-License-Identifier: GPL-3.0-or-later
#include "MillOptionWriter.h"

#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "geometry/Calculators.h"
#include "geometry/OpeningFit.h"

#include <array>
#include <string_view>

namespace boxmill::cutlist {

using O = CabinetOption;

namespace {

// The two faces a board of section s is dadoed into: the cabinet sides at
// the ends, the dividers between sections.
enum class Face { LeftSide, RightSide, Divider1, Divider2 };

std::array<Face, 2> FacesOf(int sections, int s)
{
    if (sections == 1)
        return {Face::LeftSide, Face::RightSide};
    if (s == 0)
        return {Face::LeftSide, Face::Divider1};
    if (s == sections - 1)
        return {sections == 2 ? Face::Divider1 : Face::Divider2, Face::RightSide};
    return {Face::Divider1, Face::Divider2};
}

bool IsDivider(Face face)
{
    return face == Face::Divider1 || face == Face::Divider2;
}

// A divider face gets lines only where the divider is set.
bool FaceExists(const MillOptionWriter& w, Face face)
{
    if (face == Face::Divider1)
        return Divider1(w.model());
    if (face == Face::Divider2)
        return Divider2(w.model());
    return true;
}

// Every label starts with 15 characters naming the face. The partitions of
// the middle section of three spell their dividers differently.
std::string_view FaceLabel(Face face, bool middlePartition)
{
    switch (face) {
    case Face::LeftSide: return "Dado Lt.  Side ";
    case Face::RightSide: return "Dado Rt.  Side ";
    case Face::Divider1: return middlePartition ? "Dado Divider1  " : "Dado Divider 1 ";
    case Face::Divider2: return middlePartition ? "Dado Divider2  " : "Dado Divider 2 ";
    }
    return {};
}

bool OverlaidTop(const MillOptionWriter& w)
{
    return w.inc(IncludeItem::Top) && w.opt(O::TopButtJoint);
}

// Top of the cabinet to the top of the partition, on a side or on a
// divider, which starts lower down.
double PartitionHeight(const MillOptionWriter& w, Face face, double pos)
{
    const double topOffset = TopOffset(w);
    const bool frame = w.inc(IncludeItem::FaceFrame);
    if (!IsDivider(face)) {
        if (frame)
            return w.P(Param::TopRail) + pos;
        if (w.inc(IncludeItem::Top))
            return OverlaidTop(w) ? pos : w.S(PartRow::Top) + pos;
        return topOffset + pos;
    }
    double base = 0.0;
    if (frame)
        base = OverlaidTop(w) ? w.P(Param::TopRail) : w.P(Param::TopRail) - topOffset;
    else if (w.inc(IncludeItem::Top) && w.opt(O::TopDado))
        base = w.S(PartRow::Top) - topOffset;
    double height = base + pos;
    if (w.opt(O::DividerDado) && topOffset != 0.0 && !OverlaidTop(w))
        height += w.P(Param::DividerDado);
    return height;
}

std::string SectionNumber(int s)
{
    return std::to_string(s + 1);
}

} // namespace

double TopOffset(const MillOptionWriter& w)
{
    if (w.inc(IncludeItem::Top))
        return w.S(PartRow::Top) + (w.opt(O::TopDado) ? w.P(Param::TopAndRailSetdown) : 0.0);
    if (w.inc(IncludeItem::CarcassRails))
        return w.S(PartRow::CarcassRail) + (w.opt(O::CarcassRabbit) ? 0.0 : w.P(Param::TopAndRailSetdown));
    return 0.0;
}

void AddPartitionDadoLines(MillOptionWriter& w)
{
    const CabinetModel& model = w.model();
    const int sections = Sections(model);
    for (int s = 0; s < sections; ++s) {
        if (!HasPartition(model, s))
            continue;
        const double pos = w.layout().UpperHeight[static_cast<std::size_t>(s)];
        // Under the drawers of a section with a double partition lies a
        // second one, below the partition rail and the first drawer.
        const bool twin = model.options[O::ExtraPartition] && Drawers(model, s) > 0;
        const double twinDrop = w.P(Param::PartitionRail) + w.P(Param::DrawerFace(s, 0));
        const bool middle = sections == 3 && s == 1;

        const auto write = [&](Face face, const char* which, double extra) {
            if (!FaceExists(w, face))
                return;
            const std::string label =
                std::string(FaceLabel(face, middle)) + "For " + which + ": Sec " + SectionNumber(s);
            w.line(label, PartitionHeight(w, face, pos) + extra, w.P(Param::PartitionDado));
        };
        const auto faces = FacesOf(sections, s);
        if (middle) {
            for (const Face face : faces)
                write(face, "Partition1", 0.0);
            if (twin) {
                for (const Face face : faces)
                    write(face, "Partition2", twinDrop);
            }
            continue;
        }
        for (const Face face : faces) {
            write(face, "Partition1", 0.0);
            if (twin)
                write(face, "Partition2", twinDrop);
        }
    }
}

void AddShelfDadoLines(MillOptionWriter& w)
{
    const CabinetModel& model = w.model();
    const LayoutResult& layout = w.layout();
    const int sections = Sections(model);
    const double top = w.inc(IncludeItem::FaceFrame) ? w.P(Param::TopRail) : TopOffset(w);
    for (int s = 0; s < sections; ++s) {
        const auto i = static_cast<std::size_t>(s);
        const int lowerShelves = ShelvesFit(model, layout, s) ? Count(model, s, SectionItem::Shelves, kMaxShelves) : 0;
        const int upperShelves = Count(model, s, SectionItem::PartitionShelves, kMaxShelves);

        // The opening below the drawers starts under the partition and the
        // drawer stack.
        double lowerTop = top;
        if (HasPartition(model, s))
            lowerTop += layout.UpperHeight[i] + w.P(Param::PartitionRail);
        for (int d = 0; d < Drawers(model, s); ++d)
            lowerTop += layout.DrawerHeight[i][static_cast<std::size_t>(d)] + w.P(Param::MidRail);

        const auto write = [&](const char* opening, double height) {
            for (const Face face : FacesOf(sections, s)) {
                if (FaceExists(w, face))
                    w.line(std::string(FaceLabel(face, false)) + "For Shelve(s) " + opening + ":Sec " +
                               SectionNumber(s),
                           height, w.P(Param::BottomAndShelfDado));
            }
        };
        if (lowerShelves > 0)
            write("Lower", lowerTop + layout.ShelfSpacing[i]);
        if (upperShelves > 0)
            write("Upper", top + layout.PartitionShelfSpacing[i]);
        if (lowerShelves > 1)
            w.line("Dado Intervals For Shelve(s) Lower:Sec " + SectionNumber(s), layout.cell(LayoutRow::Shelves, s),
                   kBlankMark);
        if (upperShelves > 1)
            w.line("Dado Intervals For Shelve(s) Upper:Sec " + SectionNumber(s),
                   layout.cell(LayoutRow::UpperShelves, s), kBlankMark);
    }
}

bool AddBottomLine(MillOptionWriter& w)
{
    const bool detached = DetachedBase(w.model());
    const bool toekick = w.inc(IncludeItem::ToeKick);
    // How high the bottom's underside stands above the lower edge of the
    // sides: what the bottom rail drops below it, and the toekick.
    double position = 0.0;
    if (w.inc(IncludeItem::FaceFrame) && w.P(Param::BottomRail) >= w.P(Param::BottomOffset) + w.S(PartRow::Bottom))
        position = w.P(Param::BottomRail) - w.P(Param::BottomOffset) - w.S(PartRow::Bottom);
    if (toekick && !detached)
        position += w.P(Param::ToeKickHeight);

    if (position != 0.0) {
        double side = w.P(Param::Height);
        if (detached && toekick)
            side -= w.P(Param::ToeKickHeight);
        if (OverlaidTop(w))
            side -= w.S(PartRow::Top);
        w.line("Dado Sides   For Bottom:", side - (position + w.S(PartRow::Bottom)), w.P(Param::BottomAndShelfDado));
        return false;
    }
    // Flush with the lower edge of the sides a dado would break out.
    w.line("Rabbit Sides For Bottom:", kBlankMark, w.P(Param::TopRabbit));
    return true;
}

void AddDividerDadoLines(MillOptionWriter& w, bool bottomRabbeted)
{
    const LayoutResult& layout = w.layout();
    const bool dadoed = w.opt(O::DividerDado);
    const auto write = [&](int number, double bottomPosition, double topPosition) {
        const std::string suffix = " For Divider" + std::to_string(number) + ":";
        if (w.inc(IncludeItem::Bottom)) {
            // The layout places a divider for a dadoed bottom; a rabbeted
            // one reaches into the sides by the rabbit instead.
            double height = bottomPosition;
            if (bottomRabbeted && w.opt(O::BottomDado))
                height += w.P(Param::TopRabbit) - w.P(Param::BottomAndShelfDado);
            w.line(std::string(dadoed ? "Dado " : "Set  ") + "Bottom " + suffix, height,
                   dadoed ? w.measure(w.P(Param::DividerDado)) : std::string(kBlankMark));
        }
        const bool top = w.inc(IncludeItem::Top);
        const bool rail = w.inc(IncludeItem::CarcassRails);
        if (!top && !rail)
            return;
        // An overlaid top and a carcass rail sitting in the divider's notch
        // take no dado: the divider is only set out under them.
        const bool topDadoed = dadoed && !(top && w.opt(O::TopButtJoint)) && !(rail && w.opt(O::NotchedDivider));
        w.line(std::string(topDadoed ? "Dado " : "Set  ") + (top ? "Top    " : "Carcass") + suffix, topPosition,
               topDadoed ? w.measure(w.P(Param::DividerDado)) : std::string(kBlankMark));
    };
    if (Divider1(w.model()))
        write(1, layout.DividerPosBottom, layout.DividerPosTop);
    if (Divider2(w.model()))
        write(2, layout.Divider2PosBottom, layout.Divider2PosTop);
}

} // namespace boxmill::cutlist
