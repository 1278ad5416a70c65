// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/CarcassCalculators.h"

#include "geometry/CalculatorInputs.h"

namespace boxmill {

using namespace partcalc;
using O = CabinetOption;

namespace {

// Width between the sides, before any joint reaches into them.
double BetweenSides(const Inputs& in)
{
    return in.P(Param::Width) - in.T(PartRow::LeftSide) - in.T(PartRow::RightSide);
}

// The height of a back fitted inside the case, which is also the height of
// a front: everything above, below and under the case comes off.
double InsideBackHeight(const Inputs& in)
{
    double height = in.P(Param::Height);
    if (in.has(IncludeItem::Top)) {
        if (in.option(O::TopDado))
            height -= in.T(PartRow::Top) + in.P(Param::TopAndRailSetdown);
        else
            height -= in.T(PartRow::Top); // rabbeted or laid over
    }
    if (in.has(IncludeItem::CarcassRails)) {
        if (in.option(O::CarcassDado))
            height -= in.T(PartRow::CarcassRail) + in.P(Param::TopAndRailSetdown);
        else
            height -= in.T(PartRow::CarcassRail);
    }
    if (in.has(IncludeItem::Bottom))
        height -= in.T(PartRow::Bottom);
    height -= in.kickHeight();
    if (in.has(IncludeItem::FaceFrame))
        height -= in.bottomRailDrop();
    return height;
}

} // namespace

PartSize CalcSide(const CalcContext& context, Side side)
{
    const Inputs in(context);
    // A detached base is built on its own, so the sides stop above it.
    const double length = in.P(Param::Height) - in.overlayTop() - (in.detachedBase() ? in.kickHeight() : 0.0);
    const int row = side == Side::Right ? PartRow::RightSide : PartRow::LeftSide;
    return in.finish(row, length, in.caseDepth(PartRow::RightStile));
}

PartSize CalcBottom(const CalcContext& context)
{
    const Inputs in(context);
    double length = BetweenSides(in);
    if (in.option(O::BottomDado)) {
        // A bottom that sits at least its own thickness above the bottom
        // rail's lower edge goes into dadoes; lower down it can only be
        // rabbeted into the sides, as deep as the top's rabbets.
        const bool dadoed = in.P(Param::BottomRail) >= in.P(Param::BottomOffset) + in.T(PartRow::Bottom);
        length += 2.0 * in.P(dadoed ? Param::BottomAndShelfDado : Param::TopRabbit);
    }
    length -= in.scribes();
    return in.finish(PartRow::Bottom, length, in.caseDepth(PartRow::RightStile));
}

PartSize CalcTop(const CalcContext& context)
{
    const Inputs in(context);
    if (in.option(O::TopButtJoint)) {
        // Laid over the sides it covers the whole case and its overhangs;
        // a scribe is cut on the sides, not on an overlay top.
        return in.finish(PartRow::Top, in.P(Param::Width) + in.P(Param::TopOverlayWidth),
                         in.P(Param::Depth) + in.P(Param::TopOverlayDepth));
    }
    double length = BetweenSides(in);
    if (in.option(O::TopRabbit))
        length += 2.0 * in.P(Param::TopRabbit);
    else if (in.option(O::TopDado))
        length += 2.0 * in.P(Param::TopDado);
    length -= in.scribes();
    return in.finish(PartRow::Top, length, in.caseDepth(PartRow::TopRail));
}

PartSize CalcCarcassRail(const CalcContext& context)
{
    const Inputs in(context);
    double length = BetweenSides(in);
    if (in.option(O::CarcassRabbit))
        length += 2.0 * in.P(Param::CarcassRailRabbit);
    if (in.option(O::CarcassDado))
        length += 2.0 * in.P(Param::CarcassRailDado);
    length -= in.scribes();
    return in.finish(PartRow::CarcassRail, length, in.P(Param::CarcassRail));
}

PartSize CalcDivider(const CalcContext& context)
{
    const Inputs in(context);
    const bool bottom = in.has(IncludeItem::Bottom);
    const bool dadoed = in.option(O::DividerDado);
    const double dado = in.P(Param::DividerDado);

    // What is taken off the cabinet height below the divider ...
    double off = in.kickHeight();
    if (in.has(IncludeItem::FaceFrame)) {
        const double drop = in.P(Param::BottomRail) - in.P(Param::BottomOffset);
        if (in.P(Param::BottomRail) >= in.P(Param::BottomOffset) + in.T(PartRow::Bottom))
            off += drop;
        else if (bottom)
            off += in.T(PartRow::Bottom);
    } else if (bottom) {
        off += in.T(PartRow::Bottom);
    }

    // ... and above it, less the dadoes it reaches into.
    if (in.has(IncludeItem::Top)) {
        if (in.option(O::TopRabbit) || in.option(O::TopButtJoint))
            off += in.T(PartRow::Top);
        else if (in.option(O::TopDado))
            off += in.T(PartRow::Top) + in.P(Param::TopAndRailSetdown);
        if (dadoed)
            off -= bottom ? 2.0 * dado : dado;
        // An overlay top takes no dado.
        if (dadoed && in.option(O::TopButtJoint))
            off += dado;
    } else if (in.has(IncludeItem::CarcassRails)) {
        if (in.option(O::CarcassRabbit))
            off += in.T(PartRow::CarcassRail);
        else
            off += in.T(PartRow::CarcassRail) + in.P(Param::TopAndRailSetdown);
        if (in.option(O::NotchedDivider)) {
            // The notch takes the rail, so the divider runs up past it.
            off -= in.T(PartRow::CarcassRail);
            if (dadoed && bottom)
                off -= dado;
        } else if (dadoed) {
            off -= 2.0 * dado;
        }
    } else if (dadoed && bottom) {
        off -= dado;
    }
    return in.finish(PartRow::Partition, in.P(Param::Height) - off, in.clearDepth());
}

PartSize CalcBack(const CalcContext& context)
{
    const Inputs in(context);
    if (in.option(O::BackInside))
        return in.finish(PartRow::Back, InsideBackHeight(in), BetweenSides(in) - in.scribes());

    // Fitted behind the case the back runs its full height, up into the
    // dado of whatever closes the top.
    double height = in.P(Param::Height);
    const bool topDadoed = in.has(IncludeItem::Top) ? in.option(O::TopDado) : in.option(O::CarcassDado);
    if (topDadoed)
        height -= in.P(Param::TopAndRailSetdown);
    return in.finish(PartRow::Back, height, in.P(Param::Width) - in.scribes());
}

PartSize CalcFront(const CalcContext& context)
{
    const Inputs in(context);
    return in.finish(PartRow::Front, InsideBackHeight(in), BetweenSides(in) - in.scribes());
}

PartSize CalcNailer(const CalcContext& context)
{
    const Inputs in(context);
    double length = BetweenSides(in);
    if (in.option(O::NailerRabbit))
        length += 2.0 * in.P(Param::NailerRabbit);
    length -= in.scribes();
    return in.finish(PartRow::Nailer, length, in.P(Param::NailerWidth));
}

PartSize CalcBlindPanel(const CalcContext& context)
{
    const Inputs in(context);
    return in.finish(PartRow::BlindPanel, in.standingHeight(), in.P(Param::BlindPanel));
}

PartSize CalcToekick(const CalcContext& context)
{
    const Inputs in(context);
    const bool detached = in.detachedBase();
    double length = in.P(Param::Width);
    if (detached) {
        // A detached base fits between the sleepers under the sides.
        if (in.has(IncludeItem::LeftSide))
            length -= in.T(PartRow::LeftSide);
        if (in.has(IncludeItem::RightSide))
            length -= in.T(PartRow::RightSide);
    }
    const double scribe = in.P(Param::Scribe);
    if (in.option(O::LeftScribe) && (detached || in.option(O::ToeKickLeft)))
        length -= scribe;
    if (in.option(O::RightScribe) && (detached || in.option(O::ToeKickRight)))
        length -= scribe;
    // The mate of a blind corner cabinet runs its toekick on under the
    // corner cabinet's face.
    if (!detached && in.option(O::BlindMate))
        length += in.P(Param::ToeKickDepth);
    return in.finish(PartRow::Toekick, length, in.P(Param::ToeKickHeight) + in.bottomRailDrop());
}

PartSize CalcSleeper(const CalcContext& context, Side side)
{
    const Inputs in(context);
    double length = in.P(Param::Depth) - in.P(Param::ToeKickDepth) - in.T(PartRow::Toekick);
    const bool rabbeted = in.option(side == Side::Right ? O::ToeKickRight : O::ToeKickLeft);
    if (rabbeted)
        length += in.P(Param::ToeKickRabbit);
    if (!in.option(O::BackInside))
        length -= in.T(PartRow::Back);
    return in.finish(PartRow::Toekick, length, in.P(Param::ToeKickHeight) + in.bottomRailDrop());
}

} // namespace boxmill
