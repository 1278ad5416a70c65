// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/OpeningFit.h"

#include "core/CabinetModel.h"
#include "core/DefaultNames.h"
#include "core/IncludeParts.h"
#include "core/Measure.h"
#include "core/ParameterIndex.h"
#include "core/PartRows.h"
#include "geometry/DoorCalculators.h"
#include "geometry/DrawerCalculators.h"
#include "geometry/LayoutResult.h"

#include <algorithm>

namespace boxmill {

namespace {

// Sizes that agree to far less than the 1/32 the lists show are equal: four
// drawers that fill their opening exactly must not be told they overfill it.
constexpr double kSlack = 1e-6;

std::string Name(int param)
{
    return "\"" + std::string(kDefaultParameterNames.at(static_cast<std::size_t>(param))) + "\"";
}

// A length as a message shows it, with its unit.
std::string Size(double inches, UnitMode units)
{
    std::string text = FormatMeasure(inches, units);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    if (text.empty())
        text = "0";
    return units == UnitMode::Metric ? text + " mm" : text + "\"";
}

int DoorCount(const CabinetModel& model, int s, Opening opening)
{
    if (opening == Opening::Upper && model.sectionItem(s, SectionItem::Partition) == 0)
        return 0;
    // A banked section holds drawers only, whatever door count an old file
    // still records for it.
    if (opening == Opening::Lower && model.banksInUse(s) > 0)
        return 0;
    const SectionItem item = opening == Opening::Upper ? SectionItem::PartitionDoors : SectionItem::DoorCount;
    return std::clamp(model.sectionItem(s, item), 0, kMaxDoors);
}

bool Partitioned(const CabinetModel& model, int s)
{
    return model.sectionItem(s, SectionItem::Partition) != 0;
}

std::string Where(const CabinetModel& model, int s, Opening opening)
{
    const std::string section = "Section " + std::to_string(s + 1);
    if (opening == Opening::Upper)
        return section + ", above the partition";
    return Partitioned(model, s) ? section + ", below the partition" : section;
}

// "Drawer Face 1 Section A" to "Drawer Face 3 Section A": the sizes of the
// first `drawers` drawers stacked in the section's main opening.
std::string DrawerFaces(int s, int drawers)
{
    std::string names = Name(Param::DrawerFace(s, 0));
    if (drawers > 1)
        names += " to " + Name(Param::DrawerFace(s, drawers - 1));
    return names;
}

// What makes the door opening higher: fewer or smaller drawers above the
// doors, or a partition moved the other way.
std::string HeightAdvice(const CabinetModel& model, int s, Opening opening)
{
    if (opening == Opening::Upper)
        return "the opening above the partition higher (" + Name(Param::FirstPartitionOpening + s) + ")";
    if (model.drawers(s) > 0 && model.banksInUse(s) == 0)
        return DrawerFaces(s, model.drawers(s)) + " smaller";
    return Partitioned(model, s)
               ? "the opening below the partition higher (" + Name(Param::FirstPartitionOpening + s) + ")"
               : "the cabinet higher";
}

// One part of the door, held to what it must exceed to be made at all.
struct Check {
    double size = 0.0;
    double least = 0.0;
    bool fails() const { return !(size > least + kSlack); }
};

class DoorRules {
public:
    DoorRules(const CabinetModel& model, const LayoutResult& layout, int s, Opening opening)
        : m_model(model)
        , m_layout(layout)
        , m_s(s)
        , m_opening(opening)
        , m_doors(DoorCount(model, s, opening))
    {
    }

    std::optional<std::string> misfit() const;

private:
    double P(int param) const { return m_model.param(param); }
    std::string size(double inches) const { return Size(inches, m_model.units); }
    // " would be 3 1/8" wide", or, where nothing would be left of it, " would
    // have no width" rather than a length below zero.
    std::string would(double inches, const char* extent, const char* noun) const
    {
        return inches > 0.0 ? " would be " + size(inches) + " " + extent : std::string(" would have no ") + noun;
    }
    std::string doors() const { return m_doors == 2 ? "the 2 doors" : "the door"; }
    std::string leftOut() const
    {
        return m_doors == 2 ? ", so both are left out of the cut list and the drawing. "
                            : ", so it is left out of the cut list and the drawing. ";
    }
    std::string told(const std::string& what, const std::string& advice) const
    {
        return Where(m_model, m_s, m_opening) + ": " + what + leftOut() + advice;
    }
    std::string widthAdvice(const std::string& orAlso = {}) const
    {
        return "Make the section wider" + std::string(m_doors == 2 ? ", use one door" : "") + " or make " +
               Name(Param::DoorLeftStile) + " and " + Name(Param::DoorRightStile) + orAlso + " narrower.";
    }

    const CabinetModel& m_model;
    const LayoutResult& m_layout;
    int m_s;
    Opening m_opening;
    int m_doors;
};

std::optional<std::string> DoorRules::misfit() const
{
    if (m_doors == 0)
        return std::nullopt;
    PartAreas scratch {};
    const CalcContext c {m_model, m_layout, scratch};
    const bool frames = m_model.include(IncludeItem::DoorFrames);
    const std::string higher = "Make " + HeightAdvice(m_model, m_s, m_opening);

    if (Check {DoorOpeningHeight(m_layout, m_s, m_opening), 0.0}.fails()) {
        const bool drawers = m_opening == Opening::Lower && m_model.drawers(m_s) > 0;
        return told((drawers ? "the drawers leave no room for " : "there is no room for ") + doors(), higher + ".");
    }

    // Each panel reaches one tongue into the groove of the member on either
    // side; a panel no larger than its two tongues shows nothing between
    // them and has nothing to raise. A door without a frame is its panel.
    const double tongues = frames ? 2.0 * P(Param::DoorMortise) : 0.0;
    const double height = CalcDoorStile(c, m_s, m_opening, Side::Left).length;
    if (frames) {
        const double rails = P(Param::DoorTopRail) + P(Param::DoorBottomRail);
        if (Check {height, rails}.fails()) {
            return told(doors() + would(height, "high", "height") + ", no higher than their rails (" +
                            Name(Param::DoorTopRail) + " and " + Name(Param::DoorBottomRail) + ", " + size(rails) +
                            " together)",
                        higher + " or the door rails narrower.");
        }
        // The rail is cut between the stiles with a tenon into each.
        const double rail = CalcDoorRail(c, m_s, m_opening, RailEnd::Top).length;
        if (Check {rail, tongues}.fails()) {
            const double stiles = P(Param::DoorLeftStile) + P(Param::DoorRightStile);
            return told(doors() + would(rail - tongues + stiles, "wide", "width") + ", no wider than their stiles (" +
                            Name(Param::DoorLeftStile) + " and " + Name(Param::DoorRightStile) + ", " + size(stiles) +
                            " together)",
                        widthAdvice());
        }
    }

    const OpeningPanelStyle style = SectionPanelStyle(m_model.record, m_s, m_opening);
    for (const PanelOrder order : {PanelOrder::First, PanelOrder::Second}) {
        if (order == PanelOrder::Second && !style.doublePanel)
            break;
        const PartSize panel = CalcDoorPanel(c, m_s, m_opening, order);
        const bool second = order == PanelOrder::Second;
        const std::string which =
            style.doublePanel ? (second ? "the second panel" : "the first panel") : std::string("the panel");
        const std::string of = m_doors == 2 ? " of each door" : " of the door";
        const std::string least = frames ? ", no larger than the tongues that hold it in its grooves (" +
                                               Name(Param::DoorMortise) + " on both sides, " + size(tongues) + ")"
                                         : "";
        // Across the door, the panel shares the width with its neighbour
        // when the mid rail stands upright.
        const bool sideBySide = style.doublePanel && !style.horizontal;
        const std::string shorter = style.doublePanel && style.offset && second
                                        ? "Make " + Name(style.offsetParam) + " smaller, or the " +
                                              (sideBySide ? "door wider." : "door higher.")
                                        : "";
        if (Check {panel.width, tongues}.fails()) {
            std::string advice = shorter;
            if (advice.empty())
                advice = widthAdvice(sideBySide ? " and " + Name(Param::DoorMidRail) : std::string());
            return told(which + of + would(panel.width, "wide", "width") + (panel.width > 0.0 ? least : ""), advice);
        }
        if (Check {panel.length, tongues}.fails()) {
            std::string advice = shorter;
            if (advice.empty())
                advice = higher + (frames ? " or the door rails narrower." : ".");
            return told(which + of + would(panel.length, "high", "height") + (panel.length > 0.0 ? least : ""), advice);
        }
    }
    return std::nullopt;
}

// The drawers of a section's main opening are stacked from its top; the
// last may close on the bottom rail, every other one stands on a mid rail.
std::optional<std::string> StackMisfit(const CabinetModel& model, const LayoutResult& layout, int s)
{
    const int drawers = model.drawers(s);
    if (drawers == 0 || model.banksInUse(s) > 0)
        return std::nullopt;
    double stack = model.param(Param::MidRail) * (drawers - 1);
    for (int j = 0; j < drawers; ++j)
        stack += model.param(Param::DrawerFace(s, j));
    double opening = layout.OpeningHeight;
    if (Partitioned(model, s)) {
        // What the partition rail and the opening above it leave.
        const double rail = model.include(IncludeItem::FaceFrame)
                                ? model.param(Param::PartitionRail)
                                : model.partStock.at(static_cast<std::size_t>(PartRow::Partition));
        opening = layout.OpeningHeight - rail - layout.UpperHeight.at(static_cast<std::size_t>(s));
    }
    if (!(stack > opening + kSlack))
        return std::nullopt;
    const UnitMode units = model.units;
    return Where(model, s, Opening::Lower) + ": the " + std::to_string(drawers) +
           (drawers == 1 ? " drawer takes " : " drawers and the mid rails between them take ") + Size(stack, units) +
           ", more than the " + Size(opening, units) + " of the opening. Make " + DrawerFaces(s, model.drawers(s)) +
           " smaller.";
}

// Every banked drawer has the height of the bank, so one message tells of
// them all.
std::optional<std::string> OneDrawerMisfit(const CabinetModel& model, const LayoutResult& layout, int s, int d)
{
    const bool banked = d >= model.drawers(s) - model.banksInUse(s);
    const std::string where = Where(model, s, Opening::Lower) + ": ";
    const std::string which = banked ? "the banked drawers" : "drawer " + std::to_string(d + 1);
    const std::string leftOut = banked ? ", so they are left out of the cut list and the drawing. "
                                       : ", so it is left out of the cut list and the drawing. ";
    // The separately sized drawers leave the bank what they do not take.
    const int separate = model.drawers(s) - model.banksInUse(s);
    std::string higher = "Make " + Name(Param::DrawerFace(s, d)) + " larger.";
    if (banked)
        higher = separate > 0 ? "Make " + DrawerFaces(s, separate) + " smaller, or bank fewer drawers."
                              : "Make " + HeightAdvice(model, s, Opening::Lower) + ", or bank fewer drawers.";
    const double height = layout.DrawerHeight.at(static_cast<std::size_t>(s)).at(static_cast<std::size_t>(d));
    if (Check {height, 0.0}.fails())
        return where + which + (banked ? " would have no height" : " has no height") + leftOut + higher;

    PartAreas scratch {};
    const CalcContext c {model, layout, scratch};
    const UnitMode units = model.units;
    const auto tooLow = [&](const std::string& what) {
        return where + which + (banked ? " would be " : " is ") + Size(height, units) + " high, too low for " +
               (banked ? "their " : "its ") + what + leftOut + higher;
    };
    const auto noWidth = [&](const std::string& what) {
        return where + which + " would have no " + what + " width" + leftOut + "Make the section wider" +
               (what == "box" ? " or " + Name(Param::DrawerSideClearance) + " smaller." : std::string("."));
    };
    if (model.include(IncludeItem::DrawerFaces)) {
        const PartSize face = CalcDrawerFace(c, s, d);
        if (Check {face.width, 0.0}.fails())
            return tooLow("face");
        if (Check {face.length, 0.0}.fails())
            return noWidth("face");
    }
    if (model.include(IncludeItem::DrawerBoxes)) {
        // A box is as high as its face leaves under the clearance that lets
        // it in, and as wide as the sides leave; its depth is no matter of
        // the opening.
        const PartSize front = CalcDrawerFrontBack(c, s, d, DrawerEnd::Front);
        if (Check {front.width, 0.0}.fails() || Check {CalcDrawerSide(c, s, d).width, 0.0}.fails())
            return tooLow("box under " + Name(Param::DrawerHeightClearance) + " (" +
                          Size(model.param(Param::DrawerHeightClearance), units) + ")");
        if (Check {front.length, 0.0}.fails() || Check {CalcDrawerBottom(c, s).width, 0.0}.fails())
            return noWidth("box");
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> DrawerMisfit(const CabinetModel& model, const LayoutResult& layout, int section, int drawer)
{
    if (section < 0 || section >= kSections || drawer < 0 || drawer >= model.drawers(section))
        return std::nullopt;
    return OneDrawerMisfit(model, layout, section, drawer);
}

std::optional<std::string> DoorMisfit(const CabinetModel& model, const LayoutResult& layout, int section,
                                      Opening opening)
{
    if (section < 0 || section >= kSections)
        return std::nullopt;
    return DoorRules(model, layout, section, opening).misfit();
}

std::optional<std::string> ShelfMisfit(const CabinetModel& model, const LayoutResult& layout, int section)
{
    if (section < 0 || section >= kSections)
        return std::nullopt;
    const int shelves = std::clamp(model.sectionItem(section, SectionItem::Shelves), 0, kMaxShelves);
    if (shelves == 0 || model.drawers(section) == 0 || model.banksInUse(section) > 0)
        return std::nullopt;
    if (!Check {DoorOpeningHeight(layout, section, Opening::Lower), 0.0}.fails())
        return std::nullopt;
    const std::string which =
        shelves == 1 ? "the shelf, so it is" : "the " + std::to_string(shelves) + " shelves, so they are";
    return Where(model, section, Opening::Lower) + ": the drawers leave no room for " + which +
           " left out of the cut list and the drawing. Make " + HeightAdvice(model, section, Opening::Lower) + ".";
}

std::vector<std::string> OpeningMisfits(const CabinetModel& model, const LayoutResult& layout)
{
    std::vector<std::string> misfits;
    const int sections = std::clamp(model.sectionCount, 0, kSections);
    for (int s = 0; s < sections; ++s) {
        if (auto drawers = StackMisfit(model, layout, s))
            misfits.push_back(std::move(*drawers));
        for (int d = 0; d < model.drawers(s); ++d) {
            auto drawer = DrawerMisfit(model, layout, s, d);
            if (drawer && std::find(misfits.begin(), misfits.end(), *drawer) == misfits.end())
                misfits.push_back(std::move(*drawer));
        }
        for (const Opening opening : {Opening::Lower, Opening::Upper}) {
            if (auto doors = DoorMisfit(model, layout, s, opening))
                misfits.push_back(std::move(*doors));
            // The shelves stand in the main opening, behind its doors.
            if (auto shelves = opening == Opening::Lower ? ShelfMisfit(model, layout, s) : std::nullopt)
                misfits.push_back(std::move(*shelves));
        }
    }
    return misfits;
}

} // namespace boxmill
