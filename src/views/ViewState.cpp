// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewState.h"
#include "ViewDrawing.h"

#include "core/CabinetModel.h"
#include "designer/FaceDrawing.h"

#include <algorithm>
#include <cmath>

namespace boxmill {

namespace {

bool HasPartition(const CabinetModel& model, int shownSection)
{
    return model.sectionItem(viewparts::SectionIndex(model, shownSection), SectionItem::Partition) != 0;
}

int FollowingSection(const CabinetModel& model, int shownSection)
{
    const int next = viewparts::SectionIndex(model, shownSection) + 2;
    return next > views::Sections(model) ? 1 : next;
}

} // namespace

FaceViewState GoToSection(const CabinetModel& model, FaceViewState state, int section)
{
    state.section = viewparts::SectionIndex(model, section) + 1;
    return state;
}

DoorViewState GoToSection(const CabinetModel& model, DoorViewState state, int section)
{
    state.section = viewparts::SectionIndex(model, section) + 1;
    if (!HasPartition(model, state.section))
        state.opening = Opening::Lower;
    return state;
}

DrawerViewState GoToSection(const CabinetModel& model, DrawerViewState state, int section)
{
    state.section = viewparts::SectionIndex(model, section) + 1;
    const int drawers = model.drawers(viewparts::SectionIndex(model, state.section));
    state.drawer = std::min(state.drawer, std::max(drawers, 1));
    return state;
}

FaceViewState NextSection(const CabinetModel& model, FaceViewState state)
{
    return GoToSection(model, state, FollowingSection(model, state.section));
}

DoorViewState NextSection(const CabinetModel& model, DoorViewState state)
{
    return GoToSection(model, state, FollowingSection(model, state.section));
}

DrawerViewState NextSection(const CabinetModel& model, DrawerViewState state)
{
    return GoToSection(model, state, FollowingSection(model, state.section));
}

DoorViewState ToggleUpperLower(const CabinetModel& model, DoorViewState state)
{
    if (state.listing == DoorListing::Section)
        return state;
    if (!HasPartition(model, state.section))
        state.opening = Opening::Lower;
    else
        state.opening = state.opening == Opening::Lower ? Opening::Upper : Opening::Lower;
    return state;
}

DoorViewState ChooseListing(DoorViewState state, DoorListing listing)
{
    state.listing = listing;
    state.opening = Opening::Lower;
    return state;
}

DrawerViewState NextDrawer(const CabinetModel& model, DrawerViewState state)
{
    const int drawers = model.drawers(viewparts::SectionIndex(model, state.section));
    state.drawer = drawers < 1 ? 1 : std::clamp(state.drawer, 1, drawers) % drawers + 1;
    return state;
}

int GrowingTableColumnWidth(const ConstructionView& view, int minGridRows)
{
    // The rows under the heading are padded to fill the grid's minimum, so
    // any beyond that are rows that need the scroll bar.
    return static_cast<int>(view.rows.size()) + 1 > minGridRows ? 54 : 58;
}

namespace viewparts {

ViewUnits::ViewUnits(const CabinetModel& model, bool fine)
    : m_model(model)
    , m_fine(fine)
    , m_scale(std::clamp(model.drawScale, 1, 2))
{
}

int ViewUnits::operator()(double inches) const
{
    if (!m_fine)
        return std::clamp<int>(ToDrawingUnits(inches, m_scale), -kDrawingUnitLimit, kDrawingUnitLimit);
    if (!std::isfinite(inches))
        return 0;
    // Whole eighths toward zero, as the designer cuts quarters.
    const double units = std::trunc(inches * 8.0) * m_scale;
    return static_cast<int>(
        std::clamp(units, -static_cast<double>(kDrawingUnitLimit), static_cast<double>(kDrawingUnitLimit)));
}

int ViewUnits::P(int param) const
{
    return (*this)(m_model.paramValue.at(static_cast<std::size_t>(param)));
}

int ViewUnits::T(int partRow) const
{
    return (*this)(m_model.partStock.at(static_cast<std::size_t>(partRow)));
}

int SectionIndex(const CabinetModel& model, int shownSection)
{
    return std::clamp(shownSection, 1, views::Sections(model)) - 1;
}

RowFiller::RowFiller(const CabinetModel& model, const LayoutResult& layout)
    : m_context {model, layout, m_scratch}
{
}

void RowFiller::add(const char* part, const PartSize& size)
{
    if (!size.lengthText.empty())
        m_rows.push_back({part, size.widthText, size.lengthText, size.stockText});
}

void RowFiller::add(const char* part, const std::optional<PartSize>& size)
{
    if (size)
        add(part, *size);
}

std::vector<ViewRow> RowFiller::take(int minGridRows)
{
    std::vector<ViewRow> rows = std::move(m_rows);
    m_rows.clear();
    const auto atLeast = static_cast<std::size_t>(std::max(minGridRows - 1, 0));
    if (rows.size() < atLeast)
        rows.resize(atLeast);
    return rows;
}

Shape MakeShape(const char* name, const char* hint, int parameter)
{
    Shape shape;
    shape.name = name;
    shape.hint = hint;
    shape.parameter = parameter;
    return shape;
}

void Place(Shape& shape, int left, int top, int width, int height)
{
    shape.left = left;
    shape.top = top;
    shape.width = width;
    shape.height = height;
}

} // namespace viewparts

} // namespace boxmill
