// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolIcons.h"

#include <functional>

class QAction;
class QMainWindow;
class QToolBar;

namespace boxmill {

// A window's one tool bar: "ToolBar1", fixed in place, asking for
// `helpKey` when double-clicked (none when null).
QToolBar* AddWindowToolBar(QMainWindow* window, int iconSize, const char* helpKey);

// A tool button named `name` whose hint is its text and tool tip; a click
// runs `command` when there is one.
QAction* AddTool(QToolBar* bar, ToolGlyph glyph, const char* name, const char* hint, std::function<void()> command);

} // namespace boxmill
