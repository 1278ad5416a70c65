// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliCommand.h"

#include "views/ConstructionView.h"

#include <optional>
#include <string>
#include <string_view>

namespace boxmill {
class CabinetModel;
struct LayoutResult;
} // namespace boxmill

namespace boxmill::cli {

// The drawings the command line can show: the designer's face and the
// construction views. Only the construction views have a data box.
enum class ViewKind { Designer, Shell, Side, Top, Face, Door, Drawer };

struct ViewName {
    std::string_view word; // as the command line names it
    ViewKind kind;
};
inline constexpr std::array<ViewName, 7> kViewNames = {{
    {"designer", ViewKind::Designer},
    {"shell", ViewKind::Shell},
    {"side", ViewKind::Side},
    {"top", ViewKind::Top},
    {"face", ViewKind::Face},
    {"door", ViewKind::Door},
    {"drawer", ViewKind::Drawer},
}};

// The words of --section, --opening, --drawer and --show as given. They are
// read only once the view is known, so that the message can say which of
// them the view has no use for.
struct ViewOptions {
    std::optional<std::string> section;
    std::optional<std::string> opening;
    std::optional<std::string> drawer;
    std::optional<std::string> show;
};

void AddViewOptions(CLI::App& app, ViewOptions& options);

// Why the options cannot be read for this view, without the cabinet:
// an option the view does not take, or a word that is none of its values.
// Empty when they can.
std::string RefuseViewOptions(ViewKind kind, const ViewOptions& options);

// The view as its window first shows it, changed by the options. `refusal`
// is set instead when the options name what the cabinet does not have (a
// section or drawer beyond its own, an upper opening without a partition).
struct ShownView {
    ConstructionView view;
    std::string refusal;
};
ShownView ShowView(ViewKind kind, const ViewOptions& options, const CabinetModel& model, const LayoutResult& layout);

} // namespace boxmill::cli
