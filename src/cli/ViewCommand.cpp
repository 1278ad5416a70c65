// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli view shell|side|top|face|door|drawer: a construction view's
// data box, as its window shows it when opened or after the tool bar's
// choices that --section, --opening, --drawer and --show make.
#include "CliCommand.h"
#include "CliSession.h"
#include "CliViews.h"

#include <algorithm>
#include <ostream>

namespace boxmill::cli {

namespace {

struct ViewArgs {
    ViewKind kind = ViewKind::Shell;
    ViewOptions options;
    std::optional<std::filesystem::path> cabinet;
};

int RunView(CliContext& context, const CliVerb& verb, const ViewArgs& args)
{
    if (const std::string refusal = RefuseViewOptions(args.kind, args.options); !refusal.empty())
        return verb.usageError(context, refusal);
    CliSession run(context);
    if (const int status = run.open(args.cabinet); status != kSuccess)
        return status;
    const ShownView shown = ShowView(args.kind, args.options, run.session().model(), run.session().layout());
    if (!shown.refusal.empty())
        return verb.usageError(context, shown.refusal);
    const auto& rows = shown.view.rows;
    // The grid's padding is no part of the view's data.
    const auto filled = std::find_if(rows.rbegin(), rows.rend(), [](const ViewRow& row) {
                            return !row.part.empty() || !row.width.empty() || !row.length.empty() || !row.stock.empty();
                        }).base();
    for (auto row = rows.begin(); row != filled; ++row)
        context.out << row->part << '\t' << row->width << '\t' << row->length << '\t' << row->stock << '\n';
    return kSuccess;
}

} // namespace

void DeclareView(CliVerb& view)
{
    view.misuse("view needs the view to show: shell, side, top, face, door, drawer");
    for (const ViewName& name : kViewNames) {
        if (name.kind == ViewKind::Designer)
            continue;
        const std::string word(name.word);
        CliVerb& verb = view.verb(word);
        auto args = std::make_shared<ViewArgs>();
        args->kind = name.kind;
        AddViewOptions(verb.app(), args->options);
        AddCabinetFile(verb.app(), args->cabinet);
        verb.misuse("view " + word + " takes its options and at most a cabinet file");
        verb.run([args, &verb](CliContext& context) { return RunView(context, verb, *args); });
    }
}

} // namespace boxmill::cli
