// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutListGroups.h"

#include "SectionCounts.h"

#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "geometry/FaceFrameCalculators.h"
#include "geometry/OpeningFit.h"

namespace boxmill {

using namespace cutlist;

void BuildFaceFrameList(const GroupInputs& in, CutList& list)
{
    const CabinetModel& model = in.model();
    const CalcContext& c = in.context;
    const int sections = Sections(model);

    if (model.include(IncludeItem::FaceFrame)) {
        Batch stiles("Stile(s)");
        stiles.add(CalcRightStile(c));
        stiles.add(CalcLeftStile(c));
        stiles.emitTo(list);

        Batch rails("Face Rail(s)");
        rails.add(CalcTopRail(c));
        // A frame without a bottom rail stands on the bottom itself.
        if (model.param(Param::BottomRail) != 0.0)
            rails.add(CalcBottomRail(c));
        rails.emitTo(list);
    }

    if (model.include(IncludeItem::Mullions)) {
        Batch mullions("Mullion(s)");
        for (int i = 1; i < sections; ++i)
            mullions.add(CalcMullion(c));
        mullions.emitTo(list);
    }

    if (model.include(IncludeItem::MidRails)) {
        Batch midRails("Mid Rail(s)");
        for (int s = 0; s < sections; ++s) {
            // A rail under every drawer, except that the last drawer of a
            // bank closes on the bottom rail.
            const int rails = Drawers(model, s) - (Banked(model, s) ? 1 : 0);
            for (int i = 0; i < rails; ++i)
                midRails.add(CalcMidRail(c, s, FaceRail::MidRail));
        }
        midRails.emitTo(list);
    }

    if (model.include(IncludeItem::PartitionRails)) {
        Batch partitionRails("Pt Rail(s)");
        for (int s = 0; s < sections; ++s) {
            for (int i = 0; i < Count(model, s, SectionItem::Partition, kMaxPartitions); ++i)
                partitionRails.add(CalcMidRail(c, s, FaceRail::PartitionRail));
        }
        partitionRails.emitTo(list);
    }

    if (model.include(IncludeItem::DoorMullions)) {
        Batch doorMullions("Dr Mullion(s)");
        for (const Opening opening : {Opening::Lower, Opening::Upper}) {
            for (int s = 0; s < sections; ++s) {
                // A door mullion hangs a pair of doors; none is cut for doors
                // that are not.
                if (!DoorsFit(model, in.layout(), s, opening))
                    continue;
                for (int i = 1; i < Doors(model, s, opening); ++i)
                    doorMullions.add(CalcDoorMullion(c, s, opening));
            }
        }
        doorMullions.emitTo(list);
    }
}

} // namespace boxmill
