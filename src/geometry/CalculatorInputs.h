// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the calculator sources only: short, named access to what the
// formulas read, so that each formula reads like the workshop rule it is.

#include "core/CabinetModel.h"
#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "geometry/Calculators.h"
#include "geometry/LayoutResult.h"

namespace boxmill::partcalc {

class Inputs {
public:
    explicit Inputs(const CalcContext& context)
        : m_model(context.model)
        , m_layout(context.layout)
        , m_areas(&context.areas)
    {
    }
    // For the rules that size nothing and so count no area.
    Inputs(const CabinetModel& model, const LayoutResult& layout)
        : m_model(model)
        , m_layout(layout)
    {
    }

    const CabinetModel& model() const { return m_model; }
    const LayoutResult& layout() const { return m_layout; }

    double P(int param) const { return m_model.paramValue[static_cast<std::size_t>(param)]; }
    double T(int partRow) const { return m_model.partStock.at(static_cast<std::size_t>(partRow)); }
    bool has(int item) const { return m_model.include(item); }
    bool option(CabinetOption which) const { return m_model.options[which]; }
    bool detachedBase() const;
    bool blindCorner() const;
    bool adjustableShelves() const;

    // 1..3 whatever the count says, so that no formula divides by zero or
    // indexes past the section tables.
    int sectionCount() const;
    int sectionItem(int section, SectionItem item) const { return m_model.sectionItem(section, item); }

    // The allowance taken off a carcass width for each side that is scribed.
    double scribes(bool leftEnd = true, bool rightEnd = true) const;
    // Toekick height left out of full-height parts, when a toekick is built.
    double kickHeight() const;
    // Thickness of an overlay top, which sits on the sides.
    double overlayTop() const;
    // How far the bottom rail reaches below the cabinet bottom, which the
    // toekick and sleepers make up.
    double bottomRailDrop() const;
    // Height of the parts that stand on the toekick and under an overlay top
    // (stiles, blind panel).
    double standingHeight() const { return P(Param::Height) - kickHeight() - overlayTop(); }
    // Cabinet depth less the face frame (whose stock is that of
    // `frameStockRow`) and less a back that is fitted behind the sides.
    double caseDepth(int frameStockRow) const;
    // Depth left between the face frame, the back and a set-back front: what
    // dividers, shelves and partitions get.
    double clearDepth() const;

    // Formats the board, names its wood and counts its area.
    PartSize finish(int partRow, double length, double width) const;

private:
    const CabinetModel& m_model;
    const LayoutResult& m_layout;
    PartAreas* m_areas = nullptr;
};

// Sections and drawers index fixed tables; an index outside them is a
// caller's mistake and is refused rather than read.
void CheckSection(int section);
void CheckDrawer(int drawer);

// One board's contribution to the wood area, in square feet whatever the
// units: prices are per square foot, and a cabinet must cost the same in
// both.
double BoardArea(double length, double width);

} // namespace boxmill::partcalc
