// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShelfFirstFit.h"

#include <algorithm>
#include <limits>

namespace boxmill::sheets {

namespace {

constexpr double kSlack = 1e-9;
constexpr double kNoSheet = std::numeric_limits<double>::infinity();

struct Piece {
    int type = 0;
    double along = 0.0;
    double across = 0.0;
    bool rotated = false;
};

// Over ranges of sheets, the least length used by any strip and the least
// width used by any sheet: a sheet takes a piece when one of its strips or
// its width has room for it, and both tests only grow with what is used.
class SheetRoom {
public:
    void add(double shortestStrip, double usedWidth)
    {
        if (m_count == m_leaves)
            grow();
        set(m_count++, shortestStrip, usedWidth);
    }

    void set(std::size_t sheet, double shortestStrip, double usedWidth)
    {
        std::size_t node = m_leaves + sheet;
        m_strip[node] = shortestStrip;
        m_width[node] = usedWidth;
        for (node /= 2; node >= 1; node /= 2) {
            m_strip[node] = std::min(m_strip[2 * node], m_strip[2 * node + 1]);
            m_width[node] = std::min(m_width[2 * node], m_width[2 * node + 1]);
        }
    }

    // The first sheet for which `takes(shortest strip, used width)`, or -1.
    template <typename Takes> long first(const Takes& takes) const
    {
        if (m_count == 0 || !takes(m_strip[1], m_width[1]))
            return -1;
        std::size_t node = 1;
        while (node < m_leaves)
            node = takes(m_strip[2 * node], m_width[2 * node]) ? 2 * node : 2 * node + 1;
        return static_cast<long>(node - m_leaves);
    }

private:
    void grow()
    {
        const std::size_t leaves = std::max<std::size_t>(1, 2 * m_leaves);
        std::vector<double> strip(2 * leaves, kNoSheet), width(2 * leaves, kNoSheet);
        std::copy_n(m_strip.begin() + static_cast<long>(m_leaves), m_count, strip.begin() + static_cast<long>(leaves));
        std::copy_n(m_width.begin() + static_cast<long>(m_leaves), m_count, width.begin() + static_cast<long>(leaves));
        for (std::size_t node = leaves - 1; node >= 1; --node) {
            strip[node] = std::min(strip[2 * node], strip[2 * node + 1]);
            width[node] = std::min(width[2 * node], width[2 * node + 1]);
        }
        m_strip = std::move(strip);
        m_width = std::move(width);
        m_leaves = leaves;
    }

    std::size_t m_leaves = 0;
    std::size_t m_count = 0;
    std::vector<double> m_strip;
    std::vector<double> m_width;
};

} // namespace

std::vector<SheetPattern> FirstFitShelves(const std::vector<PieceType>& types, const std::vector<int>& sequence,
                                          const Usable& usable)
{
    const double k = usable.kerf;
    std::vector<Piece> pieces;
    pieces.reserve(sequence.size());
    for (const int t : sequence) {
        const auto& type = types[static_cast<std::size_t>(t)];
        const auto fits = [&](double along, double across) {
            return along <= usable.length + kSlack && across <= usable.width + kSlack;
        };
        Piece piece {t, type.length, type.width, false};
        // Lying down keeps strips low; turned only where it must or may.
        // A sheet may be wider than it is long, so lying down may not fit.
        if (type.turnable && fits(type.width, type.length) &&
            (type.width > type.length || !fits(type.length, type.width)))
            piece = {t, type.width, type.length, true};
        pieces.push_back(piece);
    }
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.across > b.across; });
    std::vector<SheetPattern> sheets;
    std::vector<std::vector<double>> shelfUsed; // per sheet, per strip
    std::vector<double> sheetUsed;
    SheetRoom room;
    for (const auto& w : pieces) {
        // Every strip is as high as its first piece, and the pieces come
        // widest first: a strip is always high enough, only its length counts.
        const auto stripTakes = [&](double used) { return used + k + w.along <= usable.length + kSlack; };
        const auto widthTakes = [&](double used) { return used + k + w.across <= usable.width + kSlack; };
        const auto put = [&](std::size_t s, std::size_t strip) {
            auto& target = sheets[s].strips[strip];
            shelfUsed[s][strip] += (target.columns.empty() ? 0.0 : k) + w.along;
            target.columns.push_back({w.along, {Stack {w.type, w.rotated, 1, w.along, w.across}}});
            target.area += w.along * w.across;
            sheets[s].area += w.along * w.across;
            ++sheets[s].used[static_cast<std::size_t>(w.type)];
        };
        const long found =
            room.first([&](double strip, double width) { return stripTakes(strip) || widthTakes(width); });
        if (found < 0) {
            sheets.push_back({{Strip {w.across, {}, 0.0}}, 0.0, std::vector<int>(types.size(), 0)});
            shelfUsed.push_back({0.0});
            sheetUsed.push_back(w.across);
            put(sheets.size() - 1, 0);
            room.add(shelfUsed.back().front(), sheetUsed.back());
            continue;
        }
        const auto s = static_cast<std::size_t>(found);
        const auto strip = std::find_if(shelfUsed[s].begin(), shelfUsed[s].end(), stripTakes);
        if (strip != shelfUsed[s].end()) {
            put(s, static_cast<std::size_t>(strip - shelfUsed[s].begin()));
        } else {
            sheetUsed[s] += k + w.across;
            sheets[s].strips.push_back({w.across, {}, 0.0});
            shelfUsed[s].push_back(0.0);
            put(s, sheets[s].strips.size() - 1);
        }
        room.set(s, *std::min_element(shelfUsed[s].begin(), shelfUsed[s].end()), sheetUsed[s]);
    }
    return sheets;
}

} // namespace boxmill::sheets
