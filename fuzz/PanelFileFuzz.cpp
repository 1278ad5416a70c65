// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the panel style reader, lays what it reads into a
// cabinet as "Open Raised Panel Library" does, draws and lists it, and checks
// that a save gives back the file it replaces.
#include "FuzzSupport.h"

#include "core/CabinetModel.h"
#include "cutlist/CostCalculator.h"
#include "cutlist/CutlistEditor.h"
#include "designer/FaceDrawing.h"
#include "geometry/Layout.h"
#include "panels/PanelControls.h"
#include "panels/PanelFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace boxmill;
    const std::string_view bytes = fuzz::Bytes(data, size);
    const auto style = ParsePanelStyle(bytes);
    if (!style) {
        fuzz::CheckingPrompter prompter;
        prompter.message(MessageKind::Error, style.error());
        return 0;
    }
    if (SerializePanelStyle(*style, bytes) != bytes)
        std::abort();

    CabinetModel model;
    model.record.setSectionCount(3);
    model.sectionCount = 3;
    for (int s = 0; s < kSections; ++s) {
        model.record.setSectionItem(s, SectionItem::DoorCount, 2);
        model.record.setSectionItem(s, SectionItem::Partition, 1);
        model.record.setSectionItem(s, SectionItem::PartitionDoors, 1);
    }
    model.adoptPanelStyle(*style);
    if (LoadPanelStyle(model.recordForSave()) != *style)
        std::abort();
    for (int sections = 1; sections <= kSections; ++sections)
        PanelControlStates(*style, sections);
    LayoutResult layout;
    LayoutAfterLoad(model, layout);
    DrawCabinetFace(model, layout);
    CostCalculator cost;
    BuildListing(ListingBuild::Doors, model, layout, cost, "01/01/26");
    return 0;
}
