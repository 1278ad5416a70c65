// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ShelfPacking.h"

#include <algorithm>
#include <cmath>

namespace boxmill {

namespace {

constexpr double kSlack = 1e-9;

struct Shelf {
    double height = 0.0;
    double used = 0.0; // along the sheet, with a kerf after each part
};

struct Sheet {
    std::vector<Shelf> shelves;
    double used = 0.0; // across the sheet, with a kerf after each shelf
};

} // namespace

int ShelfSheets(const std::vector<SheetPart>& parts, const SheetSize& sheet, const CutSettings& settings)
{
    const double k = settings.kerf;
    // A kerf after every part and shelf, so the usable sheet is one kerf more.
    const double L = sheet.length - 2.0 * settings.trim + k;
    const double W = sheet.width - 2.0 * settings.trim + k;
    struct Piece {
        double along, across;
    };
    std::vector<Piece> pieces;
    for (const auto& part : parts) {
        Piece piece {part.length + k, part.width + k};
        const bool turnable = !(sheet.grain && part.grain);
        // Lying down keeps shelves low; turned only where it must or may.
        if (turnable && (piece.across > piece.along || piece.along > L + kSlack))
            std::swap(piece.along, piece.across);
        if (piece.along > L + kSlack || piece.across > W + kSlack)
            continue;
        for (int n = 0; n < part.quantity; ++n)
            pieces.push_back(piece);
    }
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.across > b.across; });
    std::vector<Sheet> sheets;
    for (const auto& piece : pieces) {
        bool placed = false;
        for (auto& s : sheets) {
            for (auto& shelf : s.shelves) {
                if (piece.across <= shelf.height + kSlack && shelf.used + piece.along <= L + kSlack) {
                    shelf.used += piece.along;
                    placed = true;
                    break;
                }
            }
            if (!placed && s.used + piece.across <= W + kSlack) {
                s.shelves.push_back({piece.across, piece.along});
                s.used += piece.across;
                placed = true;
            }
            if (placed)
                break;
        }
        if (!placed)
            sheets.push_back({{{piece.across, piece.along}}, piece.across});
    }
    return static_cast<int>(sheets.size());
}

} // namespace boxmill
