// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractItemView;

namespace boxmill {

// Text typed into a cell still being edited counts as typed: a window asks
// about its unsaved edits only after this, or the edit would come in after
// the answer and be lost with the window.
void CommitOpenEditor(QAbstractItemView& view);

} // namespace boxmill
