// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CabinetSession.h"

namespace boxmill {

// The session's state as its own commands change it (the cut-list and
// wood commands, the panel designer, the job reader) and as boxmill-cli and
// the tests set it up. No window includes this: the layering check refuses
// it above the session, so a window's only way to change the session is a
// command.
class SessionAccess {
public:
    static ProgramData& data(CabinetSession& session) { return session.m_data; }
    static CabinetModel& model(CabinetSession& session) { return session.m_model; }
    static LayoutResult& layout(CabinetSession& session) { return session.m_layout; }
    static CostCalculator& cost(CabinetSession& session) { return session.m_cost; }
    static WoodSettingCells& woodSettings(CabinetSession& session) { return session.m_woodSettings; }
    static CutListState& cutList(CabinetSession& session) { return session.m_cutList; }
};

} // namespace boxmill
