// SPDX-License-Identifier: GPL-3.0-or-later
#include "UnitSwitch.h"

#include "CabinetSession.h"
#include "core/Prompter.h"
#include "core/StandardFile.h"

namespace boxmill {

std::optional<StartUpOutcome> SwitchUnits(CabinetSession& session, UnitMode target)
{
    Prompter& prompter = session.prompter();
    const char* question = target == UnitMode::Metric ? kToMetricQuestion : kToInchesQuestion;
    if (!prompter.ask(MessageKind::Warning, question, QuestionButtons::OkCancel))
        return std::nullopt;
    const auto folder = session.model().folders.programFolder;
    const auto written = WriteUnitFlags(folder / kStandardFileName, target);
    if (!written) {
        prompter.message(MessageKind::Error, written.error());
        return std::nullopt;
    }
    return session.reloadData(folder);
}

} // namespace boxmill
