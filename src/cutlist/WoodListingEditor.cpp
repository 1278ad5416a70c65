// SPDX-License-Identifier: GPL-3.0-or-later
#include "WoodListingEditor.h"

#include "WoodFile.h"

#include "core/Prompter.h"
#include "core/WoodList.h"

#include <algorithm>
#include <utility>

namespace boxmill {

std::string AddWoodQuestion(std::string_view item)
{
    return "Add the wood \"" + std::string(item) + "\" to the listing index?";
}

std::string ChangeWoodQuestion(std::string_view item)
{
    return "Change the selected wood to \"" + std::string(item) + "\" in the listing index?";
}

std::string DeleteWoodQuestion(std::string_view item)
{
    return "Press \"OK\" to delete \"" + std::string(item) + "\" from the listing index?";
}

WoodListingEditor::WoodListingEditor(std::vector<std::string>& items, UnitMode mode, std::filesystem::path woodFile,
                                     Prompter& prompter)
    : m_items(items)
    , m_mode(mode)
    , m_woodFile(std::move(woodFile))
    , m_prompter(prompter)
{
}

std::optional<int> WoodListingEditor::validRow(std::optional<int> selected) const
{
    if (!selected || *selected < 0 || *selected >= static_cast<int>(m_items.size()))
        return std::nullopt;
    return selected;
}

std::optional<int> WoodListingEditor::rowOf(const std::string& item) const
{
    const auto found = std::find(m_items.begin(), m_items.end(), item);
    if (found == m_items.end())
        return std::nullopt;
    return static_cast<int>(found - m_items.begin());
}

// The item is written the way Wood.dat will give it back after a restart,
// so that 1 and 0 typed for a whole inch match the listed Oak*1 *9.95 and
// the duplicate test sees them as the same wood.
std::optional<std::string> WoodListingEditor::itemFromBoxes(const WoodEditBoxes& boxes)
{
    const auto entry = ReadWoodBoxes(boxes, m_mode);
    if (!entry) {
        m_prompter.message(MessageKind::Error, entry.error());
        return std::nullopt;
    }
    return WoodListItem(*entry, m_mode);
}

bool WoodListingEditor::commit(std::vector<std::string> edited)
{
    SortListItems(edited);
    const auto saved = SaveWoodListing(m_woodFile, edited, m_mode);
    if (!saved) {
        m_prompter.message(MessageKind::Error, saved.error());
        return false;
    }
    m_items = std::move(edited);
    return true;
}

WoodListingEdit WoodListingEditor::add(const WoodEditBoxes& boxes, std::optional<int> selected)
{
    selected = validRow(selected);
    if (!AllBoxesFilled(boxes, m_mode)) {
        m_prompter.message(MessageKind::Error, kBlankWoodMessage);
        return {WoodListingOutcome::Refused, selected};
    }
    const auto item = itemFromBoxes(boxes);
    if (!item)
        return {WoodListingOutcome::Refused, selected};
    if (rowOf(*item)) {
        m_prompter.message(MessageKind::Error, kDuplicateWoodMessage);
        return {WoodListingOutcome::Refused, selected};
    }
    if (!m_prompter.ask(MessageKind::Confirmation, AddWoodQuestion(*item), QuestionButtons::OkCancel))
        return {WoodListingOutcome::Cancelled, selected};
    auto edited = m_items;
    edited.push_back(*item);
    if (!commit(std::move(edited)))
        return {WoodListingOutcome::NotSaved, selected};
    return {WoodListingOutcome::Done, rowOf(*item)};
}

WoodListingEdit WoodListingEditor::change(const WoodEditBoxes& boxes, std::optional<int> selected)
{
    selected = validRow(selected);
    if (!selected || !AllBoxesFilled(boxes, m_mode)) {
        m_prompter.message(MessageKind::Error, kChangeWoodBlankMessage);
        return {WoodListingOutcome::Refused, selected};
    }
    const auto item = itemFromBoxes(boxes);
    if (!item)
        return {WoodListingOutcome::Refused, selected};
    if (!m_prompter.ask(MessageKind::Confirmation, ChangeWoodQuestion(*item), QuestionButtons::OkCancel))
        return {WoodListingOutcome::Cancelled, selected};
    auto edited = m_items;
    edited[static_cast<std::size_t>(*selected)] = *item;
    if (!commit(std::move(edited)))
        return {WoodListingOutcome::NotSaved, selected};
    return {WoodListingOutcome::Done, rowOf(*item)};
}

WoodListingEdit WoodListingEditor::remove(std::optional<int> selected)
{
    selected = validRow(selected);
    if (!selected)
        return {WoodListingOutcome::NothingSelected, std::nullopt};
    const auto row = static_cast<std::size_t>(*selected);
    if (!m_prompter.ask(MessageKind::Warning, DeleteWoodQuestion(m_items[row]), QuestionButtons::OkCancel))
        return {WoodListingOutcome::Cancelled, selected};
    auto edited = m_items;
    edited.erase(edited.begin() + static_cast<std::ptrdiff_t>(row));
    if (!commit(std::move(edited)))
        return {WoodListingOutcome::NotSaved, selected};
    if (m_items.empty())
        return {WoodListingOutcome::Done, std::nullopt};
    return {WoodListingOutcome::Done, std::min(*selected, static_cast<int>(m_items.size()) - 1)};
}

} // namespace boxmill
