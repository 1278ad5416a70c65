// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the cabinet loader and everything a load rebuilds,
// and checks that a record the loader accepts survives a save unchanged.
#include "FuzzSupport.h"

#include "core/CabinetFile.h"
#include "core/CabinetModel.h"
#include "core/Prompter.h"
#include "core/Vocabulary.h"
#include "cutlist/CostCalculator.h"
#include "cutlist/CutlistEditor.h"
#include "designer/DesignerState.h"
#include "designer/FaceDrawing.h"
#include "designer/FrontDimensions.h"
#include "geometry/Layout.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace boxmill;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto record = ParseCabinetRecord(bytes);
    if (!record)
        return 0;

    const Vocabulary vocabulary;
    for (const auto units : {UnitMode::Inches, UnitMode::Metric}) {
        CabinetModel model;
        model.units = units;
        (void)model.adoptRecord(*record, vocabulary);
        // The loader's range check and the model's reading of the numbers
        // must agree: nothing the engine is given lies outside the range.
        for (int i = 0; i < kParamCount; ++i)
            if (!(model.param(i) >= 0.0 && model.param(i) <= kLargestLength))
                std::abort();
        for (int row = 0; row < kPartRows; ++row)
            if (!(model.partStock[static_cast<std::size_t>(row)] >= 0.0 &&
                  model.partStock[static_cast<std::size_t>(row)] <= kLargestLength))
                std::abort();
        model.drawScale = 2;
        model.rebuildDrawingUnits();

        // Options are normalised on save (one choice per radio group, flags
        // as 0 or 1); a record that already is in that form must come back
        // byte for byte.
        const CabinetRecord saved = model.recordForSave();
        CabinetModel again;
        (void)again.adoptRecord(saved, vocabulary);
        if (again.recordForSave() != saved)
            std::abort();
        // Whatever a file holds, the engine and the drawing must cope: no
        // crash, no read past a table, no undefined arithmetic.
        CabinetModel working = again;
        LayoutResult layout;
        LayoutAfterLoad(working, layout);
        DrawCabinetFace(working, layout);
        for (int section = 1; section <= 3; ++section)
            FillFrontDimensions(working, layout, section);
        CostCalculator cost;
        BuildListing(ListingBuild::All, working, layout, cost, "01/01/26");

        const std::string file = SerializeCabinetRecord(saved, bytes);
        if (file.size() != size ||
            std::memcmp(file.data() + RecordOffset::Size, data + RecordOffset::Size, size - RecordOffset::Size) != 0)
            std::abort();
    }
    return 0;
}
