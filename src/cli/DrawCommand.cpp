// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli draw designer|shell|side|top|face|door|drawer --svg FILE
// --pdf FILE [FILE.cab]: the cabinet designer's face drawing or a
// construction view's drawing as SVG, or as the PDF shop drawing the
// windows export, from the same shapes the window paints.
#include "CliCommand.h"
#include "CliSession.h"
#include "CliViews.h"

#include "core/FileIo.h"
#include "designer/FaceDrawingSvg.h"
#ifdef BOXMILL_CLI_PDF
#include "OffscreenGui.h"
#include "paint/ShopDrawing.h"
#endif

#include <ostream>

namespace boxmill::cli {

namespace {

struct DrawArgs {
    ViewKind kind = ViewKind::Designer;
    ViewOptions options;
    std::filesystem::path svg;
    std::filesystem::path pdf;
    std::optional<std::filesystem::path> cabinet;
};

#ifdef BOXMILL_CLI_PDF
// The captions of the windows, which name the drawing in its title block.
constexpr std::array<const char*, kViewNames.size()> kViewTitles = {
    "Cabinet Designer",        "Front/Shell Construction View", "Side Construction View",  "Top Construction View",
    "Face Frame Construction", "Door Construction View",        "Drawer Construction View"};

QByteArray ShopDrawingOf(ViewKind kind, const ConstructionView& view, const CabinetModel& model)
{
    // A side view looks along the cabinet's width and a top view down its
    // height: the lengths are named as the view shows them.
    const char* across = kind == ViewKind::Side ? "Depth" : "Width";
    const char* down = kind == ViewKind::Top ? "Depth" : "Height";
    ShopDrawingContent content = MakeShopDrawing(view.shapes, view.unitsPerInch, model,
                                                 kViewTitles[static_cast<std::size_t>(kind)], across, down);
    for (const auto& row : view.rows)
        content.rows.push_back({row.part, row.width, row.length, row.stock});
    const auto gui = StartOffscreenGui();
    return ShopDrawingPdf(content, LocalePageSize());
}

#endif

bool Write(CliContext& context, const std::filesystem::path& path, std::string_view bytes)
{
    if (const auto written = WriteFileAtomic(path, bytes); !written) {
        context.err << "error: " << written.error() << '\n';
        return false;
    }
    return true;
}

int RunDraw(CliContext& context, const CliVerb& verb, const DrawArgs& args)
{
    if (const std::string refusal = RefuseViewOptions(args.kind, args.options); !refusal.empty())
        return verb.usageError(context, refusal);
    if (args.svg.empty() && args.pdf.empty())
        return verb.usageError(context, "draw " + std::string(kViewNames[static_cast<std::size_t>(args.kind)].word) +
                                            " needs --svg FILE or --pdf FILE");
    CliSession run(context);
    if (const int status = run.open(args.cabinet); status != kSuccess)
        return status;
    auto& session = run.session();
    const ShownView shown = ShowView(args.kind, args.options, session.model(), session.layout());
    if (!shown.refusal.empty())
        return verb.usageError(context, shown.refusal);
    if (!args.svg.empty() && !Write(context, args.svg, ShapeSetSvg(shown.view.shapes)))
        return kFileError;
    if (!args.pdf.empty()) {
#ifdef BOXMILL_CLI_PDF
        const QByteArray pdf = ShopDrawingOf(args.kind, shown.view, session.model());
        if (!Write(context, args.pdf, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size()))))
            return kFileError;
#else
        return verb.usageError(context, "this boxmill-cli was built without the windows, which paint PDF");
#endif
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
        AddFileOption(verb.app(), "--svg", args->svg);
        AddFileOption(verb.app(), "--pdf", args->pdf);
        AddCabinetFile(verb.app(), args->cabinet);
        const std::string takes =
            name.kind == ViewKind::Designer ? " takes --svg FILE" : " takes its options, --svg FILE";
        verb.misuse("draw " + word + takes + " and at most a cabinet file");
        verb.run([args, &verb](CliContext& context) { return RunDraw(context, verb, *args); });
    }
}

} // namespace boxmill::cli
