// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditSteps.h"

#include "CliPrompter.h"

#include "core/CabinetModel.h"
#include "core/CabinetOptions.h"
#include "core/MessageText.h"
#include "core/NumberText.h"
#include "core/RecordFieldNames.h"
#include "designer/DesignerControls.h"
#include "designer/SectionEditor.h"
#include "session/CabinetSession.h"
#include "session/EditCommands.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace boxmill::cli {

struct StepKind {
    // What a word of the step must be, checked before any step runs.
    enum class Word { Text, OnOff, Count, Section, Nailers, Option, Switch };
    using Apply = void (*)(EditRun& run, const StepKind& kind, std::span<const std::string> words);

    std::string_view name;
    // What it takes, for usage errors: "NAME VALUE".
    std::string_view synopsis;
    std::vector<Word> words;
    Apply apply = nullptr;
    // The designer's Enter: the mode buttons it needs down.
    std::optional<ModeButton> mode;
    bool partition = false;
    // The designer's other buttons: the command and its Undo name.
    std::string_view editName;
    DesignerEffect (*command)(SectionEditor&) = nullptr;
};

namespace {

using Word = StepKind::Word;
using Words = std::span<const std::string>;

// Counts are typed rather than picked from the designer's list of 0 to 4,
// so that a count beyond a limit meets that limit's own message ("Too many
// drawers..."). Two digits are plenty for that and keep every count a byte.
constexpr int kLargestTypedCount = 99;

// The main window's check boxes and menu item, named like the options
// window's controls.
constexpr std::string_view kDetachedBase = "DetachedBase";
constexpr std::string_view kBlindCorner = "BlindCorner";
constexpr std::string_view kAdjustableShelves = "AdjustableShelves";
constexpr std::string_view kRaisedPanelSides = "RaisedPanelSides";
constexpr std::string_view kCabinetChecks[] = {kDetachedBase, kBlindCorner, kAdjustableShelves, kRaisedPanelSides};

std::optional<CabinetOption> OptionNamed(std::string_view name)
{
    const auto found = std::find(kOptionNames.begin(), kOptionNames.end(), name);
    if (found == kOptionNames.end())
        return std::nullopt;
    return static_cast<CabinetOption>(found - kOptionNames.begin());
}

template <std::size_t N> std::optional<int> IndexIn(const std::array<std::string_view, N>& names, std::string_view name)
{
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? std::nullopt : std::optional<int>(static_cast<int>(found - names.begin()));
}

// The record byte of an enable switch of the cabinet editing window.
std::optional<int> SwitchOffset(std::string_view name)
{
    if (const auto i = IndexIn(kDrawerEnabledNames, name))
        return RecordOffset::DrawerEnabled + *i;
    if (const auto i = IndexIn(kFaceEnabledNames, name))
        return RecordOffset::FaceEnabled + *i;
    if (const auto i = IndexIn(kPanelEnabledNames, name))
        return RecordOffset::PanelEnabled + *i;
    return std::nullopt;
}

std::optional<int> NumberFrom(const std::string& word, int least, int most)
{
    const auto number = ParseInteger(word);
    if (!number || *number < least || *number > most)
        return std::nullopt;
    return static_cast<int>(*number);
}

std::optional<std::string> CheckWord(Word word, const std::string& text)
{
    const std::string given = ", not " + QuoteTypedText(text);
    switch (word) {
    case Word::Text: break;
    case Word::OnOff:
        if (text != "on" && text != "off")
            return "expected on or off" + given;
        break;
    case Word::Count:
        if (!NumberFrom(text, 0, kLargestTypedCount))
            return "expected a count from 0 to " + std::to_string(kLargestTypedCount) + given;
        break;
    case Word::Section:
        if (!NumberFrom(text, 1, kSections))
            return "expected a section from 1 to " + std::to_string(kSections) + given;
        break;
    case Word::Nailers:
        if (!NumberFrom(text, 1, kMaxNailers))
            return "expected 1, 2 or 3" + given;
        break;
    case Word::Option:
        if (!OptionNamed(text) &&
            std::find(std::begin(kCabinetChecks), std::end(kCabinetChecks), text) == std::end(kCabinetChecks))
            return QuoteTypedText(text) +
                   " is no option: the options window's control names (TopDado, DoorInset...), DetachedBase, "
                   "BlindCorner, AdjustableShelves or RaisedPanelSides";
        break;
    case Word::Switch:
        if (!SwitchOffset(text))
            return QuoteTypedText(text) +
                   " is no switch of the cabinet editing window: Drawer1A to Drawer4C, Face1A to "
                   "Face4C, PanelsA to PanelsCP";
        break;
    }
    return std::nullopt;
}

bool On(const std::string& word)
{
    return word == "on";
}

int Number(const std::string& word)
{
    // Checked as the steps were read.
    return static_cast<int>(ParseInteger(word).value_or(0));
}

// The first of `names` that reads as `name`: blanks around either, as a
// data file's line may have them, are no part of a name.
std::optional<int> PositionOf(const std::vector<std::string>& names, const std::string& name, int count)
{
    const auto wanted = TrimBlanks(name);
    const auto found = std::find_if(names.begin(), names.end(),
                                    [&](const std::string& candidate) { return TrimBlanks(candidate) == wanted; });
    if (wanted.empty() || found == names.end() || found - names.begin() >= count)
        return std::nullopt;
    return static_cast<int>(found - names.begin());
}

void Parameter(EditRun& run, const StepKind&, Words words)
{
    auto& session = run.session();
    const auto index = PositionOf(session.data().vocabulary.parameterBase(), words[0], kParamCount);
    if (!index) {
        run.refuse("No dimension parameter is named " + QuoteFileText(words[0]) + ".");
        return;
    }
    EditParameter(session, *index, TypedParameter(words[1], session.model().units));
}

void Include(EditRun& run, const StepKind&, Words words)
{
    auto& session = run.session();
    const auto item = PositionOf(session.data().vocabulary.includeNames(), words[0], kIncludeItems);
    if (!item) {
        run.refuse("No part of the include list is named " + QuoteFileText(words[0]) + ".");
        return;
    }
    EditInclude(session, *item, On(words[1]));
}

std::string GroupText(std::span<const CabinetOption> group)
{
    std::string text;
    for (std::size_t i = 0; i < group.size(); ++i) {
        text += i == 0 ? "" : (i + 1 == group.size() ? " and " : ", ");
        text += kOptionNames[static_cast<std::size_t>(group[i])];
    }
    return text;
}

void Option(EditRun& run, const StepKind&, Words words)
{
    auto& session = run.session();
    const std::string& name = words[0];
    const bool on = On(words[1]);
    // The window's captions name its Undo steps; here the control names do.
    if (name == kDetachedBase) {
        EditRecordFlag(session, RecordOffset::DetachedBase, on, "Detached Base");
    } else if (name == kAdjustableShelves) {
        EditRecordFlag(session, RecordOffset::AdjustableShelves, on, "Adjustable Shelves");
    } else if (name == kBlindCorner) {
        EditBlindCorner(session, on);
    } else if (name == kRaisedPanelSides) {
        EditRaisedPanelSides(session, on);
    } else if (const auto option = OptionNamed(name)) {
        const auto group = RadioGroupOf(*option);
        // A radio button cannot be clicked off; the option set refuses it
        // without a word, so the command line says why nothing changed.
        if (!on && !group.empty()) {
            run.refuse(name + " cannot be turned off: it is one choice of " + GroupText(group) +
                       ", and one of them is always chosen. Turn another one on instead.");
            return;
        }
        EditOption(session, *option, on, name);
    }
}

void Nailers(EditRun& run, const StepKind&, Words words)
{
    EditNailerCount(run.session(), Number(words[0]));
}

void ShowSection(EditRun& run, const StepKind&, Words words)
{
    auto& session = run.session();
    const int wanted = Number(words[0]);
    const int sections = session.model().sectionCount;
    if (wanted > sections) {
        run.refuse("Section " + std::to_string(wanted) + " cannot be shown: the cabinet has " +
                   std::to_string(sections) + (sections == 1 ? " section." : " sections."));
        return;
    }
    // "Next Section To Edit" until it shows: the designer has no other way.
    DesignerControls controls(session.model(), run.designer());
    for (int click = 0; click < kSections && run.designer().shownSection != wanted; ++click)
        controls.nextSection();
}

void Enter(EditRun& run, const StepKind& kind, Words words)
{
    auto& session = run.session();
    DesignerState& state = run.designer();
    DesignerControls controls(session.model(), state);
    // The buttons clicked as a user clicks them: AddPartition first, since
    // its click raises the other mode buttons.
    if (state.addPartition != kind.partition)
        controls.chooseMode(ModeButton::AddPartition);
    if (state.mode != kind.mode)
        controls.chooseMode(kind.mode ? *kind.mode : *state.mode);
    const int count = Number(words[0]);
    if (!controls.selectDataInput(count))
        state.dataInput = count; // a typed count beyond the list: enter() holds every limit itself
    EditSection(session, state, EnterEditName(state), [](SectionEditor& e) { return e.enter(); });
}

void Press(EditRun& run, const StepKind& kind, Words)
{
    EditSection(run.session(), run.designer(), std::string(kind.editName), kind.command);
}

void Enable(EditRun& run, const StepKind&, Words words)
{
    EditRecordFlag(run.session(), SwitchOffset(words[0]).value_or(0), On(words[1]), words[0] + " Enabled");
}

void Wood(EditRun& run, const StepKind&, Words words)
{
    auto& session = run.session();
    const auto row = PositionOf(session.data().vocabulary.partNames(), words[0], kPartRows);
    if (!row) {
        run.refuse("No part kind of the wood settings is named " + QuoteFileText(words[0]) + ".");
        return;
    }
    EditPartWood(session, *row + 1, TypedWoodItem(words[1], session.model().units));
}

void Hours(EditRun& run, const StepKind&, Words words)
{
    EditHours(run.session(), words[0]);
}

void Rate(EditRun& run, const StepKind&, Words words)
{
    EditCost(run.session(), words[0]);
}

StepKind Edit(std::string_view name, std::string_view synopsis, std::vector<Word> words, StepKind::Apply apply)
{
    StepKind kind;
    kind.name = name;
    kind.synopsis = synopsis;
    kind.words = std::move(words);
    kind.apply = apply;
    return kind;
}

StepKind Entry(std::string_view name, std::optional<ModeButton> mode, bool partition)
{
    StepKind kind = Edit(name, "COUNT", {Word::Count}, Enter);
    kind.mode = mode;
    kind.partition = partition;
    return kind;
}

StepKind Button(std::string_view name, std::string_view editName, DesignerEffect (*command)(SectionEditor&))
{
    StepKind kind = Edit(name, "nothing more", {}, Press);
    kind.editName = editName;
    kind.command = command;
    return kind;
}

const std::vector<StepKind>& Steps()
{
    static const std::vector<StepKind> steps = {
        Edit("param", "NAME VALUE", {Word::Text, Word::Text}, Parameter),
        Edit("include", "CAPTION on|off", {Word::Text, Word::OnOff}, Include),
        Edit("option", "NAME on|off", {Word::Option, Word::OnOff}, Option),
        Edit("nailers", "1, 2 or 3", {Word::Nailers}, Nailers),
        Edit("section", "a section number", {Word::Section}, ShowSection),
        Entry("mullions", ModeButton::AddMullion, false),
        Entry("shelves", ModeButton::AddShelves, false),
        Entry("drawers", ModeButton::AddDrawer, false),
        Entry("bank", ModeButton::BankDrawers, false),
        Entry("doors", ModeButton::AddDoor, false),
        Entry("partition", std::nullopt, true),
        Entry("partition-shelves", ModeButton::AddShelves, true),
        Entry("partition-doors", ModeButton::AddDoor, true),
        Button("mullion-offset", "Add Mullion Offset", [](SectionEditor& e) { return e.addMullionOffset(); }),
        Button("remove-mullion-offsets", "Remove Mullion Offsets",
               [](SectionEditor& e) { return e.removeMullionOffsets(); }),
        Button("partition-up", "Move Partition Above Center",
               [](SectionEditor& e) { return e.movePartitionAboveCenter(); }),
        Button("partition-down", "Move Partition Below Center",
               [](SectionEditor& e) { return e.movePartitionBelowCenter(); }),
        Button("center-partition", "Center Partition", [](SectionEditor& e) { return e.centerPartition(); }),
        Button("center-all-partitions", "Center All Partitions",
               [](SectionEditor& e) { return e.centerAllPartitions(); }),
        Edit("enable", "NAME on|off", {Word::Switch, Word::OnOff}, Enable),
        Edit("wood", "PARTKIND ITEM", {Word::Text, Word::Text}, Wood),
        Edit("hours", "TEXT", {Word::Text}, Hours),
        Edit("rate", "TEXT", {Word::Text}, Rate),
    };
    return steps;
}

} // namespace

std::string EditStep::text() const
{
    std::string joined;
    for (const auto& word : words) {
        const bool quote = word.empty() || word.find_first_of(" \t") != std::string::npos;
        joined += (joined.empty() ? "" : " ") + (quote ? QuoteFileText(word) : FileTextForMessage(word));
    }
    return joined;
}

Result<std::vector<EditStep>> ReadEditSteps(std::span<const std::string> words)
{
    using Failure = Result<std::vector<EditStep>>;
    std::vector<EditStep> steps;
    for (std::size_t at = 0; at < words.size();) {
        const std::string where = "edit step " + std::to_string(steps.size() + 1) + ": ";
        const auto& all = Steps();
        const auto kind = std::find_if(all.begin(), all.end(), [&](const StepKind& k) { return k.name == words[at]; });
        if (kind == all.end())
            return Failure::failure(where + QuoteTypedText(words[at]) + " is no step");
        const std::string name(kind->name);
        if (words.size() - at - 1 < kind->words.size())
            return Failure::failure(where + name + " takes " + std::string(kind->synopsis));
        EditStep step {&*kind,
                       {words.begin() + static_cast<std::ptrdiff_t>(at),
                        words.begin() + static_cast<std::ptrdiff_t>(at + 1 + kind->words.size())}};
        for (std::size_t i = 0; i < kind->words.size(); ++i)
            if (auto problem = CheckWord(kind->words[i], step.words[i + 1]))
                return Failure::failure(where + name + ": " + *problem);
        at += step.words.size();
        steps.push_back(std::move(step));
    }
    return steps;
}

EditRun::EditRun(CabinetSession& session, CliPrompter& prompter)
    : m_session(session)
    , m_prompter(prompter)
{
}

bool EditRun::apply(const EditStep& step)
{
    const auto before = m_prompter.refusals();
    step.kind->apply(*this, *step.kind, Words(step.words).subspan(1));
    // The designer's redraw keeps the shown section among the cabinet's
    // sections, which a mullion entry may have removed.
    m_designer.shownSection =
        std::clamp(m_designer.shownSection, 1, std::clamp(m_session.model().sectionCount, 1, kSections));
    return m_prompter.refusals() != before;
}

void EditRun::refuse(const std::string& why)
{
    m_prompter.message(MessageKind::Error, why);
}

ParameterEntryText TypedParameter(std::string_view value, UnitMode units)
{
    const std::string text(TrimBlanks(value));
    if (units == UnitMode::Metric)
        return {text, {}};
    if (const auto blank = text.find(' '); blank != std::string::npos)
        return {text.substr(0, blank), std::string(TrimBlanks(std::string_view(text).substr(blank + 1)))};
    if (text.find('/') != std::string::npos)
        return {{}, text};
    const auto point = text.find_first_of(".,");
    const auto number = ParseDecimal(text);
    // Whatever else it is, the inches box refuses it with its own message.
    if (point == std::string::npos || !number || *number < 0.0 || *number >= 1000.0)
        return {text, {}};
    const double whole = std::floor(*number);
    const double thirtySeconds = (*number - whole) * 32.0;
    std::string fraction = text.substr(point);
    if (thirtySeconds == std::floor(thirtySeconds))
        fraction = std::string(FractionTable[static_cast<std::size_t>(thirtySeconds)]);
    return {std::to_string(static_cast<int>(whole)), fraction};
}

WoodEditBoxes TypedWoodItem(std::string_view item, UnitMode units)
{
    const auto first = item.find('*');
    const auto second = first == std::string_view::npos ? first : item.find('*', first + 1);
    if (units == UnitMode::Metric || second == std::string_view::npos)
        return EditBoxesFromItem(item, units);
    const auto thickness = TrimBlanks(item.substr(first + 1, second - first - 1));
    if (thickness.empty() || thickness.find_first_of(" /") != std::string_view::npos)
        return EditBoxesFromItem(item, units);
    const auto typed = TypedParameter(thickness, units);
    const std::string listed = std::string(item.substr(0, first)) + "*" + (typed.inches.empty() ? "0" : typed.inches) +
                               " " + (typed.fraction.empty() ? "0" : typed.fraction) + std::string(item.substr(second));
    return EditBoxesFromItem(listed, units);
}

} // namespace boxmill::cli
