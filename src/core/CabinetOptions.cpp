// SPDX-License-Identifier: GPL-3.0-or-later
#include "CabinetOptions.h"

#include "CabinetRecord.h"
#include "ParameterIndex.h"

#include <algorithm>
#include <string>

namespace boxmill {

namespace {

using O = CabinetOption;

constexpr CabinetOption kBlindCornerSide[] = {O::LeftCorner, O::RightCorner};
constexpr CabinetOption kDivider1[] = {O::Center1, O::FlushRight1, O::FlushLeft1};
constexpr CabinetOption kDivider2[] = {O::Center2, O::FlushRight2, O::FlushLeft2};
constexpr CabinetOption kFrontCut[] = {O::FrontRabbit, O::FrontDoveTail, O::FrontButtJoint};
constexpr CabinetOption kBackCut[] = {O::BackRabbit, O::BackDoveTail, O::BackButtJoint};
constexpr CabinetOption kTop[] = {O::TopRabbit, O::TopDado, O::TopButtJoint};
constexpr CabinetOption kCarcassRail[] = {O::CarcassRabbit, O::CarcassDado, O::CarcassButt};

constexpr std::span<const CabinetOption> kGroups[] = {kBlindCornerSide, kDivider1, kDivider2,   kFrontCut,
                                                      kBackCut,         kTop,      kCarcassRail};

} // namespace

std::span<const CabinetOption> RadioGroupOf(CabinetOption option)
{
    for (const auto group : kGroups)
        if (std::find(group.begin(), group.end(), option) != group.end())
            return group;
    return {};
}

CabinetOptionSet CabinetOptionSet::FormDefaults()
{
    CabinetOptionSet set;
    for (const auto option :
         {O::RightCorner, O::SetDivider1, O::Center1, O::SetDivider2, O::Center2, O::DrawerDadoes, O::PartitionDadoes,
          O::ShelveDadoes, O::ToeKickLeft, O::ToeKickRight, O::FrontButtJoint, O::BackButtJoint, O::NotchedDivider,
          O::BottomDado, O::DividerDado, O::NailerRabbit, O::TopRabbit, O::CarcassRabbit})
        set.m_flags[static_cast<std::size_t>(option)] = true;
    return set;
}

bool CabinetOptionSet::set(CabinetOption option, bool value)
{
    const auto group = RadioGroupOf(option);
    if (group.empty()) {
        m_flags[static_cast<std::size_t>(option)] = value;
        return true;
    }
    if (!value)
        return false;
    for (const auto member : group)
        m_flags[static_cast<std::size_t>(member)] = member == option;
    return true;
}

CabinetOptionSet LoadOptionsFromRecord(const CabinetRecord& record)
{
    // Starts from the form defaults so that a group whose bytes are all zero
    // keeps the window's choice rather than having none.
    CabinetOptionSet options = CabinetOptionSet::FormDefaults();
    for (int i = 0; i < kOptionCount; ++i) {
        const auto option = static_cast<CabinetOption>(i);
        const bool on = record.flag(RecordOffset::Options + i);
        if (RadioGroupOf(option).empty() || on)
            options.set(option, on);
    }
    options.raisedPanelSides = record.flag(RecordOffset::RaisedPanelSides);
    options.nailerCount = NailerCountValue(record);
    return options;
}

void StoreOptionsToRecord(const CabinetOptionSet& options, CabinetRecord& record)
{
    for (int i = 0; i < kOptionCount; ++i)
        record.setFlag(RecordOffset::Options + i, options[static_cast<CabinetOption>(i)]);
    record.setFlag(RecordOffset::RaisedPanelSides, options.raisedPanelSides);
    // With no count selected the field is left as the file had it.
    if (options.nailerCount)
        record.setNailerCount(std::to_string(*options.nailerCount));
}

DividerControlsEnabled UpdateDividerControls(const CabinetOptionSet& options)
{
    return {options[O::SetDivider1], options[O::SetDivider2]};
}

std::optional<int> OptionParameterIndex(CabinetOption option)
{
    switch (option) {
    case O::LeftCorner:
    case O::RightCorner: return Param::BlindPanel;
    case O::DrawerDadoes: return Param::DrawerDado;
    case O::PartitionDadoes: return Param::PartitionDado;
    case O::ShelveDadoes:
    case O::BottomDado: return Param::BottomAndShelfDado;
    case O::LeftScribe:
    case O::RightScribe: return Param::Scribe;
    case O::ToeKickLeft:
    case O::ToeKickRight: return Param::ToeKickRabbit;
    case O::FrontRabbit:
    case O::BackRabbit: return Param::DrawerRabbit;
    case O::FrontDoveTail:
    case O::BackDoveTail: return Param::DrawerDovetail;
    case O::DoorInset: return Param::DoorInsetGap;
    case O::FaceInset: return Param::FaceInsetGap;
    case O::DividerDado: return Param::DividerDado;
    case O::NailerRabbit: return Param::NailerRabbit;
    case O::TopRabbit: return Param::TopRabbit;
    case O::TopDado: return Param::TopDado;
    case O::TopButtJoint: return Param::TopOverlayDepth;
    case O::CarcassRabbit: return Param::CarcassRailRabbit;
    case O::CarcassDado: return Param::CarcassRailDado;
    default: return std::nullopt;
    }
}

} // namespace boxmill
