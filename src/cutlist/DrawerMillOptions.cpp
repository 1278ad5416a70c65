// SPDX-License-Identifier: GPL-3.0-or-later
#include "MillOptions.h"

#include "MillOptionWriter.h"

#include "core/ParameterIndex.h"

namespace boxmill {

using namespace cutlist;
using O = CabinetOption;

void AddDrawerMillOptions(const CabinetModel& model, const LayoutResult& layout, std::vector<std::string>& lines)
{
    MillOptionWriter w(model, layout, lines);
    w.title("Drawer Mill Options:");
    const double rabbit = w.P(Param::DrawerRabbit);
    const double dovetail = w.P(Param::DrawerDovetail);
    if (w.opt(O::FrontRabbit))
        w.line("Rabbit Front(s):", kBlankMark, rabbit);
    if (w.opt(O::FrontDoveTail))
        w.line("Dovetail Front(s): (Remainder)", kBlankMark, dovetail);
    if (w.opt(O::FrontButtJoint))
        w.line("Butt Joint Front(s):", kBlankMark, kBlankMark);
    if (w.opt(O::BackRabbit))
        w.line("Rabbit Back(s):", kBlankMark, rabbit);
    if (w.opt(O::BackDoveTail))
        w.line("Dovetail Back(s): (Remainder)", kBlankMark, dovetail);
    if (w.opt(O::BackButtJoint))
        w.line("Butt Joint Back(s):", kBlankMark, kBlankMark);
    if (w.opt(O::DrawerDadoes))
        w.line("Dado Sides For Bottom(s):", w.P(Param::DrawerBottomDado), rabbit);
}

} // namespace boxmill
