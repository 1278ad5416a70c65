// SPDX-License-Identifier: GPL-3.0-or-later
// Heights down the face: the openings above and below a partition rail, the
// drawers, and the spacing of the shelves in each opening.
#include "LayoutInputs.h"
#include "LayoutResult.h"
#include "LayoutSteps.h"

namespace boxmill::layout {

namespace {

using Opt = CabinetOption;

double& At(std::array<double, kSections>& values, int s)
{
    return values.at(static_cast<std::size_t>(s));
}

// An overlaid top sits on the sides and stiles and so takes its thickness
// off the face.
bool OverlaidTop(const LayoutInputs& in)
{
    return in.inc(IncludeItem::Top) && in.opt(Opt::TopButtJoint);
}

double FaceOpeningHeight(const LayoutInputs& in)
{
    double h = in.p(Param::Height);
    if (in.faceFrame()) {
        if (OverlaidTop(in))
            h -= in.t(PartRow::Top);
        h -= in.p(Param::TopRail);
        h -= in.p(Param::BottomRail);
    } else {
        if (in.inc(IncludeItem::Top))
            h -= in.t(PartRow::Top);
        if (in.inc(IncludeItem::Bottom)) {
            h -= in.t(PartRow::Bottom);
            h -= in.p(Param::BottomRail) - in.p(Param::BottomOffset) - in.t(PartRow::Bottom);
        }
    }
    if (in.inc(IncludeItem::ToeKick))
        h -= in.p(Param::ToeKickHeight);
    return h;
}

// Face heights plus mid rails of the drawers that are sized by their own
// parameters, taken off `height`. A banked section has none of those and
// gives 0; so does an opening the drawers overfill.
double AfterSeparateDrawers(const LayoutInputs& in, int s, double height)
{
    if (in.banksInUse(s) != 0)
        return 0.0;
    for (int j = 0; j < in.drawers(s); ++j) {
        height -= in.drawerFace(s, j);
        height -= in.p(Param::MidRail);
    }
    return height < 0.0 ? 0.0 : height;
}

double DrawerStack(const LayoutInputs& in, int s)
{
    double stack = 0.0;
    for (int j = 0; j < in.drawers(s); ++j)
        stack += in.drawerFace(s, j) + in.p(Param::MidRail);
    return stack;
}

} // namespace

void OpeningRows(const LayoutInputs& in, int s, LayoutResult& out)
{
    out.OpeningHeight = FaceOpeningHeight(in);
    const double rail = in.faceFrame() ? in.p(Param::PartitionRail) : in.t(PartRow::Partition);
    const double half = (out.OpeningHeight - rail) / 2;
    double& upper = At(out.UpperHeight, s);
    double& lower = At(out.LowerHeight, s);
    upper = half;
    lower = half;
    At(out.PartitionNominal, s) = half;

    if (in.hasPartition(s)) {
        const double shift = out.PartitionShift.at(static_cast<std::size_t>(s));
        if (in.item(s, SectionItem::PartitionAbove) != 0) {
            upper -= shift;
            lower += shift;
        }
        if (in.item(s, SectionItem::PartitionBelow) != 0) {
            upper += shift;
            lower -= shift;
        }
        out.cell(LayoutRow::Upper, s) = in.text(upper);
        // The bank below the partition is sized from the whole lower opening
        // (see DrawerRows). Drawers sized on their own leave the doors what
        // they do not take, which is nothing when they fill the opening: the
        // doors are never sized to the opening the drawers stand in.
        const double x = AfterSeparateDrawers(in, s, lower);
        if (in.banksInUse(s) == 0)
            lower = x;
        out.cell(LayoutRow::Lower, s) = in.text(x);
    } else {
        out.cell(LayoutRow::Upper, s).clear();
        out.cell(LayoutRow::Lower, s).clear();
        lower = 0.0;
        if (in.banksInUse(s) == 0) {
            lower = AfterSeparateDrawers(in, s, out.OpeningHeight);
            out.cell(LayoutRow::Lower, s) = in.text(lower);
        }
    }
}

void UpperShelfRow(const LayoutInputs& in, int s, LayoutResult& out)
{
    const int k = in.item(s, SectionItem::PartitionShelves);
    double& spacing = At(out.PartitionShelfSpacing, s);
    if (k > 0) {
        spacing = (out.UpperHeight.at(static_cast<std::size_t>(s)) - in.t(PartRow::Shelf) * k) / (k + 1);
        out.cell(LayoutRow::UpperShelves, s) = in.text(spacing);
    } else {
        spacing = 0.0;
        out.cell(LayoutRow::UpperShelves, s).clear();
    }
}

void DrawerRows(const LayoutInputs& in, int s, LayoutResult& out)
{
    const int d = in.drawers(s);
    const int b = in.banksInUse(s);
    const int separate = d - b;
    double& bank = At(out.BankHeight, s);
    if (b > 0) {
        double h = in.p(Param::Height) - in.p(Param::TopRail) - in.p(Param::BottomRail);
        if (OverlaidTop(in))
            h -= in.t(PartRow::Top);
        if (in.inc(IncludeItem::ToeKick))
            h -= in.p(Param::ToeKickHeight);
        if (in.hasPartition(s))
            h = out.LowerHeight.at(static_cast<std::size_t>(s));
        for (int j = 0; j < separate; ++j) {
            h -= in.drawerFace(s, j);
            h -= in.p(Param::MidRail);
        }
        h -= in.p(Param::MidRail) * (b - 1);
        bank = h / b;
    }
    auto& heights = out.DrawerHeight.at(static_cast<std::size_t>(s));
    for (int j = 0; j < kMaxDrawers; ++j) {
        heights[static_cast<std::size_t>(j)] = j < separate ? in.drawerFace(s, j) : bank;
        auto& cell = out.cell(static_cast<LayoutRow>(static_cast<int>(LayoutRow::Drawer1) + j), s);
        if (j < d)
            cell = in.text(heights[static_cast<std::size_t>(j)]);
        else
            cell.clear();
    }
}

void ShelfRow(const LayoutInputs& in, int s, LayoutResult& out)
{
    const int k = in.item(s, SectionItem::Shelves);
    double& spacing = At(out.ShelfSpacing, s);
    if (k == 0) {
        spacing = 0.0;
        out.cell(LayoutRow::Shelves, s).clear();
        return;
    }
    const double shelves = in.t(PartRow::Shelf) * k;
    const bool partition = in.hasPartition(s);
    double x = (partition ? out.LowerHeight.at(static_cast<std::size_t>(s)) : out.OpeningHeight) - shelves;
    if (!partition && in.drawers(s) > 0 && !in.faceFrame())
        x = out.OpeningHeight - shelves - in.p(Param::TopRail) - in.p(Param::BottomRail);
    // A partitioned section's lower opening is already net of its drawers.
    if (!partition)
        x -= DrawerStack(in, s);
    spacing = x / (k + 1);
    out.cell(LayoutRow::Shelves, s) = in.text(spacing);
}

} // namespace boxmill::layout
