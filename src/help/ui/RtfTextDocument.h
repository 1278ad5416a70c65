// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTextDocument;

namespace boxmill {

struct RtfDocument;

// Replaces what `target` holds with `document`: one block per paragraph, so
// a position in the target's plain text is a cursor position.
void FillTextDocument(QTextDocument& target, const RtfDocument& document);

} // namespace boxmill
