// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli draw designer --svg FILE [FILE.cab]: the cabinet designer's
// face drawing as SVG, from the same shapes the window paints.
#include "CliCommand.h"
#include "CliSession.h"

#include "core/FileIo.h"
#include "designer/FaceDrawing.h"
#include "designer/FaceDrawingSvg.h"

#include <ostream>

namespace boxmill::cli {

namespace {

struct DesignerArgs {
    std::filesystem::path svg;
    std::optional<std::filesystem::path> cabinet;
};

int DrawDesigner(CliContext& context, const DesignerArgs& args)
{
    CliSession run(context);
    if (const int status = run.open(args.cabinet); status != kSuccess)
        return status;
    auto& session = run.session();
    const ShapeSet shapes = DrawCabinetFace(session.model, session.layout);
    if (const auto written = WriteFileAtomic(args.svg, FaceDrawingSvg(shapes)); !written) {
        context.err << "error: " << written.error() << '\n';
        return kFileError;
    }
    return kSuccess;
}

} // namespace

void DeclareDraw(CliVerb& draw)
{
    draw.misuse("draw needs the drawing to make: designer");

    CliVerb& designer = draw.verb("designer");
    auto args = std::make_shared<DesignerArgs>();
    AddFileOption(designer.app(), "--svg", args->svg)->required();
    AddCabinetFile(designer.app(), args->cabinet);
    designer.misuse("draw designer takes --svg FILE and at most a cabinet file", "draw designer needs --svg FILE");
    designer.run([args](CliContext& context) { return DrawDesigner(context, *args); });
}

} // namespace boxmill::cli
