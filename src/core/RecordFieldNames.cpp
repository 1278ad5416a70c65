// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordFieldNames.h"

namespace boxmill {

const std::array<std::string_view, 38> kOptionNames = {
    "LeftCorner",   "RightCorner", "SetDivider1",    "Center1",        "FlushRight1",    "FlushLeft1",
    "SetDivider2",  "Center2",     "FlushRight2",    "FlushLeft2",     "DrawerDadoes",   "PartitionDadoes",
    "ShelveDadoes", "LeftScribe",  "RightScribe",    "ExtraPartition", "ToeKickLeft",    "ToeKickRight",
    "FrontRabbit",  "BackRabbit",  "FrontDoveTail",  "BackDoveTail",   "FrontButtJoint", "BackButtJoint",
    "DoorInset",    "FaceInset",   "NotchedDivider", "BottomDado",     "DividerDado",    "NailerRabbit",
    "BackInside",   "TopRabbit",   "TopDado",        "TopButtJoint",   "CarcassRabbit",  "CarcassDado",
    "BlindMate",    "CarcassButt",
};

const std::array<std::string_view, 26> kRaisedPanelNames = {
    "LowerPanelsOffset", "DoublePanelA",    "NegativeOffsetA", "HorizontalA",       "VerticalA",
    "DoublePanelB",      "NegativeOffsetB", "HorizontalB",     "VerticalB",         "DoublePanelC",
    "NegativeOffsetC",   "HorizontalC",     "VerticalC",       "UpperPanelsOffset", "DoublePanelAP",
    "NegativeOffsetAP",  "HorizontalAP",    "VerticalAP",      "DoublePanelBP",     "NegativeOffsetBP",
    "HorizontalBP",      "VerticalBP",      "DoublePanelCP",   "NegativeOffsetCP",  "HorizontalCP",
    "VerticalCP",
};

const std::array<std::string_view, 12> kDrawerEnabledNames = {
    "Drawer1A", "Drawer2A", "Drawer3A", "Drawer4A", "Drawer1B", "Drawer2B",
    "Drawer3B", "Drawer4B", "Drawer1C", "Drawer2C", "Drawer3C", "Drawer4C",
};

const std::array<std::string_view, 12> kFaceEnabledNames = {
    "Face1A", "Face2A", "Face3A", "Face4A", "Face1B", "Face2B",
    "Face3B", "Face4B", "Face1C", "Face2C", "Face3C", "Face4C",
};

const std::array<std::string_view, 6> kPanelEnabledNames = {
    "PanelsA", "PanelsAP", "PanelsB", "PanelsBP", "PanelsC", "PanelsCP",
};

const std::array<std::string_view, 10> kSectionCountNames = {
    "Shelves",   "DrawerCount",    "DrawerBanks",    "DoorCount",        "MullionOffset",
    "Partition", "PartitionAbove", "PartitionBelow", "PartitionShelves", "PartitionDoors",
};

} // namespace boxmill
