// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace boxmill {

// A print job's spacing, in the printer's own units. `fontSize` is the
// height of a printed line of text and `gap` the chosen extra space, both
// measured on the printer, so that lines keep their spacing at any
// resolution.
struct JobSetup {
    int pageHeight = 0;
    int fontSize = 0;
    int gap = 0;
    int linesPerPage = 1;
    int linePitch = 0;

    // How far the position moves down for each line of text.
    int lineAdvance() const { return linePitch + fontSize; }
};

JobSetup SetUpJob(int pageHeight, int fontSize, int gap);

// Whether a line of text written at `y` still ends on the page.
bool TextLineFits(const JobSetup& job, int y);

// Whether a drawing `drawingHeight` high, with `g` gaps and `k` lines of
// heading around it, fits below `y`.
bool DrawingFits(const JobSetup& job, int y, int drawingHeight, int g, int k);

} // namespace boxmill
