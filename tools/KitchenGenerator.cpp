// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/KitchenGenerator.h"

#include "core/IncludeParts.h"
#include "core/ParameterIndex.h"
#include "cutlist/CutListBuild.h"
#include "designer/DesignerControls.h"
#include "session/EditCommands.h"

#include <string>

namespace boxmill {

namespace {

template <typename T, std::size_t N> T Pick(std::mt19937& random, const T (&choices)[N])
{
    return choices[random() % N];
}

int Between(std::mt19937& random, int least, int most)
{
    return least + static_cast<int>(random() % static_cast<unsigned>(most - least + 1));
}

ParameterEntryText Inches(double inches)
{
    const int whole = static_cast<int>(inches);
    const double rest = inches - whole;
    return {std::to_string(whole), rest == 0.5 ? "1/2" : rest == 0.25 ? "1/4" : ""};
}

} // namespace

KitchenGenerator::KitchenGenerator(const std::filesystem::path& programFolder)
    : m_session(m_prompter, m_dialogs)
{
    m_ready = m_session.startUp(programFolder) == StartUpOutcome::Ready;
}

void KitchenGenerator::enter(std::optional<ModeButton> mode, bool partition, int count)
{
    DesignerControls controls(m_session.model(), m_designer);
    // Clicked as a user clicks: the partition button first, since it raises
    // the other mode buttons.
    if (m_designer.addPartition != partition)
        controls.chooseMode(ModeButton::AddPartition);
    if (mode && m_designer.mode != mode)
        controls.chooseMode(*mode);
    if (!controls.selectDataInput(count))
        m_designer.dataInput = count;
    EditSection(m_session, m_designer, EnterEditName(m_designer), [](SectionEditor& e) { return e.enter(); });
}

void KitchenGenerator::cabinet(std::mt19937& random, bool wall)
{
    m_session.newCabinet();
    m_designer = DesignerState {};
    static constexpr double kBaseWidths[] = {12, 15, 18, 21, 24, 27, 30, 33, 36, 39, 42, 48};
    static constexpr double kWallWidths[] = {12, 15, 18, 24, 27, 30, 33, 36};
    static constexpr double kWallHeights[] = {12, 15, 18, 24, 30, 36, 42};
    static constexpr double kBaseDepths[] = {21, 22.5, 24};
    static constexpr double kWallDepths[] = {11.25, 12, 13};
    const double width = wall ? Pick(random, kWallWidths) : Pick(random, kBaseWidths);
    EditParameter(m_session, Param::Width, Inches(width));
    EditParameter(m_session, Param::Height, Inches(wall ? Pick(random, kWallHeights) : 34.5));
    EditParameter(m_session, Param::Depth, Inches(wall ? Pick(random, kWallDepths) : Pick(random, kBaseDepths)));
    if (wall)
        EditInclude(m_session, IncludeItem::ToeKick, false);

    const int sections = width < 24 ? 1 : Between(random, 1, width < 36 ? 2 : 3);
    if (sections > 1)
        enter(ModeButton::AddMullion, false, sections - 1);
    for (int s = 1; s <= m_session.model().sectionCount; ++s) {
        DesignerControls controls(m_session.model(), m_designer);
        for (int click = 0; click < kSections && m_designer.shownSection != s; ++click)
            controls.nextSection();
        switch (random() % (wall ? 3 : 5)) {
        case 0: // doors over adjustable or fixed shelves
            enter(ModeButton::AddShelves, false, Between(random, 0, 3));
            enter(ModeButton::AddDoor, false, Between(random, 1, 2));
            break;
        case 1: // open shelving
            enter(ModeButton::AddShelves, false, Between(random, 1, 3));
            break;
        case 2: // a partition with doors above it
            enter(std::nullopt, true, 1);
            enter(ModeButton::AddShelves, true, Between(random, 0, 1));
            enter(ModeButton::AddDoor, true, Between(random, 1, 2));
            break;
        case 3: // a drawer bank
            enter(ModeButton::AddDrawer, false, Between(random, 2, 4));
            if (random() % 2 == 0)
                enter(ModeButton::BankDrawers, false, Between(random, 2, 3));
            break;
        default: // a drawer over doors
            enter(ModeButton::AddDrawer, false, 1);
            enter(ModeButton::AddDoor, false, Between(random, 1, 2));
            break;
        }
    }
}

Kitchen KitchenGenerator::make(std::mt19937& random)
{
    Kitchen kitchen;
    kitchen.cabinets = Between(random, 5, 30);
    kitchen.units = m_session.model().units;
    for (int c = 1; c <= kitchen.cabinets; ++c) {
        const bool wall = random() % 5 < 2;
        cabinet(random, wall);
        const std::string label = (wall ? "Wall " : "Base ") + std::to_string(c) + ": ";
        m_session.recalculate();
        // The list counts its wood into a model of its own.
        CabinetModel model = m_session.model();
        CutList built = BuildCutList(CutListKind::Complete, model, m_session.layout()).value;
        for (auto& batch : built) {
            batch.partName = label + batch.partName;
            kitchen.cutList.push_back(std::move(batch));
        }
    }
    return kitchen;
}

} // namespace boxmill
