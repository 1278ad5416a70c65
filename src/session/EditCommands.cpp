// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditCommands.h"

#include "SessionAccess.h"

#include "core/IncludeParts.h"
#include "core/Prompter.h"
#include "cutlist/JobTotal.h"
#include "cutlist/WoodSettings.h"

namespace boxmill {

namespace {

std::string IncludeName(const CabinetSession& session, int item)
{
    const auto& names = session.data().vocabulary.includeNames();
    return item >= 0 && static_cast<std::size_t>(item) < names.size() ? names[static_cast<std::size_t>(item)]
                                                                      : std::string("Include Parts");
}

} // namespace

bool EditParameter(CabinetSession& session, int index, const ParameterEntryText& typed)
{
    return session.edit(
        session.data().vocabulary.parameterName(index),
        [&](CabinetModel& model, LayoutResult&) { EnterParameter(model, index, typed, session.prompter()); },
        {Recalc::AfterEntry});
}

bool EditInclude(CabinetSession& session, int item, bool checked, std::optional<int>* selectParameter)
{
    return session.edit(IncludeName(session, item), [&](CabinetModel& model, LayoutResult&) {
        const auto parameter = SetIncludeItem(model, item, checked);
        if (selectParameter)
            *selectParameter = parameter;
        ResolveTopOrCarcassRail(model, session.prompter());
    });
}

bool EditTopOrCarcassRail(CabinetSession& session, int item)
{
    return session.edit(IncludeName(session, item), [&](CabinetModel& model, LayoutResult&) {
        ResolveTopOrCarcassRail(model, session.prompter());
    });
}

bool EditOption(CabinetSession& session, CabinetOption option, bool checked, std::string name)
{
    return session.edit(std::move(name), [&](CabinetModel& model, LayoutResult&) {
        if (option == CabinetOption::BlindMate)
            model.setBlindMate(checked);
        else
            model.options.set(option, checked);
    });
}

bool EditNailerCount(CabinetSession& session, int count)
{
    return session.edit("Nailer Count", [&](CabinetModel& model, LayoutResult&) { model.options.nailerCount = count; });
}

bool EditRecordFlag(CabinetSession& session, int offset, bool on, std::string name)
{
    return session.edit(std::move(name), [&](CabinetModel& model, LayoutResult&) { model.record.setFlag(offset, on); });
}

bool EditBlindCorner(CabinetSession& session, bool checked)
{
    return session.edit("Blind Corner", [&](CabinetModel& model, LayoutResult&) { model.setBlindCorner(checked); });
}

bool EditRaisedPanelSides(CabinetSession& session, bool on)
{
    return session.edit("Raised Panel Sides",
                        [&](CabinetModel& model, LayoutResult&) { model.options.raisedPanelSides = on; });
}

bool EditPartWood(CabinetSession& session, int gridRow, const WoodEditBoxes& boxes, std::optional<std::string>* cell)
{
    const auto& names = session.data().vocabulary.partNames();
    const auto row = static_cast<std::size_t>(gridRow - 1);
    const std::string name = gridRow >= 1 && row < names.size() ? "Wood Of " + names[row] : std::string("Wood");
    std::optional<std::string> accepted;
    const bool changed = session.edit(name, [&](CabinetModel& model, LayoutResult&) {
        accepted = ChangeWoodSettings(model, gridRow, boxes, session.prompter());
    });
    if (accepted && gridRow >= 1 && row < session.woodSettings().size())
        SessionAccess::woodSettings(session)[row] = *accepted;
    if (cell)
        *cell = std::move(accepted);
    return changed;
}

bool EditHours(CabinetSession& session, const std::string& text)
{
    return session.edit("Hours",
                        [&](CabinetModel& model, LayoutResult&) {
                            if (const auto hours = ReadHours(text))
                                model.record.setHours(text);
                            else
                                session.prompter().message(MessageKind::Error, hours.error());
                        },
                        {Recalc::Done, true});
}

bool EditCost(CabinetSession& session, const std::string& text)
{
    return session.edit("Cost",
                        [&](CabinetModel& model, LayoutResult&) {
                            if (const auto rate = ReadLabourRate(text))
                                model.record.setCost(text);
                            else
                                session.prompter().message(MessageKind::Error, rate.error());
                        },
                        {Recalc::Done, true});
}

DesignerEffect EditSection(CabinetSession& session, DesignerState& state, const std::string& name,
                           DesignerEffect (*command)(SectionEditor&), bool* changed)
{
    DesignerEffect effect;
    // The section editor runs the bank rule and the recalculation itself.
    const bool edited = session.edit(name,
                                     [&](CabinetModel& model, LayoutResult& layout) {
                                         SectionEditor editor(model, layout, session.prompter(), state);
                                         effect = command(editor);
                                     },
                                     {Recalc::Done});
    if (changed)
        *changed = edited;
    return effect;
}

} // namespace boxmill
