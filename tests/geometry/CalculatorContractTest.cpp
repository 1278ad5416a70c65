// SPDX-License-Identifier: GPL-3.0-or-later
// What every calculator promises: the area rule in both unit modes, no
// infinity in the wood totals, and no reading outside the section tables.
#include "CalculatorFixture.h"

#include <cmath>
#include <stdexcept>

using namespace boxmill;
using namespace boxmill::calctest;

namespace {

// A 30 x 20 inch board: the blind panel, with nothing in its way.
class CalcContract : public CalculatorFixture {
protected:
    CalcContract() { params({{0, "30"}, {9, "20"}}); }
};

TEST_F(CalcContract, AreaInSquareFeetWhateverTheUnits)
{
    EXPECT_DOUBLE_EQ(CalcBlindPanel(context()).area, 600.0 / 144.0);
    model.units = UnitMode::Metric;
    const PartSize panel = CalcBlindPanel(context());
    EXPECT_DOUBLE_EQ(panel.area, 600.0 / 144.0);
    EXPECT_DOUBLE_EQ(areas[PartRow::BlindPanel], 2 * 600.0 / 144.0);
    EXPECT_EQ(panel.lengthText, "762");
    EXPECT_EQ(panel.widthText, "508");
}

TEST_F(CalcContract, AbsurdSizesCountNoWood)
{
    // Each size fits the record; their product does not fit a double.
    params({{0, "1e200"}, {9, "1e200"}});
    EXPECT_EQ(CalcBlindPanel(context()).area, 0.0);
    EXPECT_TRUE(std::isfinite(areas[PartRow::BlindPanel]));
}

TEST_F(CalcContract, SectionOrDrawerOutsideTheTablesIsRefused)
{
    const CalcContext c = context();
    EXPECT_THROW(CalcMidRail(c, 3, FaceRail::MidRail), std::out_of_range);
    EXPECT_THROW(CalcDoorMullion(c, -1, Opening::Lower), std::out_of_range);
    EXPECT_THROW(CalcDrawerFace(c, 0, 4), std::out_of_range);
    EXPECT_THROW(CalcDrawerSide(c, 0, -1), std::out_of_range);
    EXPECT_THROW(CalcDrawerFrontBack(c, 3, 0, DrawerEnd::Back), std::out_of_range);
    EXPECT_THROW(CalcDrawerBottom(c, -1), std::out_of_range);
    EXPECT_THROW(CalcDoorStile(c, 3, Opening::Upper, Side::Left), std::out_of_range);
    EXPECT_THROW(CalcDoorRail(c, 3, Opening::Lower, RailEnd::Top), std::out_of_range);
    EXPECT_THROW(CalcDoorPanel(c, -1, Opening::Lower, PanelOrder::First), std::out_of_range);
    EXPECT_THROW(CalcDoorMidRail(c, 3, Opening::Lower), std::out_of_range);
    EXPECT_THROW(CalcShelf(c, 3, ShelfKind::Partition), std::out_of_range);
    EXPECT_THROW(SkipShelf(model, layout, -1), std::out_of_range);
    for (double area : areas)
        EXPECT_EQ(area, 0.0);
}

} // namespace
