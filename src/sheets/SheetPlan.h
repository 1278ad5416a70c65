// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <string>
#include <vector>

namespace boxmill {

// A part as the cut list gives it, in inches. Its grain, when it cares,
// runs along its length.
struct SheetPart {
    std::string name;
    double length = 0.0;
    double width = 0.0;
    int quantity = 1;
    bool grain = true;
};

struct SheetSize {
    double length = 96.0;
    double width = 48.0;
    bool grain = true; // along the length
};

// How far the search may look. The node count bounds it, so that the same
// parts and budget always give the same diagrams; the clock may only stop
// it earlier, on a job so large or a machine so slow that the count alone
// would keep the user waiting. One beam, one candidate and one leading
// choice is a plain greedy pass.
struct SearchBudget {
    int beamWidth = 4;       // partial sheets kept at each strip
    int sheetCandidates = 3; // whole sheets kept at each sheet
    int leadingChoices = 6;  // strips tried from each partial sheet
    long nodes = 400'000;    // strips built, over the whole plan
    double seconds = 5.0;    // none when 0
    // Set from another thread when the plan is no longer wanted; like the
    // clock, it only ends the search sooner.
    const std::atomic<bool>* stop = nullptr;
};

struct CutSettings {
    double kerf = 0.125;
    // Kept clear of parts along every edge: factory edges are rarely square
    // or clean.
    double trim = 0.25;
    // An offcut is kept when both its sides reach this.
    double minimumOffcut = 6.0;
    SearchBudget budget;
};

// x runs along the sheet's length and y along its width, from its corner;
// `length` and `width` are as placed, `length` along x.
struct PlacedPart {
    std::string name;
    double x = 0.0;
    double y = 0.0;
    double length = 0.0;
    double width = 0.0;
    bool rotated = false;
};

struct Rect {
    double x = 0.0;
    double y = 0.0;
    double length = 0.0;
    double width = 0.0;
};

// Rips run along the sheet and part it into strips, crosscuts part a strip
// into pieces, trims part a piece into its stacked parts and waste. A cut
// is the line on the side of the kerf that keeps its size; it runs edge to
// edge across the piece it parts.
enum class CutKind { Rip, Crosscut, Trim };

struct Cut {
    int step = 0;
    CutKind kind = CutKind::Rip;
    double x0 = 0.0;
    double y0 = 0.0;
    double x1 = 0.0;
    double y1 = 0.0;

    double length() const { return x1 - x0 + y1 - y0; }
};

struct SheetLayout {
    std::vector<PlacedPart> parts;
    std::vector<Cut> cuts;
    std::vector<Rect> offcuts;
    double cutLength = 0.0;
    double yield = 0.0; // the parts' share of the whole sheet, 0..1
};

struct UnplacedPart {
    std::string name;
    double length = 0.0;
    double width = 0.0;
    int quantity = 0;
    std::string reason; // "larger than the sheet", "has no size"
};

struct SheetPlan {
    std::vector<SheetLayout> sheets;
    // Parts no sheet can hold, even turned where the grain allows it.
    std::vector<UnplacedPart> unplaced;
    // No plan can use fewer sheets: the parts' area, each with a kerf on
    // one side and one end, over the usable sheet's with one kerf more.
    int lowerBound = 0;
    // No plan can use fewer sheets either, and this one is often higher:
    // the same area over the sheet shrunk to the longest row and the widest
    // column the parts' own sizes can fill. Grained parts of 21 inches fill
    // only 42 of a 60 inch sheet's length, whatever the search does.
    int sizeBound = 0;
    // The nodes or the time ran out before the search was done.
    bool budgetSpent = false;
};

SheetPlan PlanSheets(const std::vector<SheetPart>& parts, const SheetSize& sheet, const CutSettings& settings);

// The same bounds on their own.
int SheetLowerBound(const std::vector<SheetPart>& parts, const SheetSize& sheet, const CutSettings& settings);
int SheetSizeBound(const std::vector<SheetPart>& parts, const SheetSize& sheet, const CutSettings& settings);

} // namespace boxmill
