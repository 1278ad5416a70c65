// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WoodEditBoxes.h"

#include "core/Measure.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

class Prompter;

inline constexpr std::string_view kBlankWoodMessage =
    "No part of the wood type can be blank, or the thickness and the cost@ft.";
inline constexpr std::string_view kDuplicateWoodMessage = "You currently have this wood type in the listing index.";
inline constexpr std::string_view kChangeWoodBlankMessage =
    "When changing the wood, all available data fields must contain the proper data and cannot be blank.";

std::string AddWoodQuestion(std::string_view item);
std::string ChangeWoodQuestion(std::string_view item);
std::string DeleteWoodQuestion(std::string_view item);

enum class [[nodiscard]] WoodListingOutcome {
    Done,            // the listing changed and Wood.dat was rewritten
    Cancelled,       // the user answered Cancel
    Refused,         // an entry was refused and reported (the input error)
    NotSaved,        // Wood.dat could not be written: reported, listing unchanged
    NothingSelected, // Delete without a selected item: nothing to do
};

struct WoodListingEdit {
    WoodListingOutcome outcome;
    std::optional<int> selected; // the listing row to select afterwards
};

// The commands of the "Wood Selection Editor" on the listing as shown. The
// listing stays sorted as the list box sorts it and every change is saved
// to Wood.dat at once; a change that cannot be saved is not made, so the
// listing always matches the file.
class WoodListingEditor {
public:
    WoodListingEditor(std::vector<std::string>& items, UnitMode mode, std::filesystem::path woodFile,
                      Prompter& prompter);

    // "Add To Listing Index"; the added wood becomes the selection.
    WoodListingEdit add(const WoodEditBoxes& boxes, std::optional<int> selected);
    // "Change Listing Index": replaces the selected item, which stays
    // selected wherever the sorting puts it.
    WoodListingEdit change(const WoodEditBoxes& boxes, std::optional<int> selected);
    // "Delete From Wood Listing Index": the item that takes the deleted
    // one's place is selected (the new last one when the last was deleted)
    // and the window fills the edit boxes from it.
    WoodListingEdit remove(std::optional<int> selected);

private:
    std::optional<std::string> itemFromBoxes(const WoodEditBoxes& boxes);
    bool commit(std::vector<std::string> edited);
    std::optional<int> validRow(std::optional<int> selected) const;
    std::optional<int> rowOf(const std::string& item) const;

    std::vector<std::string>& m_items;
    UnitMode m_mode;
    std::filesystem::path m_woodFile;
    Prompter& m_prompter;
};

} // namespace boxmill
