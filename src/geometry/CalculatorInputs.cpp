// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/CalculatorInputs.h"

#include "core/Measure.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace boxmill::partcalc {

bool Inputs::detachedBase() const
{
    return model().record.flag(RecordOffset::DetachedBase);
}

bool Inputs::blindCorner() const
{
    return model().record.flag(RecordOffset::BlindCorner);
}

bool Inputs::adjustableShelves() const
{
    return model().record.flag(RecordOffset::AdjustableShelves);
}

int Inputs::sectionCount() const
{
    return std::clamp(model().sectionCount, 1, kSections);
}

double Inputs::scribes(bool leftEnd, bool rightEnd) const
{
    double allowance = 0.0;
    if (leftEnd && option(CabinetOption::LeftScribe))
        allowance += P(Param::Scribe);
    if (rightEnd && option(CabinetOption::RightScribe))
        allowance += P(Param::Scribe);
    return allowance;
}

double Inputs::kickHeight() const
{
    return has(IncludeItem::ToeKick) ? P(Param::ToeKickHeight) : 0.0;
}

double Inputs::overlayTop() const
{
    return has(IncludeItem::Top) && option(CabinetOption::TopButtJoint) ? T(PartRow::Top) : 0.0;
}

double Inputs::bottomRailDrop() const
{
    const double drop = P(Param::BottomRail) - T(PartRow::Bottom) - P(Param::BottomOffset);
    return drop > 0.0 ? drop : 0.0;
}

double Inputs::caseDepth(int frameStockRow) const
{
    double depth = P(Param::Depth);
    if (has(IncludeItem::FaceFrame))
        depth -= T(frameStockRow);
    if (has(IncludeItem::Back) && !option(CabinetOption::BackInside))
        depth -= T(PartRow::Back);
    return depth;
}

double Inputs::clearDepth() const
{
    double depth = P(Param::Depth);
    if (has(IncludeItem::FaceFrame))
        depth -= T(PartRow::TopRail);
    if (has(IncludeItem::Back))
        depth -= T(PartRow::Back);
    if (has(IncludeItem::Front))
        depth -= T(PartRow::Front) + P(Param::FrontSetback);
    return depth;
}

PartSize Inputs::finish(int partRow, double length, double width) const
{
    const UnitMode units = model().units;
    PartSize part;
    part.length = length;
    part.width = width;
    part.lengthText = FormatMeasure(length, units);
    part.widthText = FormatMeasure(width, units);
    part.stockText = FormatMeasure(T(partRow), units);
    part.material = model().partWoodName.at(static_cast<std::size_t>(partRow));
    part.partRow = partRow;
    // A board that comes to nothing is never cut, and so never priced: a
    // negative area would take wood off the cost of the others.
    part.area = length > 0.0 && width > 0.0 ? BoardArea(length, width) : 0.0;
    if (m_areas)
        m_areas->at(static_cast<std::size_t>(partRow)) += part.area;
    return part;
}

void CheckSection(int section)
{
    if (section < 0 || section >= kSections)
        throw std::out_of_range("section " + std::to_string(section) + " is not one of the cabinet's three sections");
}

void CheckDrawer(int drawer)
{
    if (drawer < 0 || drawer >= kMaxDrawers)
        throw std::out_of_range("drawer " + std::to_string(drawer) + " is not one of a section's four drawers");
}

double BoardArea(double length, double width)
{
    const double squareInches = length * width;
    // An absurd size must not turn the wood totals, and the costs made from
    // them, into infinity.
    if (!std::isfinite(squareInches))
        return 0.0;
    return squareInches / AreaDivisor(UnitMode::Inches);
}

} // namespace boxmill::partcalc
