// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Constants.h"

#include <array>
#include <cstdint>
#include <string>

namespace boxmill {

// Everything one layout recalculation computes, in inches unless said.
// Arrays are indexed by section 0..2 (sections 1..3 of the messages) and
// drawer 0..3.
struct LayoutResult {
    std::array<double, kSections> SectionFaceWidth{};
    double DividerPosBottom = 0.0;
    double DividerPosTop = 0.0;
    double Divider2PosBottom = 0.0;
    double Divider2PosTop = 0.0;
    std::array<double, kSections> SectionNominalWidth{};
    double OpeningHeight = 0.0;
    std::array<double, kSections> PartitionNominal{};
    std::array<double, kSections> UpperHeight{};
    std::array<double, kSections> LowerHeight{};
    std::array<double, kSections> PartitionShelfSpacing{};
    std::array<double, kSections> BankHeight{};
    std::array<std::array<double, kMaxDrawers>, kSections> DrawerHeight{};
    std::array<double, kSections> ShelfSpacing{};
    std::array<double, kSections> MullionShift{};
    std::array<std::int32_t, kSections> MullionShiftUnits{};
    std::array<double, kSections> PartitionShift{};

    // The sectional dimensions grid: rows "Width", "Upper", "Lower",
    // "Shelve(s)", "Drawer 1".."Drawer 4", "Shelve(s)"; one column per
    // section. Cells of sections that do not exist are empty.
    static constexpr int kGridRows = 9;
    std::array<std::array<std::string, kSections>, kGridRows> grid;
};

} // namespace boxmill
