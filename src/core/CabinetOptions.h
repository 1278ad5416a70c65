// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <span>

namespace boxmill {

class CabinetRecord;

// The construction choices of a cabinet that are not sizes. The options
// window mirrors this set; the engine, the cut lists and the drawings read it.
// Members keep the names of the window's controls. Radio groups are kept
// exclusive by the setters, so readers may trust them.
enum class CabinetOption : int {
    LeftCorner,
    RightCorner,
    SetDivider1,
    Center1,
    FlushRight1,
    FlushLeft1,
    SetDivider2,
    Center2,
    FlushRight2,
    FlushLeft2,
    DrawerDadoes,
    PartitionDadoes,
    ShelveDadoes,
    LeftScribe,
    RightScribe,
    ExtraPartition,
    ToeKickLeft,
    ToeKickRight,
    FrontRabbit,
    BackRabbit,
    FrontDoveTail,
    BackDoveTail,
    FrontButtJoint,
    BackButtJoint,
    DoorInset,
    FaceInset,
    NotchedDivider,
    BottomDado,
    DividerDado,
    NailerRabbit,
    BackInside,
    TopRabbit,
    TopDado,
    TopButtJoint,
    CarcassRabbit,
    CarcassDado,
    BlindMate,
    CarcassButt,
};

inline constexpr int kOptionCount = 38;

class CabinetOptionSet {
public:
    // The window's state before any cabinet is loaded.
    static CabinetOptionSet FormDefaults();

    bool operator[](CabinetOption option) const { return m_flags[static_cast<std::size_t>(option)]; }
    // Setting a radio option true clears the rest of its group; setting one
    // false is refused for radio options (a group always keeps one choice)
    // and returns false.
    bool set(CabinetOption option, bool value);

    bool raisedPanelSides = false;
    // 1 to 3, or nullopt when none is selected.
    std::optional<int> nailerCount;

    friend bool operator==(const CabinetOptionSet&, const CabinetOptionSet&) = default;

private:
    std::array<bool, kOptionCount> m_flags {};
};

// The radio group an option belongs to (empty for check boxes).
std::span<const CabinetOption> RadioGroupOf(CabinetOption option);

// Record bytes 2275..2313 and the nailer count at 2551. On loading, a group
// with several true bytes keeps the later one, as the window did when it set
// its buttons one after another.
CabinetOptionSet LoadOptionsFromRecord(const CabinetRecord& record);
void StoreOptionsToRecord(const CabinetOptionSet& options, CabinetRecord& record);

// Enabled states of the options window's controls: a divider's placement
// buttons follow its "Set Divider".
struct DividerControlsEnabled {
    bool divider1Placement = true;
    bool divider2Placement = true;
};
DividerControlsEnabled UpdateDividerControls(const CabinetOptionSet& options);

// The dimension parameter a mouse press on the option selects, if any.
std::optional<int> OptionParameterIndex(CabinetOption option);

} // namespace boxmill
