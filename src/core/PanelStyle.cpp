// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelStyle.h"

#include "CabinetRecord.h"
#include "ParameterIndex.h"

namespace boxmill {

namespace {

struct SectionCopy {
    SectionItem offset;
    SectionItem doublePanel;
    SectionItem negative;
    SectionItem horizontal;
};

SectionCopy CopyItems(Opening group)
{
    if (group == Opening::Upper)
        return {SectionItem::UpperPanelsOffset, SectionItem::DoublePanelP, SectionItem::NegativeOffsetP,
                SectionItem::HorizontalP};
    return {SectionItem::LowerPanelsOffset, SectionItem::DoublePanel, SectionItem::NegativeOffset,
            SectionItem::Horizontal};
}

} // namespace

PanelStyle PanelStyle::FormDefaults()
{
    PanelStyle style;
    for (const Opening group : {Opening::Lower, Opening::Upper})
        for (int s = 0; s < kSections; ++s)
            style.setControl(group, s, PanelControl::Horizontal, true);
    return style;
}

void PanelStyle::setControl(Opening group, int s, PanelControl control, bool on)
{
    setByte(controlByte(group, s, control), on);
    if (control == PanelControl::Horizontal)
        setByte(controlByte(group, s, PanelControl::Vertical), !on);
    else if (control == PanelControl::Vertical)
        setByte(controlByte(group, s, PanelControl::Horizontal), !on);
}

OpeningPanelStyle SectionPanelStyle(const CabinetRecord& record, int s, Opening opening)
{
    const SectionCopy items = CopyItems(opening);
    const auto item = [&](SectionItem which) { return record.sectionItem(s, which) != 0; };
    return {item(items.doublePanel), item(items.horizontal), item(items.offset), item(items.negative),
            opening == Opening::Upper ? Param::UpperPanelOffset : Param::LowerPanelOffset};
}

PanelStyle LoadPanelStyle(const CabinetRecord& record)
{
    PanelStyle::Bytes bytes {};
    for (int i = 0; i < kPanelStyleSize; ++i)
        bytes[static_cast<std::size_t>(i)] = record.byte(RecordOffset::RaisedPanel + i);
    return PanelStyle(bytes);
}

void StorePanelStyle(const PanelStyle& style, CabinetRecord& record)
{
    for (int i = 0; i < kPanelStyleSize; ++i)
        record.setByte(RecordOffset::RaisedPanel + i, style.bytes()[static_cast<std::size_t>(i)]);
}

void CopyPanelStyleToSections(const PanelStyle& style, CabinetRecord& record)
{
    // The bytes go over as they are, so a section's copy says exactly what
    // the style does, whatever value a file gave a flag.
    const auto byte = [&](int index) { return style.bytes()[static_cast<std::size_t>(index)]; };
    for (int s = 0; s < kSections; ++s) {
        for (const Opening group : {Opening::Lower, Opening::Upper}) {
            const SectionCopy items = CopyItems(group);
            record.setSectionItem(s, items.offset, byte(PanelStyle::offsetByte(group)));
            record.setSectionItem(s, items.doublePanel,
                                  byte(PanelStyle::controlByte(group, s, PanelControl::DoublePanel)));
            record.setSectionItem(s, items.negative,
                                  byte(PanelStyle::controlByte(group, s, PanelControl::NegativeOffset)));
            record.setSectionItem(s, items.horizontal,
                                  byte(PanelStyle::controlByte(group, s, PanelControl::Horizontal)));
        }
    }
}

} // namespace boxmill
