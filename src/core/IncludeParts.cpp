// SPDX-License-Identifier: GPL-3.0-or-later
#include "IncludeParts.h"

#include "CabinetModel.h"
#include "ParameterIndex.h"
#include "Prompter.h"

namespace boxmill {

std::optional<int> SetIncludeItem(CabinetModel& model, int item, bool checked)
{
    model.record.setIncludeFlag(item, checked);
    if (item == IncludeItem::DoorMullions && !checked)
        return Param::DoorGap;
    return std::nullopt;
}

bool ResolveTopOrCarcassRail(CabinetModel& model, Prompter& prompter)
{
    if (!model.include(IncludeItem::Top) || !model.include(IncludeItem::CarcassRails))
        return false;
    const bool keepTop = prompter.ask(MessageKind::Warning, kTopOrCarcassRailQuestion, QuestionButtons::YesNo);
    model.record.setIncludeFlag(keepTop ? IncludeItem::CarcassRails : IncludeItem::Top, false);
    return true;
}

bool OpensEditingWindow(int item)
{
    return item == IncludeItem::DrawerBoxes || item == IncludeItem::DrawerFaces || item == IncludeItem::DoorPanels;
}

} // namespace boxmill
