// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DesignerState.h"
#include "core/ParameterIndex.h"

#include <optional>
#include <string>

namespace boxmill {

class CabinetModel;
class Prompter;
struct LayoutResult;

// What the designer window does after a command, besides showing the edit
// state's buttons, prompt and count again.
struct DesignerEffect {
    // The layout was recalculated: draw the face again and refill the
    // front dimensions.
    bool redraw = false;
    // Only the shown section changed: refill the front dimensions.
    bool refillFrontDimensions = false;
    // Select this dimension parameter in the main window.
    std::optional<int> selectParameter;
    // An entry was refused or corrected (the user has been told).
    bool inputError = false;
};

// Prompts of the mode buttons, shown in FunctionName.
inline constexpr const char* kMullionPrompt = "Mullion(s) enter, 0,1,2";
inline constexpr const char* kShelvesPrompt = "Shelve(s) enter, 0,1,2,3,4";
inline constexpr const char* kDrawersPrompt = "Drawer(s) enter, 0,1,2,3,4";
inline constexpr const char* kBankPrompt = "Bank last 1,2,3,4";
inline constexpr const char* kDoorsPrompt = "Door(s) enter, 0,1,2";
inline constexpr const char* kPartitionPrompt = "Partition enter, 0,1";

inline constexpr const char* kTooManyMullions = "Too many mullions. Up to 2 mullions are allowed.";
inline constexpr const char* kTooManyShelves = "Too many shelves. Up to 4 shelves are allowed.";
inline constexpr const char* kTooManyDrawers = "Too many drawers. Up to 4 drawers are allowed.";
inline constexpr const char* kBankLostDrawer =
    "A drawer was removed in a full bank, the bank will be adjusted to match.";
inline constexpr const char* kBankTooLarge = "Cannot bank more drawers then exists.";
inline constexpr const char* kTooManyDoors = "Too many doors. Up to 2 doors are allowed.";
inline constexpr const char* kOnePartitionOnly = "Only 1 main partition per cabinet section is allowed.";
// "Mullion offsets allowed in 1 of 2 sections only."
std::string MullionOffsetLimitMessage(int sectionCount);

// The parameters a mouse press selects before the click runs: the wanted
// width of the shown section (Add Mullion Offset), the wanted height of its
// partition opening (Move Partition Above/Below Center), and the cabinet
// height (Size Cabinet).
int MullionOffsetParameter(const DesignerState& state);
// What an Enter does in the state's mode, as the Undo command names it:
// "Add Drawers", "Add Partition Doors".
std::string EnterEditName(const DesignerState& state);
int PartitionOffsetParameter(const DesignerState& state);
inline constexpr int kSizeCabinetParameter = Param::Height;
// How many counts the list offers in the state's mode, from "0": only what
// the mode allows (two mullions, two doors, one partition), all five
// otherwise.
int DataInputItems(const DesignerState& state);

// The section editing commands of the designer. Each acts on the shown
// section of `state`, changes the cabinet record, recalculates the layout
// and says what the window has to do; messages go through the prompter.
// The model is the one an edit hands over (session/EditCommands.h
// EditSection); the commands that change only what the designer shows are
// DesignerControls'.
class SectionEditor {
public:
    SectionEditor(CabinetModel& model, LayoutResult& layout, Prompter& prompter, DesignerState& state);

    DesignerEffect enter();
    DesignerEffect addMullionOffset();
    DesignerEffect removeMullionOffsets();
    DesignerEffect movePartitionAboveCenter();
    DesignerEffect movePartitionBelowCenter();
    DesignerEffect centerPartition();
    DesignerEffect centerAllPartitions();

    const DesignerState& state() const { return m_state; }

private:
    int section() const;
    DesignerEffect movePartition(bool above);
    void setSectionCount(int count);
    DesignerEffect recalculate();

    CabinetModel& m_model;
    LayoutResult& m_layout;
    Prompter& m_prompter;
    DesignerState& m_state;
};

} // namespace boxmill
