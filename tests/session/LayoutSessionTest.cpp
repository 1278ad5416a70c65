// SPDX-License-Identifier: GPL-3.0-or-later
// The session runs the layout whenever it replaces or changes the cabinet.
#include "geometry/LayoutTestCabinet.h"

#include "ScriptedPrompter.h"
#include "TempFolder.h"
#include "core/CabinetFile.h"
#include "core/ProgramData.h"
#include "session/CabinetSession.h"
#include "session/SessionAccess.h"

#include <gtest/gtest.h>

using namespace boxmill;
using namespace boxmill::test;

namespace {

// Two sections of (40 - 3 - 2) / 2 = 17.5; section 1 is offset to 20 and
// its partition moved up to a 9 inch upper opening (centred 12.5).
CabinetModel OffsetCabinet()
{
    CabinetModel model = BareCabinet(2);
    SetParams(model, {{p::Height, "30"},
                      {p::Width, "40"},
                      {p::RightStile, "1.5"},
                      {p::LeftStile, "1.5"},
                      {p::TopRail, "1.5"},
                      {p::BottomRail, "2"},
                      {p::Mullion, "2"},
                      {p::PartitionRail, "1.5"},
                      {p::UpperOpening1, "9"},
                      {p::SectionWidth1, "20"}});
    Include(model, {inc::FaceFrame, inc::Mullions});
    SetItem(model, 0, SectionItem::MullionOffset, 1);
    SetItem(model, 0, SectionItem::Partition, 1);
    SetItem(model, 0, SectionItem::PartitionAbove, 1);
    return model;
}

class LayoutSession : public ::testing::Test {
protected:
    LayoutSession()
        : session(prompter, dialogs)
    {
        SessionAccess::model(session).folders.programFolder = folder.path();
        SessionAccess::model(session).folders.cabinetFolder = folder.path();
    }

    std::filesystem::path write(const std::string& name, const CabinetModel& cabinet)
    {
        const auto path = folder / name;
        EXPECT_TRUE(WriteCabinetFile(path, cabinet.recordForSave()));
        return path;
    }

    TempFolder folder;
    ScriptedPrompter prompter;
    ScriptedDialogs dialogs;
    CabinetSession session;
};

} // namespace

TEST_F(LayoutSession, OpeningACabinetLaysItOutWithItsOffsets)
{
    dialogs.choices.push_back(write("Offset.cab", OffsetCabinet()));
    ASSERT_TRUE(session.openCabinetLibrary());

    const LayoutResult& layout = session.layout();
    EXPECT_EQ(layout.cell(LayoutRow::Width, 0), "20 ");
    EXPECT_EQ(layout.cell(LayoutRow::Width, 1), "15 ");
    EXPECT_EQ(layout.cell(LayoutRow::Upper, 0), "9 ");
    EXPECT_EQ(layout.cell(LayoutRow::Lower, 0), "16 ");
    // The distance is written back into the section table for the drawing,
    // without counting as an unsaved edit.
    EXPECT_EQ(session.model().sectionItem(0, SectionItem::PartitionAbove), 14);
    EXPECT_FALSE(session.modified());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(LayoutSession, TheNextCabinetStartsWithoutTheOffsetsOfThePrevious)
{
    dialogs.choices.push_back(write("Offset.cab", OffsetCabinet()));
    ASSERT_TRUE(session.openCabinetLibrary());
    ASSERT_EQ(session.layout().MullionShift[0], 2.5);

    CabinetModel plain = OffsetCabinet();
    SetItem(plain, 0, SectionItem::MullionOffset, 0);
    dialogs.choices.push_back(write("Plain.cab", plain));
    ASSERT_TRUE(session.openCabinetLibrary());
    EXPECT_EQ(session.layout().cell(LayoutRow::Width, 0), "17 1/2");
    EXPECT_EQ(session.layout().cell(LayoutRow::Width, 1), "17 1/2");

    // A new cabinet is a load like any other.
    write(DataFile::NewCabinet, plain);
    SessionAccess::layout(session).MullionShift = {4.0, -4.0, 0.0};
    ASSERT_TRUE(session.newCabinet());
    EXPECT_EQ(session.layout().MullionShift, (std::array<double, 3> {}));
    EXPECT_EQ(session.layout().cell(LayoutRow::Width, 0), "17 1/2");
}

TEST_F(LayoutSession, RecalculateFollowsAnEdit)
{
    dialogs.choices.push_back(write("Offset.cab", OffsetCabinet()));
    ASSERT_TRUE(session.openCabinetLibrary());

    SetItem(SessionAccess::model(session), 1, SectionItem::DrawerCount, 1);
    SetParams(SessionAccess::model(session), {{p::DrawerB1, "6"}, {p::MidRail, "1"}});
    session.recalculate();
    EXPECT_EQ(session.layout().cell(LayoutRow::Drawer1, 1), "6 ");
    EXPECT_EQ(session.layout().cell(LayoutRow::Lower, 1), "19 1/2"); // 26.5 - 7
    EXPECT_EQ(session.layout().cell(LayoutRow::Width, 0), "20 ");    // the offset carries over
}
