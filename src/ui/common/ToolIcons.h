// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace boxmill {

enum class ToolGlyph {
    NewCabinet,
    OpenLibrary,
    SaveToLibrary,
    SaveAs,
    Zoom,
    SendToCutList,
    Options,
    Designer,
    RaisedPanel,
    FrontView,
    SideView,
    TopView,
    Exit,
    Print,
    Close,
    CenterPartition,
    CenterAllPartitions,
    Undo,
    Redo,
    FaceFrame,
    DoorView,
    DrawerView,
    NextSection,
    UpperLower,
    NextDrawer,
    Export,
    CuttingDiagram,
};

// Small line drawings in one style, painted at run time so they stay sharp
// at any screen scale and need no image files.
QIcon ToolIcon(ToolGlyph glyph);

} // namespace boxmill
