// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Constants.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace boxmill {

// Rows of the sectional dimensions grid, top to bottom.
enum class LayoutRow : int {
    Width,
    Upper,        // opening above the partition rail
    Lower,        // opening below it, less the separately sized drawers
    UpperShelves, // shelf spacing of the upper opening
    Drawer1,
    Drawer2,
    Drawer3,
    Drawer4,
    Shelves, // shelf spacing of the main opening
};

// The rows' titles, as the grid and the command-line companion show them.
inline constexpr std::array<std::string_view, 9> kLayoutRowTitles = {
    "Width", "Upper", "Lower", "Shelve(s)", "Drawer 1", "Drawer 2", "Drawer 3", "Drawer 4", "Shelve(s)"};

// Everything one layout recalculation computes, in inches unless said.
// Arrays are indexed by section 0..2 (sections 1..3 of the messages) and
// drawer 0..3.
//
// The session owns one of these for the whole run and the recalculation
// updates it in place: values of sections that no longer exist keep their
// last value (only their grid cells are emptied), and the shifts below are
// inputs as well as results.
struct LayoutResult {
    std::array<double, kSections> SectionFaceWidth {};
    double DividerPosBottom = 0.0;
    double DividerPosTop = 0.0;
    double Divider2PosBottom = 0.0;
    double Divider2PosTop = 0.0;
    std::array<double, kSections> SectionNominalWidth {};
    double OpeningHeight = 0.0;
    std::array<double, kSections> PartitionNominal {};
    std::array<double, kSections> UpperHeight {};
    std::array<double, kSections> LowerHeight {};
    std::array<double, kSections> PartitionShelfSpacing {};
    std::array<double, kSections> BankHeight {};
    std::array<std::array<double, kMaxDrawers>, kSections> DrawerHeight {};
    std::array<double, kSections> ShelfSpacing {};

    // Width of each section's carcass opening after mullion shifts, divider
    // placement and blind corner: what shelves and partitions are cut to.
    std::array<double, kSections> SectionCarcassWidth {};

    // Set by ApplyMullionOffset and read by every recalculation. Only
    // "Remove Mullion Offsets" and the sequence after a load (or a new
    // cabinet) put them back to 0, through clearMullionShifts(); removing the
    // offset flags alone does not.
    std::array<double, kSections> MullionShift {};
    std::array<std::int32_t, kSections> MullionShiftUnits {};
    // Set by ApplyPartitionOffset and never reset: the section's
    // PartitionAbove/PartitionBelow items decide whether it is used, and
    // centring a partition clears those.
    std::array<double, kSections> PartitionShift {};

    // The sectional dimensions grid: one column per section, rows as in
    // LayoutRow. Cells of sections that do not exist are empty.
    static constexpr int kGridRows = 9;
    std::array<std::array<std::string, kSections>, kGridRows> grid;

    std::string& cell(LayoutRow row, int section)
    {
        return grid.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(section));
    }
    const std::string& cell(LayoutRow row, int section) const
    {
        return grid.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(section));
    }

    void clearMullionShifts()
    {
        MullionShift.fill(0.0);
        MullionShiftUnits.fill(0);
    }
};

} // namespace boxmill
