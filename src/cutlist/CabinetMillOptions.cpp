// SPDX-License-Identifier: GPL-3.0-or-later
#include "MillOptions.h"

#include "MillOptionWriter.h"

#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "geometry/Calculators.h"

namespace boxmill {

using namespace cutlist;
using O = CabinetOption;

namespace {

void DividerPlacement(MillOptionWriter& w, const char* label, O center, O flushRight, O flushLeft)
{
    if (w.opt(center))
        w.line(label, "Center", kBlankMark);
    if (w.opt(flushRight))
        w.line(label, "Flush To Right", kBlankMark);
    if (w.opt(flushLeft))
        w.line(label, "Flush To Left", kBlankMark);
}

// The notches that let the sides stand over the toekick. A rabbeted kick
// sits in the side's rabbit; otherwise the notch also takes what the bottom
// rail hangs below the bottom.
void ToekickNotch(MillOptionWriter& w, const char* label, bool rabbeted)
{
    const double frameBack = w.P(Param::ToeKickDepth) - w.S(PartRow::TopRail) + w.S(PartRow::Toekick);
    if (rabbeted)
        w.line(label, w.P(Param::ToeKickHeight), frameBack - w.P(Param::ToeKickRabbit));
    else
        w.line(label,
               w.P(Param::ToeKickHeight) + w.P(Param::BottomRail) - w.P(Param::BottomOffset) - w.S(PartRow::Bottom),
               frameBack);
}

// An overhang of zero is no overhang: the blank mark says so.
std::string MeasureOrBlank(const MillOptionWriter& w, double value)
{
    return value == 0.0 ? std::string(kBlankMark) : w.measure(value);
}

void TopAndRails(MillOptionWriter& w)
{
    if (w.inc(IncludeItem::Top)) {
        if (w.opt(O::TopRabbit))
            w.line("Rabbit Sides For Top:", kBlankMark, w.P(Param::TopRabbit));
        if (w.opt(O::TopDado))
            w.line("Dado   Sides For Top:", w.P(Param::TopAndRailSetdown), w.P(Param::TopDado));
        if (w.opt(O::TopButtJoint))
            w.line("Top  Setting:OverLay", MeasureOrBlank(w, w.P(Param::TopOverlayWidth)),
                   MeasureOrBlank(w, w.P(Param::TopOverlayDepth)));
    }
    if (w.inc(IncludeItem::CarcassRails)) {
        if (w.opt(O::CarcassRabbit))
            w.line("Rabbit Sides For Carcass Rail(s):", kBlankMark, w.P(Param::CarcassRailRabbit));
        if (w.opt(O::CarcassDado))
            w.line("Dado Sides   For Carcass Rail(s):", w.P(Param::TopAndRailSetdown), w.P(Param::CarcassRailDado));
        if (w.opt(O::CarcassButt))
            w.line("Butt Joint   For Carcass Rail(s):", kBlankMark, kBlankMark);
    }
    if (w.opt(O::NailerRabbit) && w.inc(IncludeItem::Nailers)) {
        // Behind an inside back the nailer goes into dadoes in front of it.
        if (w.opt(O::BackInside) && w.inc(IncludeItem::Back))
            w.line("Dado   Sides For Nailer(s)", w.S(PartRow::Back), w.P(Param::NailerRabbit));
        else
            w.line("Rabbit Sides For Nailer(s)", kBlankMark, w.P(Param::NailerRabbit));
    }
}

} // namespace

Messages AddCabinetMillOptions(const CabinetModel& model, const LayoutResult& layout, std::vector<std::string>& lines)
{
    MillOptionWriter w(model, layout, lines);
    w.title("Cabinet Mill Options:");

    if (Divider1(model))
        DividerPlacement(w, "Set Divider 1:", O::Center1, O::FlushRight1, O::FlushLeft1);
    if (Divider2(model))
        DividerPlacement(w, "Set Divider 2:", O::Center2, O::FlushRight2, O::FlushLeft2);

    const bool detached = DetachedBase(model);
    if (detached)
        w.line("Toekick Base Style:", "Detached", kBlankMark);
    if (!detached && w.inc(IncludeItem::ToeKick)) {
        ToekickNotch(w, "Notch Rt.   Side For Toekick:", w.opt(O::ToeKickRight));
        ToekickNotch(w, "Notch Lt.   Side For Toekick:", w.opt(O::ToeKickLeft));
    }
    if (AdjustableShelves(model))
        w.line("Shelve(s)   Style:Adjustable", w.P(Param::ShelfLengthAllowance), w.P(Param::ShelfDepthAllowance));

    if (w.opt(O::NotchedDivider) && w.inc(IncludeItem::CarcassRails)) {
        if (Divider1(model))
            w.line("Notch Divider 1 For Carcass Rail:", w.P(Param::CarcassRail), w.S(PartRow::CarcassRail));
        if (Divider2(model))
            w.line("Notch Divider 2 For Carcass Rail:", w.P(Param::CarcassRail), w.S(PartRow::CarcassRail));
    }

    if (BlindCorner(model)) {
        if (w.opt(O::LeftCorner))
            w.line("Blind Lt.   Corner:", kBlankMark, w.P(Param::BlindPanel));
        if (w.opt(O::RightCorner))
            w.line("Blind Rt.   Corner:", kBlankMark, w.P(Param::BlindPanel));
    } else if (w.opt(O::BlindMate)) {
        w.line(w.opt(O::LeftCorner) ? "Lt.  Blind Mate:" : "Rt.  Blind Mate:", kBlankMark, kBlankMark);
    }

    if (w.opt(O::LeftScribe))
        w.line("Scribe Lt.  Side:", kBlankMark, w.P(Param::Scribe));
    if (w.opt(O::RightScribe))
        w.line("Scribe Rt.  Side:", kBlankMark, w.P(Param::Scribe));
    if (w.inc(IncludeItem::ToeKick)) {
        if (w.opt(O::ToeKickRight))
            w.line("Rabbit Rt.  Side Of  Toekick:", kBlankMark, w.P(Param::ToeKickRabbit));
        if (w.opt(O::ToeKickLeft))
            w.line("Rabbit Lt.  Side Of  Toekick:", kBlankMark, w.P(Param::ToeKickRabbit));
    }

    if (w.inc(IncludeItem::Partitions) && w.opt(O::PartitionDadoes))
        AddPartitionDadoLines(w);
    if (!AdjustableShelves(model) && w.opt(O::ShelveDadoes))
        AddShelfDadoLines(w);
    bool bottomRabbeted = false;
    if (w.opt(O::BottomDado) && w.inc(IncludeItem::Bottom))
        bottomRabbeted = AddBottomLine(w);
    AddDividerDadoLines(w, bottomRabbeted);
    TopAndRails(w);
    if (bottomRabbeted)
        return {{MessageKind::Information, std::string(kBottomRabbitInformation)}};
    return {};
}

} // namespace boxmill
