// SPDX-License-Identifier: GPL-3.0-or-later
// The section editing commands of the designer: modes, entries with their
// limits and messages, offsets, and the section being edited.
#include "DesignerTestCabinet.h"

using namespace boxmill;
using test::Designer;
using test::FrameCabinet;

using Strings = std::vector<std::string>;

TEST(DesignerModes, PromptPreselectionAndThePartitionToggle)
{
    Designer d(FrameCabinet());
    auto controls = d.controls();
    controls.chooseMode(ModeButton::AddPartition);
    d.controls().chooseMode(ModeButton::AddShelves);
    EXPECT_TRUE(d.state.addPartition);
    EXPECT_EQ(d.state.functionName, "Shelve(s) enter, 0,1,2,3,4");
    EXPECT_EQ(d.state.dataInput, 1);
    d.controls().chooseMode(ModeButton::AddDoor); // exclusive with the shelves
    EXPECT_FALSE(d.state.isDown(ModeButton::AddShelves));
    EXPECT_TRUE(d.state.addPartition);
    d.controls().chooseMode(ModeButton::BankDrawers); // a count of the whole section
    EXPECT_FALSE(d.state.addPartition);

    // Clicking the button that is down raises it, but still prompts.
    d.controls().clear();
    d.controls().chooseMode(ModeButton::BankDrawers);
    EXPECT_FALSE(d.state.mode.has_value());
    EXPECT_EQ(d.state.functionName, "Bank last 1,2,3,4");
    EXPECT_EQ(d.state.dataInput, 1);
    EXPECT_FALSE(d.controls().selectDataInput(5));
}

TEST(DesignerModes, TheCountListHoldsWhatEachModeAllows)
{
    const struct {
        std::vector<ModeButton> buttons;
        int items;
    } cases[] = {
        {{}, 5},
        {{ModeButton::AddMullion}, 3},
        {{ModeButton::AddDoor}, 3},
        {{ModeButton::AddShelves}, 5},
        {{ModeButton::AddDrawer}, 5},
        {{ModeButton::BankDrawers}, 5},
        {{ModeButton::AddPartition}, 2},
        {{ModeButton::AddPartition, ModeButton::AddDoor}, 3},
        {{ModeButton::AddPartition, ModeButton::AddShelves}, 5},
    };
    for (const auto& c : cases) {
        Designer d(FrameCabinet());
        auto controls = d.controls();
        for (const ModeButton button : c.buttons)
            controls.chooseMode(button);
        EXPECT_EQ(DataInputItems(d.state), c.items) << c.buttons.size();
        EXPECT_TRUE(d.controls().selectDataInput(c.items - 1)) << c.items;
        EXPECT_FALSE(d.controls().selectDataInput(c.items)) << c.items;
        EXPECT_EQ(d.state.dataInput, c.items - 1);
    }
}

TEST(DesignerEnter, NoModeOnlyRecalculates)
{
    Designer d(FrameCabinet());
    const CabinetRecord before = d.model.record;
    const DesignerEffect effect = d.editor().enter();
    EXPECT_TRUE(effect.redraw);
    EXPECT_TRUE(effect.refillFrontDimensions);
    EXPECT_FALSE(effect.inputError);
    EXPECT_EQ(d.model.record, before);
}

TEST(DesignerEnter, MullionsSetTheSectionCountWithinTwo)
{
    CabinetModel cabinet = FrameCabinet(3);
    for (int s = 1; s < 3; ++s) {
        cabinet.record.setSectionItem(s, SectionItem::Shelves, 2);
        cabinet.record.setSectionItem(s, SectionItem::DrawerCount, 1);
        cabinet.record.setSectionItem(s, SectionItem::DrawerBanks, 1);
    }
    Designer d(cabinet);
    d.state.shownSection = 3;
    d.draw();

    DesignerEffect effect = d.enter(ModeButton::AddMullion, 3);
    EXPECT_EQ(d.messages(), Strings {"Too many mullions. Up to 2 mullions are allowed."});
    EXPECT_EQ(d.prompter.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(effect.inputError);
    EXPECT_TRUE(effect.redraw);
    EXPECT_EQ(d.model.sectionCount, 3);

    effect = d.enter(ModeButton::AddMullion, 0);
    EXPECT_FALSE(effect.inputError);
    EXPECT_EQ(d.model.sectionCount, 1);
    EXPECT_EQ(d.model.record.sectionCount(), 1);
    d.draw();
    EXPECT_EQ(d.state.shownSection, 1);
    for (int s = 1; s < 3; ++s) {
        EXPECT_EQ(d.item(s, SectionItem::Shelves), 0);
        EXPECT_EQ(d.item(s, SectionItem::DrawerCount), 0);
        EXPECT_EQ(d.item(s, SectionItem::DrawerBanks), 1); // banks are left to the drawer entry
    }
    EXPECT_FALSE(d.shape("Mullion1").visible);
    EXPECT_FALSE(d.shape("Mullion2").visible);
}

TEST(DesignerEnter, CountsAboveTheirLimitAreRefusedAndKept)
{
    const struct {
        ModeButton button;
        int count;
        SectionItem item;
        const char* message;
    } cases[] = {
        {ModeButton::AddShelves, 5, SectionItem::Shelves, "Too many shelves. Up to 4 shelves are allowed."},
        {ModeButton::AddDrawer, 5, SectionItem::DrawerCount, "Too many drawers. Up to 4 drawers are allowed."},
        {ModeButton::AddDoor, 3, SectionItem::DoorCount, "Too many doors. Up to 2 doors are allowed."},
    };
    for (const auto& c : cases) {
        CabinetModel cabinet = FrameCabinet();
        cabinet.record.setSectionItem(0, c.item, 1);
        Designer d(cabinet);
        // The count list stops at 4, so shelves and drawers can only be
        // over their limit in a state set from elsewhere.
        auto editor = d.editor();
        d.controls().chooseMode(c.button);
        d.state.dataInput = c.count;
        const DesignerEffect effect = editor.enter();
        EXPECT_EQ(d.messages(), Strings {c.message});
        EXPECT_EQ(d.prompter.shown.at(0).kind, MessageKind::Error);
        EXPECT_TRUE(effect.inputError) << c.message;
        EXPECT_EQ(d.item(0, c.item), 1) << c.message;
    }
}

TEST(DesignerEnter, RemovingAnOffsetSectionDropsItsShifts)
{
    // Section C is offset; taking it away must not leave A and B paying
    // for its extra width.
    CabinetModel cabinet = FrameCabinet(3);
    cabinet.record.setSectionItem(2, SectionItem::MullionOffset, 1);
    Designer d(cabinet);
    ASSERT_NE(d.layout.MullionShift[0], 0.0);
    d.enter(ModeButton::AddMullion, 1);
    EXPECT_EQ(d.layout.MullionShift[0], 0.0);
    EXPECT_EQ(d.layout.MullionShift[1], 0.0);
    EXPECT_DOUBLE_EQ(d.layout.SectionFaceWidth[0], 17.5);
    EXPECT_DOUBLE_EQ(d.layout.SectionFaceWidth[1], 17.5);
    EXPECT_EQ(d.item(2, SectionItem::MullionOffset), 0);

    // An offset that stays is measured again for the new count.
    CabinetModel kept = FrameCabinet(3);
    kept.record.setSectionItem(0, SectionItem::MullionOffset, 1);
    Designer k(kept);
    k.enter(ModeButton::AddMullion, 1);
    EXPECT_DOUBLE_EQ(k.layout.SectionFaceWidth[0], 13.0);
    EXPECT_DOUBLE_EQ(k.layout.SectionFaceWidth[1], 22.0);
}

TEST(DesignerEnter, DrawerBankFollowsTheDrawers)
{
    Designer d(FrameCabinet());
    d.enter(ModeButton::AddDrawer, 4);
    d.enter(ModeButton::BankDrawers, 2);
    EXPECT_EQ(d.item(0, SectionItem::DrawerBanks), 2);
    EXPECT_TRUE(d.prompter.shown.empty());

    const DesignerEffect lowered = d.enter(ModeButton::AddDrawer, 1);
    EXPECT_EQ(d.messages(), Strings {"A drawer was removed in a full bank, the bank will be adjusted to match."});
    EXPECT_EQ(d.prompter.shown[0].kind, MessageKind::Warning);
    EXPECT_TRUE(lowered.inputError);
    EXPECT_EQ(d.item(0, SectionItem::DrawerCount), 1);
    EXPECT_EQ(d.item(0, SectionItem::DrawerBanks), 1);

    d.prompter.shown.clear();
    d.enter(ModeButton::AddDrawer, 2);
    d.enter(ModeButton::BankDrawers, 3);
    EXPECT_EQ(d.messages(), Strings {"Cannot bank more drawers then exists."});
    EXPECT_EQ(d.prompter.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(d.item(0, SectionItem::DrawerBanks), 2);
}

TEST(DesignerEnter, BankingClearsDoorsAndShelvesBeforeTheLayoutSeesThem)
{
    CabinetModel cabinet = FrameCabinet();
    cabinet.record.setSectionItem(0, SectionItem::DrawerCount, 2);
    cabinet.record.setSectionItem(0, SectionItem::Shelves, 2);
    cabinet.record.setSectionItem(0, SectionItem::DoorCount, 2);
    Designer d(cabinet);
    d.enter(ModeButton::BankDrawers, 2);
    EXPECT_EQ(d.item(0, SectionItem::Shelves), 0);
    EXPECT_EQ(d.item(0, SectionItem::DoorCount), 0);
    EXPECT_EQ(d.layout.cell(LayoutRow::Shelves, 0), "");
}

TEST(DesignerEnter, PartitionModeRoutesShelvesAndDoors)
{
    Designer d(FrameCabinet());
    d.enter(ModeButton::AddPartition, 2);
    EXPECT_EQ(d.messages(), Strings {"Only 1 main partition per cabinet section is allowed."});
    EXPECT_EQ(d.item(0, SectionItem::Partition), 0);

    d.enter(ModeButton::AddPartition, 1);
    EXPECT_EQ(d.item(0, SectionItem::Partition), 1);

    // AddPartition stays down: the count goes to the partition opening.
    d.enter(ModeButton::AddShelves, 3);
    EXPECT_EQ(d.item(0, SectionItem::PartitionShelves), 3);
    EXPECT_EQ(d.item(0, SectionItem::Shelves), 0);
    EXPECT_EQ(d.item(0, SectionItem::Partition), 1);

    d.enter(ModeButton::AddDoor, 2);
    EXPECT_EQ(d.item(0, SectionItem::PartitionDoors), 2);
    EXPECT_EQ(d.item(0, SectionItem::DoorCount), 0);

    // With the partition toggle up the same buttons fill the main opening.
    d.controls().chooseMode(ModeButton::AddPartition);
    d.enter(ModeButton::AddDoor, 1);
    EXPECT_EQ(d.item(0, SectionItem::DoorCount), 1);

    // Removing the partition removes what stood in its opening.
    d.enter(ModeButton::AddPartition, 0);
    EXPECT_EQ(d.item(0, SectionItem::Partition), 0);
    EXPECT_EQ(d.item(0, SectionItem::PartitionShelves), 0);
    EXPECT_EQ(d.item(0, SectionItem::PartitionDoors), 0);
    EXPECT_EQ(d.item(0, SectionItem::DoorCount), 1);
}

TEST(DesignerEnter, StoresIntoTheShownSection)
{
    Designer d(FrameCabinet(2));
    d.controls().nextSection();
    EXPECT_EQ(d.state.shownSection, 2);
    d.enter(ModeButton::AddShelves, 4);
    EXPECT_EQ(d.item(1, SectionItem::Shelves), 4);
    EXPECT_EQ(d.item(0, SectionItem::Shelves), 0);
    // Section toggling only refills the dimensions.
    const DesignerEffect toggled = d.controls().nextSection();
    EXPECT_EQ(d.state.shownSection, 1);
    EXPECT_FALSE(toggled.redraw);
    EXPECT_TRUE(toggled.refillFrontDimensions);
    EXPECT_EQ(d.controls().sizeCabinet().selectParameter, 0);
}

TEST(DesignerOffsets, MullionOffsetsAreLimitedByTheMullions)
{
    Designer one(FrameCabinet(1));
    one.controls().chooseMode(ModeButton::AddDoor);
    const DesignerEffect refused = one.editor().addMullionOffset();
    EXPECT_EQ(one.messages(), Strings {"Mullion offsets allowed in 0 of 1 sections only."});
    EXPECT_FALSE(refused.redraw);
    EXPECT_EQ(one.item(0, SectionItem::MullionOffset), 0);
    EXPECT_FALSE(one.state.mode.has_value()); // the modes were reset all the same

    Designer three(FrameCabinet(3));
    auto editor = three.editor();
    EXPECT_TRUE(editor.addMullionOffset().redraw);
    EXPECT_DOUBLE_EQ(three.layout.SectionFaceWidth[0], 13.0);
    three.controls().nextSection();
    EXPECT_EQ(MullionOffsetParameter(three.state), 71);
    EXPECT_TRUE(editor.addMullionOffset().redraw);
    EXPECT_TRUE(three.prompter.shown.empty());
    three.controls().nextSection();
    editor.addMullionOffset();
    EXPECT_EQ(three.messages(), Strings {"Mullion offsets allowed in 2 of 3 sections only."});
    EXPECT_EQ(three.item(2, SectionItem::MullionOffset), 0);

    // Refused again on a section that already has its offset: it keeps it.
    three.state.shownSection = 1;
    three.model.record.setSectionItem(2, SectionItem::MullionOffset, 1);
    editor.addMullionOffset();
    EXPECT_EQ(three.item(0, SectionItem::MullionOffset), 1);

    editor.removeMullionOffsets();
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(three.item(s, SectionItem::MullionOffset), 0);
        EXPECT_EQ(three.layout.MullionShift[static_cast<std::size_t>(s)], 0.0);
        EXPECT_EQ(three.layout.MullionShiftUnits[static_cast<std::size_t>(s)], 0);
        EXPECT_DOUBLE_EQ(three.layout.SectionFaceWidth[static_cast<std::size_t>(s)], 11.0);
    }
}

TEST(DesignerOffsets, PartitionMovesRecordTheirDistance)
{
    CabinetModel cabinet = FrameCabinet(2);
    cabinet.record.setSectionItem(1, SectionItem::Partition, 1);
    cabinet.record.setParamText(33, "8.5"); // the centred opening is 10.75
    cabinet.rebuildParamValues();
    Designer d(cabinet);
    auto editor = d.editor();
    d.controls().nextSection();
    EXPECT_EQ(PartitionOffsetParameter(d.state), 33);
    d.controls().chooseMode(ModeButton::AddShelves);

    editor.movePartitionAboveCenter();
    EXPECT_FALSE(d.state.mode.has_value());
    EXPECT_EQ(d.item(1, SectionItem::PartitionAbove), 9);
    EXPECT_EQ(d.item(1, SectionItem::PartitionBelow), 0);
    EXPECT_DOUBLE_EQ(d.layout.UpperHeight[1], 8.5);

    editor.movePartitionBelowCenter();
    EXPECT_EQ(d.item(1, SectionItem::PartitionAbove), 0);
    EXPECT_EQ(d.item(1, SectionItem::PartitionBelow), 9);
    EXPECT_DOUBLE_EQ(d.layout.UpperHeight[1], 13.0);

    d.controls().chooseMode(ModeButton::AddDoor);
    editor.centerPartition();
    EXPECT_TRUE(d.state.isDown(ModeButton::AddDoor)); // centring keeps the mode
    EXPECT_EQ(d.item(1, SectionItem::PartitionBelow), 0);
    EXPECT_DOUBLE_EQ(d.layout.UpperHeight[1], 10.75);

    d.model.record.setSectionItem(0, SectionItem::PartitionAbove, 4);
    editor.movePartitionBelowCenter();
    editor.centerAllPartitions();
    EXPECT_EQ(d.item(0, SectionItem::PartitionAbove), 0);
    EXPECT_EQ(d.item(1, SectionItem::PartitionBelow), 0);
}
