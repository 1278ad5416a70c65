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

int RunDraw(CliContext& context, std::span<const std::string> args)
{
    if (args.empty() || args[0] != "designer")
        return UsageError(context, "draw", "draw needs the drawing to make: designer");
    std::optional<std::filesystem::path> svg;
    std::optional<std::filesystem::path> cabinet;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--svg" && i + 1 < args.size() && !svg)
            svg = args[++i];
        else if (!cabinet && !args[i].starts_with("--"))
            cabinet = args[i];
        else
            return UsageError(context, "draw", "draw designer takes --svg FILE and at most a cabinet file");
    }
    if (!svg)
        return UsageError(context, "draw", "draw designer needs --svg FILE");

    CliSession run(context);
    if (const int status = run.open(cabinet); status != kSuccess)
        return status;
    auto& session = run.session();
    const ShapeSet shapes = DrawCabinetFace(session.model, session.layout);
    if (const auto written = WriteFileAtomic(*svg, FaceDrawingSvg(shapes)); !written) {
        context.err << "error: " << written.error() << '\n';
        return kFileError;
    }
    return kSuccess;
}

} // namespace boxmill::cli
