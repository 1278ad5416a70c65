// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PanelStyle.h"
#include "core/CabinetRecord.h"
#include "core/RecordFieldNames.h"
#include "panels/PanelControls.h"
#include "panels/PanelFile.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

using namespace boxmill;

namespace {

constexpr Opening L = Opening::Lower;
constexpr Opening U = Opening::Upper;
using C = PanelControl;
using I = SectionItem;

} // namespace

// Each control in its byte, its record byte and, but for Vertical, its item
// of the section's copy: the order every cabinet and panel file was written
// in. Setting one control must move exactly these bytes.
TEST(PanelStyle, EachControlHasItsBytesInTheStyleTheRecordAndTheSectionCopy)
{
    struct Case {
        Opening group;
        int s;
        std::optional<C> control; // nullopt: the group's Double Panels Offset
        const char* name;
        int recordByte;
        std::optional<I> item;
    };
    const Case cases[] = {
        {L, 0, std::nullopt, "LowerPanelsOffset", 2323, I::LowerPanelsOffset},
        {L, 0, C::DoublePanel, "DoublePanelA", 2324, I::DoublePanel},
        {L, 0, C::NegativeOffset, "NegativeOffsetA", 2325, I::NegativeOffset},
        {L, 1, C::Horizontal, "HorizontalB", 2330, I::Horizontal},
        {L, 2, C::Vertical, "VerticalC", 2335, std::nullopt},
        {U, 0, std::nullopt, "UpperPanelsOffset", 2336, I::UpperPanelsOffset},
        {U, 0, C::DoublePanel, "DoublePanelAP", 2337, I::DoublePanelP},
        {U, 1, C::NegativeOffset, "NegativeOffsetBP", 2342, I::NegativeOffsetP},
        {U, 2, C::Horizontal, "HorizontalCP", 2347, I::HorizontalP},
        {U, 2, C::Vertical, "VerticalCP", 2348, std::nullopt},
    };
    for (const Case& c : cases) {
        PanelStyle style;
        if (c.control)
            style.setControl(c.group, c.s, *c.control, true);
        else
            style.setPanelsOffset(c.group, true);
        const int byte =
            c.control ? PanelStyle::controlByte(c.group, c.s, *c.control) : PanelStyle::offsetByte(c.group);
        EXPECT_EQ(kRaisedPanelNames[static_cast<std::size_t>(byte)], c.name);

        CabinetRecord record;
        StorePanelStyle(style, record);
        CopyPanelStyleToSections(style, record);
        EXPECT_EQ(LoadPanelStyle(record), style) << c.name;
        for (int offset = RecordOffset::RaisedPanel; offset < RecordOffset::RaisedPanel + kPanelStyleSize; ++offset) {
            // Horizontal and Vertical are one choice: setting one clears the
            // other, which was clear already.
            EXPECT_EQ(record.byte(offset), offset == c.recordByte ? 1 : 0) << c.name << " at " << offset;
        }
        for (int s = 0; s < kSections; ++s)
            for (int k = static_cast<int>(I::LowerPanelsOffset); k <= static_cast<int>(I::HorizontalP); ++k) {
                // The group's offset is copied into every section.
                const bool expected = c.item && static_cast<int>(*c.item) == k && (!c.control || s == c.s);
                EXPECT_EQ(record.sectionItem(s, static_cast<I>(k)), expected ? 1 : 0) << c.name << " section " << s;
            }
    }
}

// The window's enabled states. Rows: sections, double panels (lower group),
// the lower offset; expected per section "D" double panel open, "R" the
// direction, "N" Negative Offset, "-" nothing.
TEST(PanelControls, WhatAStyleAndTheSectionCountLeaveOpen)
{
    struct Case {
        int sections;
        std::array<bool, 3> doublePanels;
        bool offset;
        std::array<const char*, 3> open;
    };
    const Case cases[] = {
        {1, {false, false, false}, false, {"D", "-", "-"}},
        // A stored double panel of a section the cabinet lacks stays checked
        // but closed.
        {1, {true, true, true}, true, {"DRN", "-", "-"}},
        {2, {false, true, true}, false, {"D", "DR", "-"}},
        {3, {true, false, true}, true, {"DRN", "D", "DRN"}},
        // Unchecking the offset closes every Negative Offset of the group.
        {3, {true, true, true}, false, {"DR", "DR", "DR"}},
    };
    for (const Case& c : cases) {
        PanelStyle style = PanelStyle::FormDefaults();
        style.setPanelsOffset(L, c.offset);
        // The upper group has the same double panels, but no offset.
        for (int s = 0; s < kSections; ++s) {
            style.setControl(L, s, C::DoublePanel, c.doublePanels[static_cast<std::size_t>(s)]);
            style.setControl(U, s, C::DoublePanel, c.doublePanels[static_cast<std::size_t>(s)]);
        }
        const PanelControlsEnabled enabled = PanelControlStates(style, c.sections);
        for (int s = 0; s < kSections; ++s) {
            const std::string expected = c.open[static_cast<std::size_t>(s)];
            const auto has = [&](char mark) { return expected.find(mark) != std::string::npos; };
            const PanelSectionEnabled& lower = enabled.at(L, s);
            EXPECT_EQ(lower, (PanelSectionEnabled {has('D'), has('N'), has('R'), has('R')}))
                << c.sections << " sections, section " << s + 1;
            const PanelSectionEnabled& upper = enabled.at(U, s);
            EXPECT_EQ(upper, (PanelSectionEnabled {has('D'), false, has('R'), has('R')}))
                << c.sections << " sections, upper section " << s + 1;
        }
    }
}

TEST(PanelFile, OnlyTheFirstStyleIsReadAndWrittenAndAShortFileIsRefused)
{
    std::string file(52, '\0');
    for (std::size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<char>(i % 2 == 0 ? 1 : 0);
    const auto read = ParsePanelStyle(file);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->panelsOffset(L));
    EXPECT_FALSE(read->control(L, 0, C::DoublePanel));

    const PanelStyle other = PanelStyle::FormDefaults();
    const std::string written = SerializePanelStyle(other, file);
    ASSERT_EQ(written.size(), 52u);
    EXPECT_EQ(written.substr(26), file.substr(26));
    EXPECT_EQ(ParsePanelStyle(written)->bytes(), other.bytes());
    EXPECT_EQ(SerializePanelStyle(other, "").size(), 26u);

    const auto refused = ParsePanelStyle(std::string(10, '\1'));
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().find("10 bytes"), std::string::npos) << refused.error();
}
