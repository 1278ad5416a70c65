// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/CabinetModel.h"
#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "core/PartRows.h"

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
    bool faceFrame() const { return inc(IncludeItem::FaceFrame); }

    // The section count as the model holds it; the formulas test it for 1, 2
    // and 3 and do nothing for anything else.
    int n() const { return m_model.sectionCount; }
    // How many section columns there are to compute.
    int sectionsInUse() const { return std::clamp(n(), 0, kSections); }

    int item(int s, SectionItem which) const { return m_model.sectionItem(s, which); }
    bool hasPartition(int s) const { return item(s, SectionItem::Partition) != 0; }
    int drawers(int s) const { return m_model.drawers(s); }
    int banksInUse(int s) const { return m_model.banksInUse(s); }
    // Face height of drawer j (0..3) of section s.
    double drawerFace(int s, int j) const { return p(Param::DrawerFace(s, j)); }

    std::string text(double inches) const { return FormatMeasure(inches, m_model.units); }

private:
    const CabinetModel& m_model;
};

} // namespace boxmill::layout
