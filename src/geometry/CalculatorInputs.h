// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the calculator sources only: short, named access to what the
// formulas read, so that each formula reads like the workshop rule it is.

#include "core/CabinetModel.h"
#include "geometry/Calculators.h"
#include "geometry/LayoutResult.h"

namespace boxmill::partcalc {

// Dimension parameters by index, named after their role.
enum class Param : int {
    Height = 0,
    Width = 1,
    Depth = 2,
    ToekickHeight = 3,
    ToekickDepth = 4,
    RightStileWidth = 5,
    LeftStileWidth = 6,
    TopRailWidth = 7,
    BottomRailWidth = 8,
    BlindCornerWidth = 9,
    AdjustableShelfDepthAllowance = 10,
    AdjustableShelfLengthAllowance = 11,
    MidRailWidth = 12,
    MullionWidth = 13,
    DrawerHeightClearance = 26,
    DrawerDepth = 27,
    DrawerDadoDepth = 28,
    DrawerSideClearance = 29,
    DrawerFaceOverlay = 30,
    DoorGap = 31,
    PartitionRailWidth = 35,
    BottomDadoDepth = 36, // also the shelf dadoes
    NailerWidth = 37,
    DoorLeftStileWidth = 38,
    DoorRightStileWidth = 39,
    DoorTopRailWidth = 40,
    DoorBottomRailWidth = 41,
    DoorOverlay = 42,
    DoorMullionWidth = 43,
    DoorMidRailWidth = 44,
    DoorRailTongue = 45,
    LowerPanelOffset = 46,
    UpperPanelOffset = 47,
    CarcassRailWidth = 48,
    FrontSetback = 49,
    BottomOffset = 50,
    ToekickRabbitDepth = 51,
    PartitionDadoDepth = 52,
    DrawerDovetailAllowance = 54,
    DoorInsetGap = 55,
    DrawerFaceInsetGap = 56,
    BackDadoDepth = 57, // dado of the top and carcass rail for backs and dividers
    TopRabbitDepth = 58,
    TopDadoDepth = 59,
    NailerRabbitDepth = 60,
    DividerDadoDepth = 61,
    CarcassRailRabbitDepth = 62,
    CarcassRailDadoDepth = 63,
    PanelClearanceLength = 64,
    PanelClearanceWidth = 65,
    TopOverlayWidth = 66,
    TopOverlayDepth = 67,
    ScribeAllowance = 68,
    DrawerBottomDadoDepth = 69,
};

// Items of the include-parts list.
enum class Inc : int {
    Top = 0,
    Bottom = 1,
    LeftSide = 2,
    RightSide = 3,
    Back = 4,
    Front = 5,
    Nailers = 6,
    Toekick = 7,
    FaceFrame = 8,
    Mullions = 9,
    DoorFrames = 16,
    DoorMullions = 18,
    CarcassRail = 19,
};

class Inputs {
public:
    explicit Inputs(const CalcContext& context)
        : m_model(context.model), m_layout(context.layout), m_areas(&context.areas)
    {
    }
    // For the rules that size nothing and so count no area.
    Inputs(const CabinetModel& model, const LayoutResult& layout) : m_model(model), m_layout(layout) {}

    const CabinetModel& model() const { return m_model; }
    const LayoutResult& layout() const { return m_layout; }

    double P(Param param) const { return m_model.paramValue[static_cast<std::size_t>(param)]; }
    double T(int partRow) const { return m_model.partStock.at(static_cast<std::size_t>(partRow)); }
    bool has(Inc item) const { return m_model.include(static_cast<int>(item)); }
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

// One board's contribution to the wood area, in square feet (inches) or
// square centimetres (metric).
double BoardArea(double length, double width, UnitMode units);

} // namespace boxmill::partcalc
