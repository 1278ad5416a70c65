// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the mill option sources only.

#include "ListingFields.h"
#include "SectionCounts.h"

#include "core/CabinetModel.h"
#include "geometry/LayoutResult.h"

#include <string>
#include <string_view>
#include <vector>

namespace boxmill::cutlist {

// Reads the cabinet under the short names the workshop rules use (Pn for a
// dimension parameter, Sk for the stock of part row k) and writes mill
// option lines.
class MillOptionWriter {
public:
    MillOptionWriter(const CabinetModel& model, const LayoutResult& layout, std::vector<std::string>& lines)
        : m_model(model)
        , m_layout(layout)
        , m_lines(lines)
    {
    }

    const CabinetModel& model() const { return m_model; }
    const LayoutResult& layout() const { return m_layout; }

    double P(int index) const { return m_model.param(index); }
    double S(int partRow) const { return m_model.partStock.at(static_cast<std::size_t>(partRow)); }
    bool opt(CabinetOption option) const { return m_model.options[option]; }
    bool inc(int item) const { return m_model.include(item); }

    std::string measure(double inches) const { return FormatMeasure(inches, m_model.units); }

    void title(std::string_view text)
    {
        m_lines.emplace_back(kListingSeparator);
        m_lines.push_back(MillLine(text, "Height/Top:", "Depth:"));
        m_lines.emplace_back(kListingSeparator);
    }
    void line(std::string_view label, std::string_view heightTop, std::string_view depth)
    {
        m_lines.push_back(MillLine(label, heightTop, depth));
    }
    void line(std::string_view label, std::string_view heightTop, double depth)
    {
        line(label, heightTop, measure(depth));
    }
    void line(std::string_view label, double heightTop, std::string_view depth)
    {
        line(label, measure(heightTop), depth);
    }
    void line(std::string_view label, double heightTop, double depth)
    {
        line(label, measure(heightTop), measure(depth));
    }

private:
    const CabinetModel& m_model;
    const LayoutResult& m_layout;
    std::vector<std::string>& m_lines;
};

// How far below the top edge of the sides the carcass begins: the
// thickness of the top or carcass rail, and the setdown of a dadoed one.
double TopOffset(const MillOptionWriter& w);

inline constexpr std::string_view kBottomRabbitInformation =
    "Bottom Dadoes/Rabbits are checked. Due to bottom placement, \"Rabbits\" will be generated instead of "
    "\"Dadoes\" for the bottom and sides. Uncheck Bottom Dadoes/Rabbits if you want to remove bottom rabbits.";

// The dado lines of partitions, shelves, the bottom and the dividers.
// AddBottomLine returns true when the bottom is rabbeted instead of dadoed,
// which the user is to be told (kBottomRabbitInformation).
void AddPartitionDadoLines(MillOptionWriter& w);
void AddShelfDadoLines(MillOptionWriter& w);
bool AddBottomLine(MillOptionWriter& w);
void AddDividerDadoLines(MillOptionWriter& w, bool bottomRabbeted);

} // namespace boxmill::cutlist
