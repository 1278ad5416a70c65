// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutListBuild.h"

#include "CutListGroups.h"
#include "SectionCounts.h"

#include "core/CabinetModel.h"
#include "core/IncludeParts.h"

namespace boxmill {

void StartCutListBuild(CabinetModel& model, Messages& told)
{
    model.clearPartAreas();
    // Sleepers run to the back of the sides; a back laid over the sides
    // would hang below them.
    if (model.include(IncludeItem::Back) && cutlist::DetachedBase(model) && !model.options[CabinetOption::BackInside])
        told.push_back({MessageKind::Warning, std::string(kBackInsideWarning)});
}

WithMessages<CutList> BuildCutList(CutListKind kind, CabinetModel& model, const LayoutResult& layout)
{
    WithMessages<CutList> built;
    StartCutListBuild(model, built.messages);
    const GroupInputs in {{model, layout, model.partArea}, built.messages};
    CutList& list = built.value;
    switch (kind) {
    case CutListKind::Complete:
        BuildFaceFrameList(in, list);
        BuildCabinetList(in, list);
        BuildDrawerList(in, list);
        BuildDoorList(in, list);
        break;
    case CutListKind::Cabinet: BuildCabinetList(in, list); break;
    case CutListKind::FaceFrame: BuildFaceFrameList(in, list); break;
    case CutListKind::Drawers: BuildDrawerList(in, list); break;
    case CutListKind::Doors: BuildDoorList(in, list); break;
    }
    return built;
}

} // namespace boxmill
