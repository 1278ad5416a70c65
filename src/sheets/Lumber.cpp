// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lumber.h"

#include "BoardPacking.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace boxmill {

namespace {

constexpr double kSlack = sheets::kFitSlack;
constexpr double kCubicInchesPerBoardFoot = 144.0;

} // namespace

double BoardFeet(double length, double width, double thickness)
{
    return length * width * thickness / kCubicInchesPerBoardFoot;
}

namespace {

// Narrow parts side by side: the board is a small sheet with its grain
// along, no edge trim (the boards' edges are jointed before the parts are
// laid out), and the parts keep their grain.
void RipBoards(LumberPlan& plan, const std::vector<SheetPart>& parts, double boardLength, double boardWidth,
               double kerf)
{
    std::vector<SheetPart> fitting;
    for (const auto& part : parts) {
        if (part.width <= boardWidth + kSlack) {
            fitting.push_back(part);
            fitting.back().grain = true;
        } else {
            plan.unplaced.push_back({part.name, part.length, part.width, part.quantity, "wider than the board"});
        }
    }
    CutSettings settings;
    settings.kerf = kerf;
    settings.trim = 0.0;
    const SheetPlan boards = PlanSheets(fitting, {boardLength, boardWidth, true}, settings);
    plan.lowerBound = boards.lowerBound;
    for (const auto& board : boards.sheets) {
        plan.boards.emplace_back();
        for (const auto& part : board.parts)
            plan.boards.back().push_back(part.name);
    }
}

} // namespace

LumberPlan PlanLumber(const std::vector<SheetPart>& parts, double thickness, double boardLength, double wastePercent,
                      double kerf, double boardWidth, long nodes)
{
    LumberPlan plan;
    kerf = std::isfinite(kerf) && kerf > 0.0 ? kerf : 0.0;
    struct Piece {
        double length;
        const std::string* name;
    };
    std::vector<Piece> pieces;
    std::vector<SheetPart> boardParts; // those no board is too short for
    for (const auto& part : parts) {
        if (part.quantity <= 0)
            continue;
        if (!(part.length > 0.0 && part.width > 0.0 && std::isfinite(part.length * part.width))) {
            plan.unplaced.push_back({part.name, part.length, part.width, part.quantity, "has no size"});
            continue;
        }
        plan.partsBoardFeet += part.quantity * BoardFeet(part.length, part.width, thickness);
        if (!(part.length <= boardLength + kSlack)) {
            plan.unplaced.push_back({part.name, part.length, part.width, part.quantity, "longer than the board"});
            continue;
        }
        for (int n = 0; n < part.quantity; ++n)
            pieces.push_back({part.length + kerf, &part.name});
        boardParts.push_back(part);
    }
    plan.boardFeet = plan.partsBoardFeet * (1.0 + wastePercent / 100.0);
    if (pieces.empty())
        return plan;
    if (std::isfinite(boardWidth) && boardWidth > 0.0) {
        RipBoards(plan, boardParts, boardLength, boardWidth, kerf);
        return plan;
    }
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.length > b.length; });
    std::vector<double> lengths;
    lengths.reserve(pieces.size());
    for (const auto& piece : pieces)
        lengths.push_back(piece.length);
    // Lengths with a kerf each go into boards one kerf longer: the last cut
    // of a board needs none.
    const double capacity = boardLength + kerf;
    const double total = std::accumulate(lengths.begin(), lengths.end(), 0.0);
    plan.lowerBound = static_cast<int>(std::ceil(total / capacity * (1.0 - 1e-12)));
    const auto packing = sheets::PackBoards(lengths, capacity, plan.lowerBound, nodes);
    plan.boards.resize(static_cast<std::size_t>(packing.boards));
    for (std::size_t i = 0; i < pieces.size(); ++i)
        plan.boards[static_cast<std::size_t>(packing.boardOf[i])].push_back(*pieces[i].name);
    return plan;
}

} // namespace boxmill
