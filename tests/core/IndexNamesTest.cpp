// SPDX-License-Identifier: GPL-3.0-or-later
// Every layout rule, calculator, drawing step and listing reads the data
// files' lines through these named indices, so a name one line off would
// be wrong everywhere at once. Each name is checked against the line of the
// data file it stands for.
#include "core/Constants.h"
#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "core/PartRows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

using namespace boxmill;

namespace {

std::vector<std::string> DataLines(const char* file)
{
    std::ifstream in(std::filesystem::path(BOXMILL_DATA_DIR) / file, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

using Named = std::vector<std::pair<int, const char*>>;

void ExpectLines(const char* file, std::size_t count, const Named& names)
{
    const auto lines = DataLines(file);
    ASSERT_EQ(lines.size(), count) << file;
    for (const auto& [index, line] : names) {
        ASSERT_GE(index, 0) << line;
        ASSERT_LT(static_cast<std::size_t>(index), lines.size()) << line;
        EXPECT_EQ(lines[static_cast<std::size_t>(index)], line) << file << " index " << index;
    }
}

} // namespace

TEST(IndexNames, ParametersNameTheirLinesOfTheDataFile)
{
    namespace P = Param;
    ExpectLines("Dims.dat", kParamCount,
                {
                    {P::Height, "Cabinet Height"},
                    {P::Width, "Cabinet Width"},
                    {P::Depth, "Cabinet Depth"},
                    {P::ToeKickHeight, "Toe Kick Height"},
                    {P::ToeKickDepth, "Toe Kick Depth"},
                    {P::RightStile, "Face Frame Stile Right"},
                    {P::LeftStile, "Face Frame Stile Left"},
                    {P::TopRail, "Face Frame Top Rail"},
                    {P::BottomRail, "Face Frame Bottom Rail"},
                    {P::BlindPanel, "Blind Corner Panel Width"},
                    {P::ShelfDepthAllowance, "Adjustable Shelf Depth Gap"},
                    {P::ShelfLengthAllowance, "Adjustable Shelf Length Gap"},
                    {P::MidRail, "Face Frame Mid Rail"},
                    {P::Mullion, "Face Frame Mullion"},
                    {P::FirstDrawerFace, "Drawer Face 1 Section A"},
                    {P::DrawerFace(0, 3), "Drawer Face 4 Section A"},
                    {P::DrawerFace(1, 0), "Drawer Face 1 Section B"},
                    {P::DrawerFace(2, 1), "Drawer Face 2 Section C"},
                    {P::DrawerFace(2, 3), "Drawer Face 4 Section C"},
                    {P::DrawerHeightClearance, "Drawer Height Clearance"},
                    {P::DrawerDepth, "Drawer Depth"},
                    {P::DrawerDado, "Drawer Dado Depth"},
                    {P::DrawerSideClearance, "Drawer Side Clearance"},
                    {P::FaceOverlay, "Drawer Face Overlay"},
                    {P::DoorGap, "Door Pair Gap"},
                    {P::FirstPartitionOpening, "Partition Opening Section A"},
                    {P::FirstPartitionOpening + 2, "Partition Opening Section C"},
                    {P::PartitionRail, "Face Frame Partition Rail"},
                    {P::BottomAndShelfDado, "Bottom/Shelf Dado Depth"},
                    {P::NailerWidth, "Nailer Width"},
                    {P::DoorLeftStile, "Door Stile Left"},
                    {P::DoorRightStile, "Door Stile Right"},
                    {P::DoorTopRail, "Door Rail Top"},
                    {P::DoorBottomRail, "Door Rail Bottom"},
                    {P::DoorOverlay, "Door Overlay"},
                    {P::DoorMullion, "Door Mullion"},
                    {P::DoorMidRail, "Door Mid Rail"},
                    {P::DoorMortise, "Door Mortise Depth"},
                    {P::LowerPanelOffset, "Door Panel Offset Lower"},
                    {P::UpperPanelOffset, "Door Panel Offset Upper"},
                    {P::CarcassRail, "Carcass Rail Width"},
                    {P::FrontSetback, "Front Panel Setback"},
                    {P::BottomOffset, "Bottom Offset Below Rail"},
                    {P::ToeKickRabbit, "Toe Kick Rabbet Depth"},
                    {P::PartitionDado, "Partition Dado Depth"},
                    {P::DrawerRabbit, "Drawer Rabbet Depth"},
                    {P::DrawerDovetail, "Drawer Dovetail Allowance"},
                    {P::DoorInsetGap, "Door Inset Gap"},
                    {P::FaceInsetGap, "Drawer Face Inset Gap"},
                    {P::TopAndRailSetdown, "Top/Carcass Rail Setdown"},
                    {P::TopRabbit, "Top Rabbet Depth"},
                    {P::TopDado, "Top Dado Depth"},
                    {P::NailerRabbit, "Nailer Rabbet Depth"},
                    {P::DividerDado, "Divider Dado Depth"},
                    {P::CarcassRailRabbit, "Carcass Rail Rabbet Depth"},
                    {P::CarcassRailDado, "Carcass Rail Dado Depth"},
                    {P::DoorPanelClearanceLength, "Door Panel Clearance Length"},
                    {P::DoorPanelClearanceWidth, "Door Panel Clearance Width"},
                    {P::TopOverlayWidth, "Top Overlay Width"},
                    {P::TopOverlayDepth, "Top Overlay Depth"},
                    {P::Scribe, "Scribe Allowance"},
                    {P::DrawerBottomDado, "Drawer Bottom Dado Height"},
                    {P::FirstSectionWidth, "Section A Width"},
                    {P::FirstSectionWidth + 2, "Section C Width"},
                });
}

TEST(IndexNames, PartRowsNameTheirLinesOfTheDataFile)
{
    namespace R = PartRow;
    ExpectLines("CabParts.dat", kPartRows,
                {
                    {R::Top, "Top"},
                    {R::Bottom, "Bottom"},
                    {R::LeftSide, "Left Side"},
                    {R::RightSide, "Right Side"},
                    {R::Back, "Back"},
                    {R::Front, "Front"},
                    {R::Nailer, "Nailer"},
                    {R::Toekick, "Toe Kick/Sleeper"},
                    {R::LeftStile, "Left Stile"},
                    {R::RightStile, "Right Stile"},
                    {R::TopRail, "Top Rail"},
                    {R::BottomRail, "Bottom Rail"},
                    {R::Mullion, "Mullion"},
                    {R::MidRail, "Mid Rail"},
                    {R::Shelf, "Shelf"},
                    {R::Partition, "Partition/Divider"},
                    {R::PartitionRail, "Partition Rail"},
                    {R::DrawerFront, "Drawer Front"},
                    {R::DrawerBack, "Drawer Back"},
                    {R::DrawerSide, "Drawer Side"},
                    {R::DrawerBottom, "Drawer Bottom"},
                    {R::DrawerFace, "Drawer Face"},
                    {R::DoorLeftStile, "Door Left Stile"},
                    {R::DoorRightStile, "Door Right Stile"},
                    {R::DoorTopRail, "Door Top Rail"},
                    {R::DoorBottomRail, "Door Bottom Rail"},
                    {R::DoorPanel, "Door Panel"},
                    {R::DoorMullion, "Door Mullion"},
                    {R::DoorMidRail, "Door Mid Rail"},
                    {R::CarcassRail, "Carcass Rail"},
                    {R::BlindPanel, "Blind Panel"},
                });
}

TEST(IndexNames, IncludeItemsNameTheirLinesOfTheDataFile)
{
    namespace I = IncludeItem;
    ExpectLines("IncParts.dat", kIncludeItems,
                {
                    {I::Top, "Top"},
                    {I::Bottom, "Bottom"},
                    {I::LeftSide, "Left Side"},
                    {I::RightSide, "Right Side"},
                    {I::Back, "Back"},
                    {I::Front, "Front"},
                    {I::Nailers, "Nailers"},
                    {I::ToeKick, "Toe Kick/Sleepers"},
                    {I::FaceFrame, "Face Frame Stiles/Rails"},
                    {I::Mullions, "Mullions"},
                    {I::MidRails, "Mid Rails"},
                    {I::Shelves, "Shelves"},
                    {I::Partitions, "Partitions"},
                    {I::PartitionRails, "Partition Rails"},
                    {I::DrawerBoxes, "Drawer Boxes"},
                    {I::DrawerFaces, "Drawer Faces"},
                    {I::DoorFrames, "Door Stiles/Rails"},
                    {I::DoorPanels, "Door Panels"},
                    {I::DoorMullions, "Door Mullions"},
                    {I::CarcassRails, "Carcass Rails"},
                });
}
