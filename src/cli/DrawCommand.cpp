// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli draw designer|shell|side|top|face|door|drawer --svg FILE
// [FILE.cab]: the cabinet designer's face drawing or a construction view's
// drawing as SVG, from the same shapes the window paints.
#include "CliCommand.h"
#include "CliSession.h"
#include "CliViews.h"

#include "core/FileIo.h"
#include "designer/FaceDrawingSvg.h"

#include <ostream>

namespace boxmill::cli {

namespace {

struct DrawArgs {
    ViewKind kind = ViewKind::Designer;
    ViewOptions options;
    std::filesystem::path svg;
    std::optional<std::filesystem::path> cabinet;
};

int RunDraw(CliContext& context, const CliVerb& verb, const DrawArgs& args)
{
    if (const std::string refusal = RefuseViewOptions(args.kind, args.options); !refusal.empty())
        return verb.usageError(context, refusal);
    CliSession run(context);
    if (const int status = run.open(args.cabinet); status != kSuccess)
        return status;
    auto& session = run.session();
    const ShownView shown = ShowView(args.kind, args.options, session.model, session.layout);
    if (!shown.refusal.empty())
        return verb.usageError(context, shown.refusal);
    if (const auto written = WriteFileAtomic(args.svg, ShapeSetSvg(shown.view.shapes)); !written) {
        context.err << "error: " << written.error() << '\n';
        return kFileError;
    }
    return kSuccess;
}

} // namespace

void DeclareDraw(CliVerb& draw)
{
    draw.misuse("draw needs the drawing to make: designer, shell, side, top, face, door, drawer");

    for (const ViewName& name : kViewNames) {
        const std::string word(name.word);
        CliVerb& verb = draw.verb(word);
        auto args = std::make_shared<DrawArgs>();
        args->kind = name.kind;
        AddViewOptions(verb.app(), args->options);
        AddFileOption(verb.app(), "--svg", args->svg)->required();
        AddCabinetFile(verb.app(), args->cabinet);
        const std::string takes =
            name.kind == ViewKind::Designer ? " takes --svg FILE" : " takes its options, --svg FILE";
        verb.misuse("draw " + word + takes + " and at most a cabinet file", "draw " + word + " needs --svg FILE");
        verb.run([args, &verb](CliContext& context) { return RunDraw(context, verb, *args); });
    }
}

} // namespace boxmill::cli
