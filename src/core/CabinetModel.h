// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CabinetOptions.h"
#include "CabinetRecord.h"
#include "Constants.h"
#include "Measure.h"
#include "Messages.h"
#include "Money.h"
#include "PanelStyle.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace boxmill {

class Prompter;
class Vocabulary;

inline constexpr const char* kInitialCabinetStyle = "Base\\Untitled.cab";

// Where the program and the current cabinet live. Paths use the platform's
// separator; only display texts keep the old backslash form.
struct CabinetFolders {
    std::filesystem::path programFolder;
    std::filesystem::path cabinetFolder;
    std::filesystem::path cabinetPath;
    std::string cabinetName;
    // The cabinet's name as the main window shows it and the cut list
    // files record it.
    std::string cabinetStyle = kInitialCabinetStyle;
    // What "Save Cabinet" writes to: the file last chosen in a dialog.
    std::filesystem::path lastChosenFile = "Untitled.cab";
};

// What is saved with the cabinet and what Undo puts back: its record, the
// live options and panel style, and the numbers derived from them.
struct CabinetDocument {
    CabinetRecord record;
    // The live options; written into the record only when it is saved.
    CabinetOptionSet options = CabinetOptionSet::FormDefaults();
    // The live raised panel style, as the panel designer's controls show it;
    // written into the record only when it is saved. Each section's copy in
    // the record follows every change at once.
    PanelStyle panelStyle = PanelStyle::FormDefaults();

    std::array<double, kParamSlots> paramValue {};
    std::array<std::string, kPartSlots> partWoodName;
    std::array<double, kPartSlots> partStock {};
    std::array<Money, kPartSlots> partPrice {};
    std::array<double, kPartSlots> partArea {};
    // In drawing units of the drawing scale: rebuilt whenever the scale
    // changes or a document is put back.
    std::array<std::int32_t, kParamSlots> paramUnits {};
    std::array<std::int32_t, kPartSlots> partStockUnits {};

    int sectionCount = 1;
};

// The one cabinet being designed: its document and the settings around it,
// which are neither saved with it nor undone. The windows mirror this
// object; every command changes it and then asks for a recalculation.
class CabinetModel : public CabinetDocument {
public:
    bool saveCabinetEnabled = false;
    UnitMode units = UnitMode::Inches;
    int drawScale = 1;
    CabinetFolders folders;

    CabinetDocument& document() { return *this; }
    const CabinetDocument& document() const { return *this; }

    // Puts a freshly read record in place and rebuilds what derives from it.
    // Texts that are not numbers are read as 0 and reported once, by name.
    void adoptRecord(const CabinetRecord& loaded, const Vocabulary& vocabulary, Prompter& prompter);
    // The same, the report kept for the caller to show or not.
    [[nodiscard]] Messages adoptRecord(const CabinetRecord& loaded, const Vocabulary& vocabulary);

    // Each returns the indices whose text was not a number (read as 0).
    std::vector<int> rebuildParamValues();
    std::vector<int> rebuildPartArrays();
    void rebuildDrawingUnits();
    void clearPartAreas() { partArea.fill(0.0); }

    // The style becomes the live one, and every section's copy follows.
    void adoptPanelStyle(const PanelStyle& style);

    // The record as it is written to a file.
    CabinetRecord recordForSave() const;

    // The main window's "Blind Corner" and the options' "Mate" exclude each
    // other: checking one clears the other.
    void setBlindCorner(bool checked);
    void setBlindMate(bool checked);

    double param(int index) const { return paramValue.at(static_cast<std::size_t>(index)); }
    int sectionItem(int s, SectionItem item) const { return record.sectionItem(s, item); }
    // Drawers of section s (0..2), held to the table of four.
    int drawers(int s) const;
    // The banked drawers of section s. A bank larger than the drawer count
    // is left behind when drawers or sections are removed; it is not in use,
    // and every drawer is then sized, drawn and cut on its own.
    int banksInUse(int s) const;
    bool include(int item) const { return record.includeFlag(item); }
};

// "Parameter "Cabinet Height" ("abc")" style listing of the texts that were
// not numbers, for the one message a load shows about them.
std::string DescribeNonNumbers(const CabinetModel& model, const Vocabulary& vocabulary, const std::vector<int>& params,
                               const std::vector<int>& partRows);

} // namespace boxmill
