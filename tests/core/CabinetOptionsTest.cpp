// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CabinetOptions.h"
#include "RecordFixtures.h"
#include "core/CabinetModel.h"
#include "core/CabinetRecord.h"

#include <gtest/gtest.h>

#include <set>

using namespace boxmill;
using O = CabinetOption;

namespace {

constexpr int kOptionsAt = 2275;

const std::vector<std::vector<O>> kRadioGroups = {
    {O::LeftCorner, O::RightCorner},
    {O::Center1, O::FlushRight1, O::FlushLeft1},
    {O::Center2, O::FlushRight2, O::FlushLeft2},
    {O::FrontRabbit, O::FrontDoveTail, O::FrontButtJoint},
    {O::BackRabbit, O::BackDoveTail, O::BackButtJoint},
    {O::TopRabbit, O::TopDado, O::TopButtJoint},
    {O::CarcassRabbit, O::CarcassDado, O::CarcassButt},
};

bool IsRadio(O option)
{
    for (const auto& group : kRadioGroups)
        for (const auto member : group)
            if (member == option)
                return true;
    return false;
}

// The options window's record bytes, with exactly one choice per group.
CabinetRecord RecordWithGroupsSet()
{
    CabinetRecord record = test::MakeValidRecord();
    for (const auto& group : kRadioGroups)
        record.setFlag(kOptionsAt + static_cast<int>(group.front()), true);
    return record;
}

} // namespace

TEST(CabinetOptions, FormDefaultsAreTheWindowsInitialState)
{
    const auto defaults = CabinetOptionSet::FormDefaults();
    const std::set<O> checked = {
        O::RightCorner,     O::SetDivider1,  O::Center1,     O::SetDivider2,  O::Center2,        O::DrawerDadoes,
        O::PartitionDadoes, O::ShelveDadoes, O::ToeKickLeft, O::ToeKickRight, O::FrontButtJoint, O::BackButtJoint,
        O::NotchedDivider,  O::BottomDado,   O::DividerDado, O::NailerRabbit, O::TopRabbit,      O::CarcassRabbit};
    for (int i = 0; i < kOptionCount; ++i) {
        const auto option = static_cast<O>(i);
        EXPECT_EQ(defaults[option], checked.count(option) == 1) << "option " << i;
    }
    EXPECT_FALSE(defaults.raisedPanelSides);
    EXPECT_EQ(defaults.nailerCount, std::nullopt);
}

TEST(CabinetOptions, RadioGroupsStayExclusive)
{
    for (const auto& group : kRadioGroups) {
        for (const auto chosen : group) {
            auto options = CabinetOptionSet::FormDefaults();
            ASSERT_TRUE(options.set(chosen, true));
            for (const auto member : group)
                EXPECT_EQ(options[member], member == chosen) << static_cast<int>(member);
            // A group never ends up with no choice.
            EXPECT_FALSE(options.set(chosen, false));
            EXPECT_TRUE(options[chosen]);
        }
    }
}

TEST(CabinetOptions, CheckBoxesAreIndependent)
{
    auto options = CabinetOptionSet::FormDefaults();
    const auto before = options;
    ASSERT_TRUE(options.set(O::LeftScribe, true));
    ASSERT_TRUE(options.set(O::SetDivider1, false));
    EXPECT_TRUE(options[O::LeftScribe]);
    EXPECT_FALSE(options[O::SetDivider1]);
    for (int i = 0; i < kOptionCount; ++i) {
        const auto option = static_cast<O>(i);
        if (option != O::LeftScribe && option != O::SetDivider1) {
            EXPECT_EQ(options[option], before[option]) << i;
        }
    }
}

TEST(CabinetOptions, EachCheckBoxLoadsFromAndStoresToItsOwnByte)
{
    for (int i = 0; i < kOptionCount; ++i) {
        const auto option = static_cast<O>(i);
        if (IsRadio(option))
            continue;
        CabinetRecord record = RecordWithGroupsSet();
        for (int k = 0; k < kOptionCount; ++k)
            if (!IsRadio(static_cast<O>(k)))
                record.setFlag(kOptionsAt + k, k == i);
        const auto loaded = LoadOptionsFromRecord(record);
        for (int k = 0; k < kOptionCount; ++k) {
            if (!IsRadio(static_cast<O>(k))) {
                EXPECT_EQ(loaded[static_cast<O>(k)], k == i) << "byte " << i << ", option " << k;
            }
        }

        CabinetRecord stored = test::MakeValidRecord();
        StoreOptionsToRecord(loaded, stored);
        for (int k = 0; k < kOptionCount; ++k) {
            if (!IsRadio(static_cast<O>(k))) {
                EXPECT_EQ(stored.byte(kOptionsAt + k), k == i ? 1 : 0) << "option " << i << ", byte " << k;
            }
        }
    }
}

TEST(CabinetOptions, EachRadioChoiceLoadsFromAndStoresToItsOwnByte)
{
    for (const auto& group : kRadioGroups) {
        for (const auto chosen : group) {
            CabinetRecord record = RecordWithGroupsSet();
            for (const auto member : group)
                record.setFlag(kOptionsAt + static_cast<int>(member), member == chosen);
            const auto loaded = LoadOptionsFromRecord(record);
            for (const auto member : group)
                EXPECT_EQ(loaded[member], member == chosen);

            CabinetRecord stored = test::MakeValidRecord();
            StoreOptionsToRecord(loaded, stored);
            for (const auto member : group)
                EXPECT_EQ(stored.byte(kOptionsAt + static_cast<int>(member)), member == chosen ? 1 : 0);
        }
    }
}

TEST(CabinetOptions, TheLaterTrueByteOfAGroupWins)
{
    CabinetRecord record = RecordWithGroupsSet();
    record.setFlag(kOptionsAt + static_cast<int>(O::Center1), true);
    record.setFlag(kOptionsAt + static_cast<int>(O::FlushLeft1), true);
    // BlindMate sits between CarcassDado and CarcassButt but is no member.
    record.setFlag(kOptionsAt + static_cast<int>(O::CarcassRabbit), true);
    record.setFlag(kOptionsAt + static_cast<int>(O::CarcassButt), true);
    record.setFlag(kOptionsAt + static_cast<int>(O::BlindMate), true);
    const auto loaded = LoadOptionsFromRecord(record);
    EXPECT_FALSE(loaded[O::Center1]);
    EXPECT_FALSE(loaded[O::FlushRight1]);
    EXPECT_TRUE(loaded[O::FlushLeft1]);
    EXPECT_FALSE(loaded[O::CarcassRabbit]);
    EXPECT_TRUE(loaded[O::CarcassButt]);
    EXPECT_TRUE(loaded[O::BlindMate]);

    CabinetRecord stored = record;
    StoreOptionsToRecord(loaded, stored);
    EXPECT_EQ(stored.byte(kOptionsAt + static_cast<int>(O::Center1)), 0);
    EXPECT_EQ(stored.byte(kOptionsAt + static_cast<int>(O::FlushLeft1)), 1);
}

TEST(CabinetOptions, AGroupWithNoTrueByteKeepsAChoice)
{
    CabinetRecord record = RecordWithGroupsSet();
    for (const auto member : kRadioGroups[3])
        record.setFlag(kOptionsAt + static_cast<int>(member), false);
    const auto loaded = LoadOptionsFromRecord(record);
    int chosen = 0;
    for (const auto member : kRadioGroups[3])
        chosen += loaded[member] ? 1 : 0;
    EXPECT_EQ(chosen, 1);
}

TEST(CabinetOptions, RaisedPanelSidesTravelsWithTheOptions)
{
    CabinetRecord record = RecordWithGroupsSet();
    record.setFlag(2313, true);
    auto loaded = LoadOptionsFromRecord(record);
    EXPECT_TRUE(loaded.raisedPanelSides);
    loaded.raisedPanelSides = false;
    StoreOptionsToRecord(loaded, record);
    EXPECT_EQ(record.byte(2313), 0);
}

TEST(CabinetOptions, NailerCountSelectsItsEntryAndIsStoredAsItsText)
{
    CabinetRecord record = RecordWithGroupsSet();
    for (const char* text : {"1", "2", "3"}) {
        record.setNailerCount(text);
        auto loaded = LoadOptionsFromRecord(record);
        ASSERT_TRUE(loaded.nailerCount) << text;
        EXPECT_EQ(*loaded.nailerCount, text[0] - '0');
        CabinetRecord stored = test::MakeValidRecord();
        StoreOptionsToRecord(loaded, stored);
        EXPECT_EQ(stored.byte(2551), 1);
        EXPECT_EQ(stored.byte(2552), text[0]);
    }
    auto options = CabinetOptionSet::FormDefaults();
    options.nailerCount = 2;
    StoreOptionsToRecord(options, record);
    EXPECT_EQ(record.nailerCount(), "2");
    EXPECT_EQ(LoadOptionsFromRecord(record).nailerCount, 2);
}

TEST(CabinetOptions, AnUnknownNailerCountSelectsNoneAndIsLeftAsItWas)
{
    for (const char* text : {"7", "0", "", "x"}) {
        CabinetRecord record = RecordWithGroupsSet();
        record.setNailerCount(text);
        const auto before = record;
        const auto loaded = LoadOptionsFromRecord(record);
        EXPECT_EQ(loaded.nailerCount, std::nullopt) << '"' << text << '"';
        StoreOptionsToRecord(loaded, record);
        EXPECT_EQ(record.byte(2551), before.byte(2551));
        EXPECT_EQ(record.byte(2552), before.byte(2552));
    }
}

TEST(CabinetOptions, DividerPlacementFollowsSetDividerAndKeepsItsChoice)
{
    auto options = CabinetOptionSet::FormDefaults();
    EXPECT_TRUE(UpdateDividerControls(options).divider1Placement);
    EXPECT_TRUE(UpdateDividerControls(options).divider2Placement);

    options.set(O::FlushRight1, true);
    options.set(O::SetDivider1, false);
    auto enabled = UpdateDividerControls(options);
    EXPECT_FALSE(enabled.divider1Placement);
    EXPECT_TRUE(enabled.divider2Placement);
    EXPECT_TRUE(options[O::FlushRight1]);

    CabinetRecord record = test::MakeValidRecord();
    StoreOptionsToRecord(options, record);
    EXPECT_EQ(record.byte(kOptionsAt + static_cast<int>(O::SetDivider1)), 0);
    EXPECT_EQ(record.byte(kOptionsAt + static_cast<int>(O::FlushRight1)), 1);

    options.set(O::SetDivider2, false);
    enabled = UpdateDividerControls(options);
    EXPECT_FALSE(enabled.divider2Placement);
}

TEST(CabinetOptions, BlindCornerAndBlindMateExcludeEachOther)
{
    CabinetModel model;
    model.setBlindCorner(true);
    EXPECT_TRUE(model.record.flag(2273));
    model.setBlindMate(true);
    EXPECT_TRUE(model.options[O::BlindMate]);
    EXPECT_FALSE(model.record.flag(2273));

    model.setBlindCorner(true);
    EXPECT_TRUE(model.record.flag(2273));
    EXPECT_FALSE(model.options[O::BlindMate]);

    // Unchecking one leaves the other alone.
    model.setBlindMate(false);
    EXPECT_TRUE(model.record.flag(2273));
    model.setBlindMate(true);
    model.setBlindCorner(false);
    EXPECT_TRUE(model.options[O::BlindMate]);
}

TEST(CabinetOptions, MousePressSelectsTheGoverningParameter)
{
    const std::pair<O, int> links[] = {
        {O::LeftCorner, 9},    {O::RightCorner, 9},    {O::DrawerDadoes, 28}, {O::PartitionDadoes, 52},
        {O::ShelveDadoes, 36}, {O::LeftScribe, 68},    {O::RightScribe, 68},  {O::ToeKickLeft, 51},
        {O::ToeKickRight, 51}, {O::FrontRabbit, 53},   {O::BackRabbit, 53},   {O::FrontDoveTail, 54},
        {O::BackDoveTail, 54}, {O::DoorInset, 55},     {O::FaceInset, 56},    {O::BottomDado, 36},
        {O::DividerDado, 61},  {O::NailerRabbit, 60},  {O::TopRabbit, 58},    {O::TopDado, 59},
        {O::TopButtJoint, 67}, {O::CarcassRabbit, 62}, {O::CarcassDado, 63},
    };
    std::set<O> linked;
    for (const auto& [option, index] : links) {
        EXPECT_EQ(OptionParameterIndex(option), index) << static_cast<int>(option);
        linked.insert(option);
    }
    for (int i = 0; i < kOptionCount; ++i) {
        if (linked.count(static_cast<O>(i)) == 0) {
            EXPECT_EQ(OptionParameterIndex(static_cast<O>(i)), std::nullopt) << i;
        }
    }
}
