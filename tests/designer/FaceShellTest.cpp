// SPDX-License-Identifier: GPL-3.0-or-later
// The outline of the face drawing: carcass, toe kick, face frame, blind
// corner, and the mullions and dividers between the sections.
#include "DesignerTestCabinet.h"

#include <set>
#include <utility>

using namespace boxmill;
using test::Designer;
using test::FrameCabinet;
using test::Right;

namespace {

struct Rect {
    int left, top, width, height;
};

void ExpectRect(const Shape& shape, Rect expected)
{
    EXPECT_EQ(shape.left, expected.left) << shape.name;
    EXPECT_EQ(shape.top, expected.top) << shape.name;
    EXPECT_EQ(shape.width, expected.width) << shape.name;
    EXPECT_EQ(shape.height, expected.height) << shape.name;
}

} // namespace

TEST(FaceShapeCatalogue, NamesEveryPartOnceWithItsHint)
{
    const ShapeSet& shapes = FaceShapeCatalogue();
    std::set<std::string> names;
    for (const Shape& shape : shapes.shapes)
        names.insert(shape.name);
    EXPECT_EQ(names.size(), shapes.shapes.size());
    EXPECT_EQ(shapes.shapes.size(), 151u);
    for (const auto& [name, hint] : {std::pair<const char*, const char*> {"DrawerFace2A", "Drawer Face"},
                                     {"DrawerFace3A", "DrawerFace"},
                                     {"DrawerFace4A", "DrawerFace"},
                                     {"DrawerFace3B", "Drawer Face"},
                                     {"Bottom", "Cabinet Bottom"},
                                     {"DoorRail2BP", "Door Mid Rail"},
                                     {"DoorBottomRail2CP", "Door Bottom Rail"},
                                     {"Shelve4CP", "Shelve"},
                                     {"DoorMullionBP", "Door Mullion"}}) {
        ASSERT_NE(shapes.find(name), nullptr) << name;
        EXPECT_EQ(shapes.find(name)->hint, hint) << name;
    }
}

TEST(FaceShell, ToeKickAtTheFootWithItsRecessAndSeam)
{
    Designer d(FrameCabinet());
    d.draw();
    // 30 x 40 inches is 120 x 160 units; the toe kick is 16.
    ExpectRect(d.shape("LeftSide"), {292, 72, 3, 120});
    ExpectRect(d.shape("RightSide"), {449, 72, 3, 120});
    ExpectRect(d.shape("LeftStile"), {292, 72, 6, 104});
    ExpectRect(d.shape("RightStile"), {446, 72, 6, 104});
    ExpectRect(d.shape("TopRail"), {297, 72, 150, 6});
    ExpectRect(d.shape("BottomRail"), {297, 170, 150, 6});
    ExpectRect(d.shape("Bottom"), {295, 170, 154, 3});
    ExpectRect(d.shape("ToeKick"), {292, 175, 160, 17});
    ExpectRect(d.shape("ToeKick2"), {295, 172, 154, 4});
    ExpectRect(d.shape("ToeKickBlank"), {296, 175, 152, 1});
    EXPECT_TRUE(d.shape("ToeKickBlank").blank);
    EXPECT_TRUE(d.shape("ToeKick2").visible);
}

TEST(FaceShell, DetachedBaseStandsBetweenTheSidesUnderShortenedSides)
{
    Designer d(FrameCabinet());
    d.model.record.setFlag(RecordOffset::DetachedBase, true);
    d.draw();
    EXPECT_EQ(d.shape("LeftSide").height, 104);
    EXPECT_EQ(d.shape("RightSide").height, 104);
    ExpectRect(d.shape("ToeKick"), {295, 176, 154, 16});
    EXPECT_FALSE(d.shape("ToeKick2").visible);
    EXPECT_FALSE(d.shape("ToeKickBlank").visible);
}

TEST(FaceShell, WithoutToeKickTheFrameReachesTheFloor)
{
    Designer d(FrameCabinet());
    d.model.record.setIncludeFlag(7, false);
    d.draw();
    EXPECT_FALSE(d.shape("ToeKick").visible);
    EXPECT_FALSE(d.shape("ToeKick2").visible);
    EXPECT_EQ(d.shape("LeftStile").height, 120);
    EXPECT_EQ(d.shape("BottomRail").top, 186);
    EXPECT_EQ(d.shape("Bottom").top, 186);

    // A hidden bottom is kept clear of the bottom rail's edge.
    d.model.record.setIncludeFlag(1, false);
    d.draw();
    EXPECT_EQ(d.shape("Bottom").top, 188);
}

TEST(FaceShell, TopJointsPlaceTheTopAndTheFrame)
{
    Designer d(FrameCabinet());
    d.model.record.setIncludeFlag(0, true);
    d.model.record.setIncludeFlag(19, false);
    d.draw();
    ExpectRect(d.shape("CabinetTop"), {295, 72, 154, 3}); // rabbeted between the sides

    // An overlaid top covers the sides; sides and frame start below it.
    d.model.options.set(CabinetOption::TopButtJoint, true);
    d.draw();
    ExpectRect(d.shape("CabinetTop"), {292, 72, 160, 3});
    ExpectRect(d.shape("LeftSide"), {292, 75, 3, 117});
    ExpectRect(d.shape("LeftStile"), {292, 75, 6, 101});
    EXPECT_EQ(d.shape("TopRail").top, 75);

    // Without a top nothing sits on the sides, whatever its joint says.
    d.model.record.setIncludeFlag(0, false);
    d.draw();
    ExpectRect(d.shape("LeftStile"), {292, 72, 6, 104});
}

TEST(FaceShell, BackInsideStandsBetweenTheSidesUnderTheCarcassRail)
{
    Designer d(FrameCabinet());
    d.model.options.set(CabinetOption::BackInside, true);
    d.model.options.set(CabinetOption::CarcassDado, true);
    d.draw();
    ExpectRect(d.shape("CarcassRail"), {295, 74, 154, 3});
    ExpectRect(d.shape("Back"), {295, 77, 154, 93});
}

TEST(FaceShell, BlindCornerTakesItsWidthOffTheRails)
{
    Designer d(FrameCabinet());
    d.model.record.setFlag(RecordOffset::BlindCorner, true);
    d.draw();
    // Right corner: the right stile moves in by the 40-unit panel, which
    // fills the rest of the width.
    EXPECT_EQ(d.shape("RightStile").left, 406);
    EXPECT_EQ(d.shape("TopRail").width, 110);
    ExpectRect(d.shape("BlindPanel"), {411, 72, 41, 104});
    EXPECT_TRUE(d.shape("BlindPanel").visible);

    d.model.options.set(CabinetOption::LeftCorner, true);
    d.draw();
    EXPECT_EQ(d.shape("LeftStile").left, 332);
    EXPECT_EQ(d.shape("BottomRail").left, 337);
    ExpectRect(d.shape("BlindPanel"), {292, 72, 41, 104});
}

TEST(FaceMullions, StandBetweenEqualSections)
{
    Designer two(FrameCabinet(2));
    two.draw();
    // The frame opening of 148 units halved: the mullion centred on 372.
    ExpectRect(two.shape("Mullion1"), {368, 77, 8, 94});
    EXPECT_TRUE(two.shape("Mullion1").visible);
    EXPECT_FALSE(two.shape("Mullion2").visible);

    Designer three(FrameCabinet(3));
    three.draw();
    // What the mullions leave of 148 units is 44 a section.
    EXPECT_EQ(three.shape("Mullion1").left, 342);
    EXPECT_EQ(three.shape("Mullion2").left, 394);
    EXPECT_TRUE(three.shape("Mullion2").visible);

    three.model.record.setIncludeFlag(9, false);
    three.draw();
    EXPECT_FALSE(three.shape("Mullion1").visible);
    EXPECT_EQ(three.shape("Mullion1").left, 342); // still placed: rails are centred on it
}

TEST(FaceMullions, LeaveThreeEqualSectionsAtEveryZoomAndMullionWidth)
{
    const struct {
        const char* mullion;
        int scale, first, second;
    } cases[] = {
        // (296 - 2 x 16) / 3 = 88 a section from the stile's inner edge at 304.
        {"2", 2, 304 + 88, 304 + 2 * 88 + 16},
        // (148 - 2 x 12) / 3 = 41 1/3.
        {"3", 1, 339, 393},
        {"3", 2, 304 + 83, 304 + 165 + 24},
    };
    for (const auto& c : cases) {
        CabinetModel cabinet = FrameCabinet(3);
        cabinet.record.setParamText(13, c.mullion);
        cabinet.rebuildParamValues();
        cabinet.drawScale = c.scale;
        Designer d(cabinet);
        d.draw();
        EXPECT_EQ(std::pair(d.shape("Mullion1").left, d.shape("Mullion2").left), std::pair(c.first, c.second))
            << c.mullion << " at zoom " << c.scale;
    }
}

TEST(FaceMullions, FollowTheOffsetSections)
{
    // Nominal section width (40 - 3 - 4) / 3 = 11 inches; an offset section
    // gets 13, 8 units more, and the others give up 4 units each.
    CabinetModel first = FrameCabinet(3);
    first.record.setSectionItem(0, SectionItem::MullionOffset, 1);
    Designer a(first);
    a.draw();
    EXPECT_EQ(a.shape("Mullion1").left, 350);
    EXPECT_EQ(a.shape("Mullion2").left, 398);

    CabinetModel last = FrameCabinet(3);
    last.record.setSectionItem(2, SectionItem::MullionOffset, 1);
    Designer c(last);
    c.draw();
    EXPECT_EQ(c.shape("Mullion1").left, 338);
    EXPECT_EQ(c.shape("Mullion2").left, 386);
    EXPECT_EQ(Right(c.shape("RightStile")) - 6 - Right(c.shape("Mullion2")), 52);

    // Both outer sections offset: the middle one makes up for both.
    CabinetModel outer = FrameCabinet(3);
    outer.record.setSectionItem(0, SectionItem::MullionOffset, 1);
    outer.record.setSectionItem(2, SectionItem::MullionOffset, 1);
    Designer ac(outer);
    ac.draw();
    EXPECT_EQ(ac.shape("Mullion1").left, 350);
    EXPECT_EQ(ac.shape("Mullion2").left, 386);

    // Two sections, the second offset to 13 of its nominal 17.5 inches.
    CabinetModel second = FrameCabinet(2);
    second.record.setSectionItem(1, SectionItem::MullionOffset, 1);
    Designer b(second);
    b.draw();
    EXPECT_EQ(b.shape("Mullion1").left, 386);
    EXPECT_EQ(b.shape("RightStile").left - Right(b.shape("Mullion1")), 52);
}

TEST(FaceMullions, DividersFollowTheirMullionsOnlyWhereTheyExist)
{
    Designer one(FrameCabinet(1));
    one.draw();
    EXPECT_FALSE(one.shape("Divider1").visible);
    EXPECT_FALSE(one.shape("Divider2").visible);

    Designer three(FrameCabinet(3));
    three.model.options.set(CabinetOption::FlushLeft1, true);
    three.model.options.set(CabinetOption::FlushRight2, true);
    three.draw();
    // From under the top's place down to the bottom.
    ExpectRect(three.shape("Divider1"), {342, 75, 3, 95});
    EXPECT_EQ(three.shape("Divider2").left, 394 + 8 - 3);
    EXPECT_TRUE(three.shape("Divider2").visible);

    three.model.options.set(CabinetOption::Center1, true);
    three.model.options.set(CabinetOption::SetDivider2, false);
    three.draw();
    EXPECT_EQ(three.shape("Divider1").left, 342 + 4 - 1);
    EXPECT_FALSE(three.shape("Divider2").visible);
}
