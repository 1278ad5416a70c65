// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetsJson.h"

#include "JobLists.h"

#include <nlohmann/json.hpp>

namespace boxmill {

namespace {

using nlohmann::json;

const char* KindName(CutKind kind)
{
    switch (kind) {
    case CutKind::Rip: return "rip";
    case CutKind::Crosscut: return "crosscut";
    case CutKind::Trim: return "trim";
    }
    return "";
}

void Name(json& object, const std::string& name)
{
    PartOwner owner = SplitJobPartName(name);
    object["name"] = std::move(owner.part);
    object["cabinet"] = std::move(owner.cabinet);
}

json Unplaced(const std::vector<UnplacedPart>& parts)
{
    json list = json::array();
    for (const auto& part : parts) {
        json item;
        Name(item, part.name);
        // A size the cut list showed unreadably is NaN, written as null.
        item["length"] = part.length;
        item["width"] = part.width;
        item["quantity"] = part.quantity;
        item["reason"] = part.reason;
        list.push_back(std::move(item));
    }
    return list;
}

json Sheet(const SheetLayout& sheet)
{
    json parts = json::array();
    for (const auto& part : sheet.parts) {
        json item;
        Name(item, part.name);
        item["x"] = part.x;
        item["y"] = part.y;
        item["length"] = part.length;
        item["width"] = part.width;
        item["rotated"] = part.rotated;
        parts.push_back(std::move(item));
    }
    json cuts = json::array();
    for (const auto& cut : sheet.cuts) {
        cuts.push_back({{"step", cut.step},
                        {"kind", KindName(cut.kind)},
                        {"x0", cut.x0},
                        {"y0", cut.y0},
                        {"x1", cut.x1},
                        {"y1", cut.y1},
                        {"length", cut.length()}});
    }
    json offcuts = json::array();
    for (const auto& offcut : sheet.offcuts)
        offcuts.push_back({{"x", offcut.x}, {"y", offcut.y}, {"length", offcut.length}, {"width", offcut.width}});
    return {{"parts", std::move(parts)},
            {"cuts", std::move(cuts)},
            {"offcuts", std::move(offcuts)},
            {"cut_length", sheet.cutLength},
            {"yield", sheet.yield}};
}

json Group(const WoodGroupPlan& plan, const CutSettings& settings)
{
    json group {{"wood", plan.group.wood}, {"thickness", plan.group.thickness}};
    if (plan.sheets) {
        const StockEntry& stock = *plan.stock;
        group["sheet"] = {{"length", stock.length}, {"width", stock.width}, {"grain", stock.grain}};
        group["kerf"] = settings.kerf;
        group["trim"] = settings.trim;
        group["lower_bound"] = plan.sheets->lowerBound;
        group["size_bound"] = plan.sheets->sizeBound;
        group["cost"] = MoneyText(plan.cost);
        if (plan.areaCost)
            group["area_cost"] = MoneyText(*plan.areaCost);
        json sheets = json::array();
        for (const auto& sheet : plan.sheets->sheets)
            sheets.push_back(Sheet(sheet));
        group["sheets"] = std::move(sheets);
        group["unplaced"] = Unplaced(plan.sheets->unplaced);
    } else if (plan.lumber) {
        const LumberPlan& lumber = *plan.lumber;
        json boards = json::array();
        for (const auto& board : lumber.boards) {
            json names = json::array();
            for (const auto& name : board) {
                json item;
                Name(item, name);
                names.push_back(std::move(item));
            }
            boards.push_back(std::move(names));
        }
        group["lumber"] = {{"board_length", plan.stock->length},
                           {"waste_percent", plan.stock->wastePercent},
                           {"board_feet", lumber.boardFeet},
                           {"lower_bound", lumber.lowerBound},
                           {"boards", std::move(boards)}};
        group["unplaced"] = Unplaced(lumber.unplaced);
    } else {
        std::vector<UnplacedPart> parts;
        for (const auto& part : plan.group.parts)
            parts.push_back({part.name, part.length, part.width, part.quantity, "no stock entry"});
        group["unplaced"] = Unplaced(parts);
    }
    return group;
}

} // namespace

std::string SheetsJson(const std::vector<WoodGroupPlan>& plans, const CutSettings& settings)
{
    json groups = json::array();
    for (const auto& plan : plans)
        groups.push_back(Group(plan, settings));
    // Wood names come from Wood.dat, which older programs wrote in a
    // single-byte code page: a byte that is not UTF-8 becomes U+FFFD rather
    // than stopping the export.
    return json {{"groups", std::move(groups)}}.dump(2, ' ', false, json::error_handler_t::replace) + '\n';
}

} // namespace boxmill
