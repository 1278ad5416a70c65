// SPDX-License-Identifier: GPL-3.0-or-later
// Widths across the face: the face frame opening of each section, the
// carcass opening behind it with the divider positions, and the "Width" row.
#include "LayoutInputs.h"
#include "LayoutResult.h"
#include "LayoutSteps.h"

namespace boxmill::layout {

namespace {

using Opt = CabinetOption;

double At(const std::array<double, kSections>& values, int s)
{
    return values.at(static_cast<std::size_t>(s));
}

double& At(std::array<double, kSections>& values, int s)
{
    return values.at(static_cast<std::size_t>(s));
}

// Width between the outer face frame members, or between the sides when
// there is no face frame.
double InsideWidth(const LayoutInputs& in, bool lessBlindPanel)
{
    double w = in.p(Param::Width);
    if (lessBlindPanel && in.blindCorner())
        w -= in.p(Param::BlindPanel);
    if (in.faceFrame()) {
        w = w - in.p(Param::RightStile) - in.p(Param::LeftStile);
    } else {
        if (in.inc(IncludeItem::LeftSide))
            w -= in.t(PartRow::LeftSide);
        if (in.inc(IncludeItem::RightSide))
            w -= in.t(PartRow::RightSide);
    }
    return w;
}

// A divider set flush with one edge of its mullion instead of centred
// behind it gives one neighbour h more and the other h less.
double AlignWithDividers(const LayoutInputs& in, int s, double w)
{
    const double h = (in.p(Param::Mullion) - in.t(PartRow::Partition)) / 2;
    const bool set1 = in.opt(Opt::SetDivider1);
    const bool set2 = in.opt(Opt::SetDivider2);
    const auto leftOfDivider = [&](Opt flushLeft, Opt flushRight) {
        if (in.opt(flushLeft))
            return w - h;
        if (in.opt(flushRight))
            return w + h;
        return w;
    };
    const auto rightOfDivider = [&](Opt flushLeft, Opt flushRight) {
        if (in.opt(flushLeft))
            return w + h;
        if (in.opt(flushRight))
            return w - h;
        return w;
    };
    if (in.n() == 2) {
        if (set1)
            w = s == 0 ? leftOfDivider(Opt::FlushLeft1, Opt::FlushRight1)
                       : rightOfDivider(Opt::FlushLeft1, Opt::FlushRight1);
    } else if (in.n() == 3) {
        if (s == 0 && set1)
            w = leftOfDivider(Opt::FlushLeft1, Opt::FlushRight1);
        if (s == 1 && set1)
            w = rightOfDivider(Opt::FlushLeft1, Opt::FlushRight1);
        if (s == 1 && set2)
            w = leftOfDivider(Opt::FlushLeft2, Opt::FlushRight2);
        if (s == 2 && set2)
            w = rightOfDivider(Opt::FlushLeft2, Opt::FlushRight2);
    }
    return w;
}

// The carcass runs behind the blind panel, so the section on the blind side
// takes the panel's width from the others.
double ShareBlindPanel(const LayoutInputs& in, int s, double w)
{
    if (!in.blindCorner())
        return w;
    const int n = in.n();
    if (n != 2 && n != 3)
        return w;
    const double b = in.p(Param::BlindPanel) / n;
    const bool right = in.opt(Opt::RightCorner);
    if (n == 2) {
        if (s == 0)
            return right ? w - b : w + b;
        return right ? w + b : w - b;
    }
    if (s == 0)
        return right ? w - b : w + 2 * b;
    if (s == 1)
        return w - b;
    return right ? w + 2 * b : w - b;
}

// Where the first divider stands, from the left end of the bottom and of
// the top or carcass rail, which run into the sides by their joints.
void FirstDividerPositions(const LayoutInputs& in, double w, LayoutResult& out)
{
    const double scribe = in.opt(Opt::LeftScribe) ? in.p(Param::Scribe) : 0.0;
    double bottom = w;
    if (in.opt(Opt::BottomDado))
        bottom += in.p(Param::BottomAndShelfDado);
    out.DividerPosBottom = bottom - scribe;

    if (in.inc(IncludeItem::Top)) {
        if (in.opt(Opt::TopRabbit))
            out.DividerPosTop = w + in.p(Param::TopRabbit) - scribe;
        else if (in.opt(Opt::TopDado))
            out.DividerPosTop = w + in.p(Param::TopDado) - scribe;
        else if (in.opt(Opt::TopButtJoint))
            out.DividerPosTop = w + in.t(PartRow::LeftSide) + in.p(Param::TopOverlayWidth) / 2;
    }
    if (in.inc(IncludeItem::CarcassRails)) {
        if (in.opt(Opt::CarcassRabbit))
            out.DividerPosTop = w + in.p(Param::CarcassRailRabbit) - scribe;
        else if (in.opt(Opt::CarcassDado))
            out.DividerPosTop = w + in.p(Param::CarcassRailDado) - scribe;
        else if (in.opt(Opt::CarcassButt)) // butted, it starts where the carcass opening does
            out.DividerPosTop = w - scribe;
    }
}

} // namespace

void FaceWidth(const LayoutInputs& in, int s, LayoutResult& out)
{
    // Between the stiles, whether or not the face frame is cut.
    double w = in.p(Param::Width);
    if (in.blindCorner())
        w -= in.p(Param::BlindPanel);
    w = w - in.p(Param::RightStile) - in.p(Param::LeftStile);
    const bool mullions = in.inc(IncludeItem::Mullions);
    switch (in.n()) {
    case 1: At(out.SectionFaceWidth, s) = w; return;
    case 2:
        if (mullions)
            w -= in.p(Param::Mullion);
        w *= 0.5;
        break;
    case 3:
        if (mullions)
            w -= 2 * in.p(Param::Mullion);
        w = Third(w);
        break;
    default: return;
    }
    At(out.SectionFaceWidth, s) = w + At(out.MullionShift, s);
}

double PlaceCarcassWidth(const LayoutInputs& in, int s, const LayoutResult& out, double w)
{
    if (in.n() != 2 && in.n() != 3)
        return w;
    w += At(out.MullionShift, s);
    w = AlignWithDividers(in, s, w);
    return ShareBlindPanel(in, s, w);
}

void CarcassWidthAndDividers(const LayoutInputs& in, int s, LayoutResult& out)
{
    const int n = in.n();
    if (n < 1)
        return;
    const bool faceFrame = in.faceFrame();
    const double member = faceFrame ? in.p(Param::Mullion) : in.t(PartRow::Partition);
    double w = (InsideWidth(in, false) - member * (n - 1)) / n;

    if (faceFrame) {
        // The stiles and mullions are wider than the sides and dividers
        // behind them; their overhang belongs to the carcass opening.
        const double leftOverhang = in.p(Param::LeftStile) - in.t(PartRow::LeftSide);
        const double rightOverhang = in.p(Param::RightStile) - in.t(PartRow::RightSide);
        const double mullionOverhang = in.p(Param::Mullion) - in.t(PartRow::Partition);
        if (n == 1)
            w = w + leftOverhang + rightOverhang;
        else if (n == 2)
            w = w + mullionOverhang / 2 + (s == 0 ? leftOverhang : rightOverhang);
        else if (n == 3)
            w = s == 1 ? w + mullionOverhang : w + mullionOverhang / 2 + (s == 0 ? leftOverhang : rightOverhang);
    }
    w = PlaceCarcassWidth(in, s, out, w);
    At(out.SectionCarcassWidth, s) = w;

    if (s == 0 && (n == 2 || n == 3))
        FirstDividerPositions(in, w, out);
    if (s == 1 && n == 3) {
        const double pastFirst = in.t(PartRow::Partition) + w;
        out.Divider2PosBottom = out.DividerPosBottom + pastFirst;
        out.Divider2PosTop = out.DividerPosTop + pastFirst;
    }
}

void WidthRow(const LayoutInputs& in, int s, LayoutResult& out)
{
    double w = InsideWidth(in, true);
    const bool faceFrame = in.faceFrame();
    const double mullion = in.p(Param::Mullion);
    const double divider = in.t(PartRow::Partition);
    switch (in.n()) {
    case 1: At(out.SectionNominalWidth, s) = w; break;
    case 2:
        w = faceFrame ? (w - mullion) * 0.5 : w * 0.5;
        At(out.SectionNominalWidth, s) = w;
        w += At(out.MullionShift, s);
        if (!faceFrame && in.opt(Opt::SetDivider1)) {
            // Without a face frame the divider itself parts the sections.
            if (in.opt(Opt::Center1))
                w -= divider / 2;
            else if (in.opt(Opt::FlushLeft1))
                w = s == 0 ? w - mullion / 2 : w + mullion / 2 - divider;
            else if (in.opt(Opt::FlushRight1))
                w = s == 0 ? w + mullion / 2 - divider : w - mullion / 2;
        }
        break;
    case 3:
        if (faceFrame) {
            w = Third(w - 2 * mullion);
        } else {
            const double t = Third(w);
            w = t;
            if (in.opt(Opt::SetDivider1) || in.opt(Opt::SetDivider2))
                w = t - divider / 2 - Third(divider / 2);
        }
        At(out.SectionNominalWidth, s) = w;
        w += At(out.MullionShift, s);
        w = AlignWithDividers(in, s, w);
        break;
    default: return;
    }
    out.cell(LayoutRow::Width, s) = in.text(w);
}

} // namespace boxmill::layout
