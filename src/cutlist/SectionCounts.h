// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the cut list builders and the listing: the counts of the
// section table, held to the program's tables so that a count nothing
// should ever produce cannot index past them.

#include "core/CabinetModel.h"
#include "geometry/Calculators.h"

#include <algorithm>

namespace boxmill::cutlist {

// Sections that exist, 0..3.
inline int Sections(const CabinetModel& model)
{
    return std::clamp(model.sectionCount, 0, kSections);
}

inline int Count(const CabinetModel& model, int s, SectionItem item, int most)
{
    return std::clamp(model.sectionItem(s, item), 0, most);
}

inline int Drawers(const CabinetModel& model, int s)
{
    return model.drawers(s);
}

inline bool Banked(const CabinetModel& model, int s)
{
    return model.banksInUse(s) != 0;
}

inline int Doors(const CabinetModel& model, int s, Opening opening)
{
    return Count(model, s, opening == Opening::Upper ? SectionItem::PartitionDoors : SectionItem::DoorCount, kMaxDoors);
}

inline bool HasDoors(const CabinetModel& model)
{
    for (int s = 0; s < Sections(model); ++s) {
        if (Doors(model, s, Opening::Lower) > 0 || Doors(model, s, Opening::Upper) > 0)
            return true;
    }
    return false;
}

inline bool HasPartition(const CabinetModel& model, int s)
{
    return model.sectionItem(s, SectionItem::Partition) != 0;
}

// The enable lists of the cabinet editing window: drawer d of section s is
// entry 4s + d, the panels of an opening entry 2s (main) or 2s + 1 (above
// the partition).
inline bool DrawerBoxEnabled(const CabinetModel& model, int s, int d)
{
    return model.record.flag(RecordOffset::DrawerEnabled + kMaxDrawers * s + d);
}
inline bool DrawerFaceEnabled(const CabinetModel& model, int s, int d)
{
    return model.record.flag(RecordOffset::FaceEnabled + kMaxDrawers * s + d);
}
inline bool PanelsEnabled(const CabinetModel& model, int s, Opening opening)
{
    return model.record.flag(RecordOffset::PanelEnabled + 2 * s + (opening == Opening::Upper ? 1 : 0));
}

// Whether some drawer of the cabinet has its entry checked in one of the
// enable lists above.
inline bool AnyDrawer(const CabinetModel& model, bool (*enabled)(const CabinetModel&, int, int))
{
    for (int s = 0; s < Sections(model); ++s) {
        for (int d = 0; d < Drawers(model, s); ++d) {
            if (enabled(model, s, d))
                return true;
        }
    }
    return false;
}

inline bool DetachedBase(const CabinetModel& model)
{
    return model.record.flag(RecordOffset::DetachedBase);
}
inline bool BlindCorner(const CabinetModel& model)
{
    return model.record.flag(RecordOffset::BlindCorner);
}
inline bool AdjustableShelves(const CabinetModel& model)
{
    return model.record.flag(RecordOffset::AdjustableShelves);
}

// A divider stands between two sections only when the cabinet has them.
inline bool Divider1(const CabinetModel& model)
{
    return Sections(model) >= 2 && model.options[CabinetOption::SetDivider1];
}
inline bool Divider2(const CabinetModel& model)
{
    return Sections(model) == 3 && model.options[CabinetOption::SetDivider2];
}

} // namespace boxmill::cutlist
