// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CabinetModel.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace boxmill::layout {

// A third is taken by multiplying with this extended-precision constant,
// never by dividing by 3, so that widths come out to the last digit as the
// cabinets already saved by users were laid out.
inline constexpr long double kOneThird = 0.33333333333333333334L;

inline double Third(double value)
{
    return static_cast<double>(static_cast<long double>(value) * kOneThird);
}

// The dimension parameters the layout reads, by their position in Dims.dat.
namespace param {
inline constexpr int Height = 0;
inline constexpr int Width = 1;
inline constexpr int ToeKickHeight = 3;
inline constexpr int RightStile = 5;
inline constexpr int LeftStile = 6;
inline constexpr int TopRail = 7;
inline constexpr int BottomRail = 8;
inline constexpr int BlindPanel = 9;
inline constexpr int MidRail = 12;
inline constexpr int Mullion = 13;
inline constexpr int FirstDrawerFace = 14; // four per section, A then B then C
inline constexpr int FirstPartitionOpening = 32; // wanted upper opening of section 1
inline constexpr int PartitionRail = 35;
inline constexpr int BottomDadoDepth = 36;
inline constexpr int BottomSetting = 50;
inline constexpr int TopRabbitDepth = 58;
inline constexpr int TopDadoDepth = 59;
inline constexpr int CarcassRabbitDepth = 62;
inline constexpr int CarcassDadoDepth = 63;
inline constexpr int TopOverlay = 66;
inline constexpr int Scribe = 68;
inline constexpr int FirstSectionWidth = 70; // wanted width of section 1
} // namespace param

// Part rows whose stock thickness the layout reads.
namespace stock {
inline constexpr int Top = 0;
inline constexpr int Bottom = 1;
inline constexpr int LeftSide = 2;
inline constexpr int RightSide = 3;
inline constexpr int Shelf = 14;
inline constexpr int Divider = 15; // dividers and partitions
} // namespace stock

// Items of the include-parts list the layout reads.
namespace include {
inline constexpr int Top = 0;
inline constexpr int Bottom = 1;
inline constexpr int LeftSide = 2;
inline constexpr int RightSide = 3;
inline constexpr int ToeKick = 7;
inline constexpr int FaceFrame = 8;
inline constexpr int Mullions = 9;
inline constexpr int CarcassRail = 19;
} // namespace include

// What the layout reads from the model, under short names so that the
// formulas stay readable.
class LayoutInputs {
public:
    explicit LayoutInputs(const CabinetModel& model)
        : m_model(model)
    {
    }

    double p(int index) const { return m_model.param(index); }
    double t(int row) const { return m_model.partStock.at(static_cast<std::size_t>(row)); }
    bool inc(int item) const { return m_model.include(item); }
    bool opt(CabinetOption option) const { return m_model.options[option]; }
    bool blindCorner() const { return m_model.record.flag(RecordOffset::BlindCorner); }
    bool faceFrame() const { return inc(include::FaceFrame); }

    // The section count as the model holds it; the formulas test it for 1, 2
    // and 3 and do nothing for anything else.
    int n() const { return m_model.sectionCount; }
    // How many section columns there are to compute.
    int sectionsInUse() const { return std::clamp(n(), 0, kSections); }

    int item(int s, SectionItem which) const { return m_model.sectionItem(s, which); }
    bool hasPartition(int s) const { return item(s, SectionItem::Partition) != 0; }
    int drawers(int s) const { return std::min(item(s, SectionItem::DrawerCount), kMaxDrawers); }
    // A bank larger than the drawer count is left behind when drawers or
    // sections are removed; like the designer, the layout ignores it rather
    // than taking the whole section for a bank.
    int banksInUse(int s) const
    {
        const int banks = item(s, SectionItem::DrawerBanks);
        return banks <= drawers(s) ? banks : 0;
    }
    // Face height of drawer j (0..3) of section s.
    double drawerFace(int s, int j) const { return p(param::FirstDrawerFace + kMaxDrawers * s + j); }

    std::string text(double inches) const { return FormatMeasure(inches, m_model.units); }

private:
    const CabinetModel& m_model;
};

} // namespace boxmill::layout
