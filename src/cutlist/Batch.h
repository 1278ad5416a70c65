// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/Calculators.h"

#include <optional>
#include <string>
#include <vector>

namespace boxmill {

// One line of a cut list: equal boards of one part name, counted.
struct CutListRow {
    int quantity = 0;
    std::string width;
    std::string length;
    std::string stock;
    std::string material;

    std::string quantityText() const { return std::to_string(quantity); }
};

// The rows of one part name as a builder emits them, boards that agree in
// stock, wood, width and length counted together in the order first seen.
struct EmittedBatch {
    std::string partName;
    std::vector<CutListRow> rows;
};

// Every batch of a build, in builder order.
using CutList = std::vector<EmittedBatch>;

// The boards of one part name while a builder adds them.
class Batch {
public:
    explicit Batch(std::string partName);

    // Takes the board's texts; the calculator has already counted its area.
    void add(PartSize part);
    // A calculator that sizes nothing (a shelf cut as part of its
    // neighbour's, a door without a mid rail) adds no entry.
    void add(std::optional<PartSize> part);

    int count() const { return static_cast<int>(m_entries.size()); }

    // The merged rows. A board whose length text is empty (shorter than the
    // smallest fraction the lists show) is not listed.
    EmittedBatch merged() const;
    // Appends the merged batch to `list` unless it lists nothing. The batch
    // is scratch: its entries are handed over and it is left empty.
    void emitTo(CutList& list);

private:
    std::string m_partName;
    std::vector<CutListRow> m_entries;
};

} // namespace boxmill
