// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli layout: the main window's sectional dimensions grid.
#include "CliCommand.h"
#include "CliSession.h"

#include <array>
#include <ostream>

namespace boxmill::cli {

namespace {

int RunLayout(CliContext& context, const std::optional<std::filesystem::path>& file)
{
    CliSession run(context);
    if (const int status = run.open(file); status != kSuccess)
        return status;
    const LayoutResult& layout = run.session().layout();
    for (std::size_t row = 0; row < kLayoutRowTitles.size(); ++row) {
        context.out << kLayoutRowTitles[row];
        for (const auto& cell : layout.grid[row])
            context.out << '\t' << cell;
        context.out << '\n';
    }
    return kSuccess;
}

} // namespace

void DeclareLayout(CliVerb& layout)
{
    auto file = std::make_shared<std::optional<std::filesystem::path>>();
    AddCabinetFile(layout.app(), *file);
    layout.misuse("layout takes at most a cabinet file");
    layout.run([file](CliContext& context) { return RunLayout(context, *file); });
}

} // namespace boxmill::cli
