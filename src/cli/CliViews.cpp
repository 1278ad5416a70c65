// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliViews.h"

#include "core/CabinetModel.h"
#include "core/Constants.h"
#include "core/MessageText.h"
#include "core/NumberText.h"
#include "designer/FaceDrawing.h"
#include "designer/FrontDimensions.h"
#include "views/DoorView.h"
#include "views/DrawerView.h"
#include "views/FaceView.h"
#include "views/ShellView.h"
#include "views/SideView.h"
#include "views/TopView.h"

#include <algorithm>

namespace boxmill::cli {

namespace {

// What each drawing lets its window choose. A view that lists parts in two
// ways names the first one its window starts with.
struct ViewUse {
    const char* title; // for messages: "--drawer does not apply to <title>"
    bool section = false;
    bool opening = false;
    bool drawer = false;
    std::array<const char*, 2> show = {nullptr, nullptr};
};

ViewUse UseOf(ViewKind kind)
{
    switch (kind) {
    case ViewKind::Designer: return {"the designer's drawing"};
    case ViewKind::Shell: return {"the shell view", true};
    case ViewKind::Side: return {"the side view"};
    case ViewKind::Top: return {"the top view"};
    case ViewKind::Face: return {"the face view", true, false, false, {"section", "complete"}};
    case ViewKind::Door: return {"the door view", true, true, false, {"selected", "section"}};
    case ViewKind::Drawer: return {"the drawer view", true, false, true, {"selected", "section"}};
    }
    return {""};
}

std::optional<int> NumberFrom(const std::optional<std::string>& word, int most)
{
    if (!word)
        return 1;
    const auto number = ParseInteger(*word);
    if (!number || *number < 1 || *number > most)
        return std::nullopt;
    return static_cast<int>(*number);
}

// The first listing (the window's default) is false, the second true.
bool SecondListing(ViewKind kind, const ViewOptions& options)
{
    return options.show && *options.show == UseOf(kind).show[1];
}

std::string Counted(int count, const char* what)
{
    return (count == 0 ? std::string("no") : std::to_string(count)) + ' ' + what + (count == 1 ? "" : "s");
}

} // namespace

void AddViewOptions(CLI::App& app, ViewOptions& options)
{
    const auto add = [&app](const std::string& name, std::optional<std::string>& target) {
        app.add_option_function<std::string>(name, [&target](const std::string& word) { target = word; });
    };
    add("--section", options.section);
    add("--opening", options.opening);
    add("--drawer", options.drawer);
    add("--show", options.show);
}

std::string RefuseViewOptions(ViewKind kind, const ViewOptions& options)
{
    const ViewUse use = UseOf(kind);
    const std::pair<const char*, bool> given[] = {
        {"--section", options.section && !use.section},
        {"--opening", options.opening && !use.opening},
        {"--drawer", options.drawer && !use.drawer},
        {"--show", options.show && use.show[0] == nullptr},
    };
    for (const auto& [name, misplaced] : given)
        if (misplaced)
            return std::string(name) + " does not apply to " + use.title;

    if (!NumberFrom(options.section, kSections))
        return "--section: expected a section from 1 to " + std::to_string(kSections) + ", not " +
               QuoteTypedText(*options.section);
    if (options.opening && *options.opening != "lower" && *options.opening != "upper")
        return "--opening: expected lower or upper, not " + QuoteTypedText(*options.opening);
    if (!NumberFrom(options.drawer, kMaxDrawers))
        return "--drawer: expected a drawer from 1 to " + std::to_string(kMaxDrawers) + ", not " +
               QuoteTypedText(*options.drawer);
    if (options.show && *options.show != use.show[0] && *options.show != use.show[1])
        return std::string("--show: expected ") + use.show[0] + " or " + use.show[1] + ", not " +
               QuoteTypedText(*options.show);
    // The window goes back to the lower opening when both are listed.
    if (kind == ViewKind::Door && options.opening == "upper" && SecondListing(kind, options))
        return "--opening upper does not apply with --show section, which lists both openings";
    return {};
}

ShownView ShowView(ViewKind kind, const ViewOptions& options, const CabinetModel& model, const LayoutResult& layout)
{
    // The views would hold a number beyond the cabinet to its last section
    // or show an empty drawer; a script asking for one has made a mistake.
    const int sections = std::clamp(model.sectionCount, 1, kSections);
    const int section = NumberFrom(options.section, kSections).value_or(1);
    if (section > sections)
        return {{}, "--section " + std::to_string(section) + ": the cabinet has " + Counted(sections, "section")};
    const int s = section - 1;

    ShownView shown;
    switch (kind) {
    case ViewKind::Designer:
        shown.view.shapes = DrawCabinetFace(model, layout);
        // Its table is the front dimensions of the section it opens on.
        for (const FrontDimensionRow& row : FillFrontDimensions(model, layout, 1))
            shown.view.rows.push_back({row.part, row.width, row.length, row.stock});
        break;
    // A window not yet shown has no size of its own: the views choose it.
    case ViewKind::Shell: shown.view = DrawShellView(model, layout, section, 0); break;
    case ViewKind::Side: shown.view = DrawSideView(model, layout); break;
    case ViewKind::Top: shown.view = DrawTopView(model, layout, 0, 0); break;
    case ViewKind::Face: {
        const FaceViewState state {section,
                                   SecondListing(kind, options) ? FaceListing::Complete : FaceListing::Section};
        shown.view = FaceFrameView(model, layout, state, 0);
        break;
    }
    case ViewKind::Door: {
        const Opening opening = options.opening == "upper" ? Opening::Upper : Opening::Lower;
        if (opening == Opening::Upper && model.sectionItem(s, SectionItem::Partition) == 0)
            return {{}, "--opening upper: section " + std::to_string(section) + " has no partition"};
        const DoorViewState state {section, opening,
                                   SecondListing(kind, options) ? DoorListing::Section : DoorListing::Selected};
        shown.view = DoorView(model, layout, state, 0, 0);
        break;
    }
    case ViewKind::Drawer: {
        const int drawer = NumberFrom(options.drawer, kMaxDrawers).value_or(1);
        // Drawer 1 of a section without drawers is what the window opens on.
        if (const int drawers = model.drawers(s); drawer > std::max(drawers, 1))
            return {{},
                    "--drawer " + std::to_string(drawer) + ": section " + std::to_string(section) + " has " +
                        Counted(drawers, "drawer")};
        const DrawerViewState state {section, drawer,
                                     SecondListing(kind, options) ? DrawerListing::Section : DrawerListing::Selected};
        shown.view = DrawerView(model, layout, state, 0, 0);
        break;
    }
    }
    return shown;
}

} // namespace boxmill::cli
