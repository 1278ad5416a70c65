// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sheets/SheetPlan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace boxmill::test {

inline constexpr double kTolerance = 1e-6;

// Whether the parts can be reached by saw cuts alone: some cut across the
// whole region, with its kerf, touches no part and leaves parts on both
// sides, and so on down to single parts. Worked out from the placements
// only, knowing nothing of strips or stacks.
inline bool Guillotine(const std::vector<PlacedPart>& parts, double kerf)
{
    if (parts.size() <= 1)
        return true;
    for (const bool alongX : {true, false}) {
        for (const auto& p : parts) {
            const double cut = alongX ? p.x + p.length : p.y + p.width;
            std::vector<PlacedPart> low, high;
            bool crosses = false;
            for (const auto& q : parts) {
                const double start = alongX ? q.x : q.y;
                const double end = start + (alongX ? q.length : q.width);
                if (end <= cut + kTolerance)
                    low.push_back(q);
                else if (start >= cut + kerf - kTolerance)
                    high.push_back(q);
                else
                    crosses = true;
            }
            if (!crosses && !low.empty() && !high.empty())
                return Guillotine(low, kerf) && Guillotine(high, kerf);
        }
    }
    return false;
}

// Replays the cuts on the sheet: each must run edge to edge across exactly
// one piece and part it in two. The replay does not know on which side of
// a cut its kerf falls, so a piece may be up to a kerf larger than the wood
// really left, at either end of a cut and around the part. In the end every
// part must be a piece of its own.
inline void ExpectCutsMakeParts(const SheetLayout& layout, const SheetSize& sheet, double kerf)
{
    std::vector<Rect> pieces {{0.0, 0.0, sheet.length, sheet.width}};
    double total = 0.0;
    for (const auto& cut : layout.cuts) {
        total += cut.length();
        const bool rip = cut.y0 == cut.y1; // runs along x
        const auto parted = std::find_if(pieces.begin(), pieces.end(), [&](const Rect& r) {
            const double edge = kerf + kTolerance;
            if (rip)
                return std::fabs(cut.x0 - r.x) < edge && std::fabs(cut.x1 - (r.x + r.length)) < edge &&
                       cut.y0 > r.y + kTolerance && cut.y0 < r.y + r.width - kTolerance;
            return std::fabs(cut.y0 - r.y) < edge && std::fabs(cut.y1 - (r.y + r.width)) < edge &&
                   cut.x0 > r.x + kTolerance && cut.x0 < r.x + r.length - kTolerance;
        });
        ASSERT_NE(parted, pieces.end()) << "cut " << cut.step << " does not run across one piece";
        Rect low = *parted;
        Rect high = *parted;
        if (rip) {
            low.width = cut.y0 - parted->y;
            high.y = cut.y0;
            high.width = parted->y + parted->width - cut.y0;
        } else {
            low.length = cut.x0 - parted->x;
            high.x = cut.x0;
            high.length = parted->x + parted->length - cut.x0;
        }
        *parted = low;
        pieces.push_back(high);
    }
    EXPECT_NEAR(total, layout.cutLength, kTolerance);
    for (const auto& part : layout.parts) {
        const auto holds = std::count_if(pieces.begin(), pieces.end(), [&](const Rect& r) {
            return part.x >= r.x - kTolerance && part.y >= r.y - kTolerance &&
                   part.x + part.length <= r.x + r.length + kTolerance &&
                   part.y + part.width <= r.y + r.width + kTolerance && r.length - part.length <= kerf + kTolerance &&
                   r.width - part.width <= kerf + kTolerance;
        });
        EXPECT_EQ(holds, 1) << part.name << " at " << part.x << ", " << part.y << " is not cut out on its own";
    }
}

// Every invariant of a plan of `parts` on `sheet`.
inline void ExpectSoundPlan(const SheetPlan& plan, const std::vector<SheetPart>& parts, const SheetSize& sheet,
                            const CutSettings& settings)
{
    const double k = settings.kerf;
    const double t = settings.trim;
    std::vector<std::string> wanted, got;
    for (const auto& part : parts) {
        for (int n = 0; n < part.quantity; ++n)
            wanted.push_back(part.name);
    }
    for (const auto& part : plan.unplaced) {
        for (int n = 0; n < part.quantity; ++n)
            got.push_back(part.name);
    }
    for (const auto& layout : plan.sheets) {
        double area = 0.0;
        for (const auto& p : layout.parts) {
            got.push_back(p.name);
            area += p.length * p.width;
            EXPECT_GE(p.x, t - kTolerance);
            EXPECT_GE(p.y, t - kTolerance);
            EXPECT_LE(p.x + p.length, sheet.length - t + kTolerance) << p.name;
            EXPECT_LE(p.y + p.width, sheet.width - t + kTolerance) << p.name;
            const auto source = std::find_if(parts.begin(), parts.end(), [&](const SheetPart& s) {
                return s.name == p.name && ((s.length == p.length && s.width == p.width && !p.rotated) ||
                                            (s.length == p.width && s.width == p.length && p.rotated));
            });
            ASSERT_NE(source, parts.end()) << p.name << " placed at a size it does not have";
            if (sheet.grain && source->grain) {
                EXPECT_FALSE(p.rotated) << p.name << " turned across the grain";
            }
        }
        for (std::size_t i = 0; i < layout.parts.size(); ++i) {
            for (std::size_t j = i + 1; j < layout.parts.size(); ++j) {
                const auto& a = layout.parts[i];
                const auto& b = layout.parts[j];
                const bool apart = a.x + a.length + k <= b.x + kTolerance || b.x + b.length + k <= a.x + kTolerance ||
                                   a.y + a.width + k <= b.y + kTolerance || b.y + b.width + k <= a.y + kTolerance;
                EXPECT_TRUE(apart) << a.name << " and " << b.name << " overlap or lack a kerf between them";
            }
        }
        EXPECT_TRUE(Guillotine(layout.parts, k));
        EXPECT_NEAR(layout.yield, area / (sheet.length * sheet.width), kTolerance);
        for (std::size_t c = 0; c < layout.cuts.size(); ++c)
            EXPECT_EQ(layout.cuts[c].step, static_cast<int>(c) + 1);
        ExpectCutsMakeParts(layout, sheet, k);
        for (const auto& offcut : layout.offcuts) {
            EXPECT_GE(std::min(offcut.length, offcut.width), settings.minimumOffcut);
            for (const auto& p : layout.parts) {
                EXPECT_TRUE(offcut.x + offcut.length <= p.x + kTolerance || p.x + p.length <= offcut.x + kTolerance ||
                            offcut.y + offcut.width <= p.y + kTolerance || p.y + p.width <= offcut.y + kTolerance)
                    << "an offcut covers " << p.name;
            }
        }
    }
    std::sort(wanted.begin(), wanted.end());
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, wanted) << "every part is placed or reported, once";
    EXPECT_LE(plan.lowerBound, plan.sizeBound);
    EXPECT_LE(plan.sizeBound, static_cast<int>(plan.sheets.size())) << "a bound above a plan cannot be one";
}

} // namespace boxmill::test
