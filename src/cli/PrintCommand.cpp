// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli print cutlist|cabinet|face|drawers|doors|views|cutlist-views|
// door-drawer|door|drawer --pdf FILE [--zoom Z] [--gap G] [FILE.cab]: the
// pages the window's print command would print, as a PDF document.
#include "CliCommand.h"
#include "CliSession.h"

#include "core/FileIo.h"
#include "core/MessageText.h"
#include "cutlist/StockSizeCheck.h"
#include "print/PrintDocuments.h"
#include "print/PrintSettings.h"
#include "session/CutListCommands.h"
#ifdef BOXMILL_CLI_PDF
#include "OffscreenGui.h"
#include "paint/ListingFont.h"
#include "paint/PrintPainting.h"
#include "paint/ShopDrawing.h"
#endif

#include <ostream>

namespace boxmill::cli {

namespace {

enum class PrintKind { Cutlist, Cabinet, Face, Drawers, Doors, Views, CutlistViews, DoorDrawer, Door, Drawer };

constexpr std::array<std::pair<std::string_view, PrintKind>, 10> kPrintKinds = {{
    {"cutlist", PrintKind::Cutlist},
    {"cabinet", PrintKind::Cabinet},
    {"face", PrintKind::Face},
    {"drawers", PrintKind::Drawers},
    {"doors", PrintKind::Doors},
    {"views", PrintKind::Views},
    {"cutlist-views", PrintKind::CutlistViews},
    {"door-drawer", PrintKind::DoorDrawer},
    {"door", PrintKind::Door},
    {"drawer", PrintKind::Drawer},
}};

struct PrintArgs {
    PrintKind kind = PrintKind::Cutlist;
    std::filesystem::path pdf;
    std::optional<std::string> zoom;
    std::optional<std::string> gap;
    std::optional<std::filesystem::path> cabinet;
};

#ifdef BOXMILL_CLI_PDF
// The cut list a kind prints, if it prints one.
std::optional<ListingBuild> ListingOf(PrintKind kind)
{
    switch (kind) {
    case PrintKind::Cutlist:
    case PrintKind::CutlistViews: return ListingBuild::All;
    case PrintKind::Cabinet: return ListingBuild::Cabinet;
    case PrintKind::Face: return ListingBuild::Face;
    case PrintKind::Drawers: return ListingBuild::Drawers;
    case PrintKind::Doors: return ListingBuild::Doors;
    default: return std::nullopt;
    }
}

// The options given on the command line over those of Printopt.dat, which
// is read only when one of them is left to it.
std::optional<PrintSettings> Settings(CliContext& context, std::optional<int> zoom, std::optional<int> gap,
                                      const std::filesystem::path& programFolder)
{
    PrintSettings settings;
    if (!zoom || !gap) {
        const auto saved = ReadPrintOptions(programFolder);
        if (!saved) {
            context.err << "error: " << saved.error() << '\n';
            return std::nullopt;
        }
        settings = *saved;
    }
    settings.zoomIndex = zoom.value_or(settings.zoomIndex);
    settings.gapIndex = gap.value_or(settings.gapIndex);
    return settings;
}

int RunPrint(CliContext& context, const CliVerb& verb, const PrintArgs& args)
{
    const auto zoom = args.zoom ? ZoomIndexOf(*args.zoom) : std::nullopt;
    if (args.zoom && !zoom)
        return verb.usageError(context, "--zoom: expected one of 1.0, 1.5 ... 5.0, not " + QuoteTypedText(*args.zoom));
    const auto gap = args.gap ? GapIndexOf(*args.gap) : std::nullopt;
    if (args.gap && !gap)
        return verb.usageError(context,
                               "--gap: expected one of 10, 15, 20, 25, 30, 40, 50, not " + QuoteTypedText(*args.gap));
    CliSession run(context);
    if (const int status = run.open(args.cabinet); status != kSuccess)
        return status;
    CabinetSession& session = run.session();
    const auto settings = Settings(context, zoom, gap, session.model().folders.programFolder);
    if (!settings)
        return kFileError;

    std::vector<std::string> listing;
    if (const auto build = ListingOf(args.kind)) {
        // Door frame members of unequal stock cannot be machined together:
        // the window prints no list of them, and neither does this.
        const auto checked = CheckStockSizes(session.model());
        Tell(session.prompter(), checked.messages);
        if (!checked.value)
            return kFileError;
        if (!RunListingBuild(session, *build, HeaderDate()))
            return kFileError;
        listing = session.cutList().listing->lines;
    }
    const PrintCabinet cabinet = AtPrintScale(session.model(), session.layout());
    const CabinetModel& model = cabinet.model;
    const LayoutResult& layout = cabinet.layout;
    const PrintKind kind = args.kind;
    const ComposeJob compose = [&](PageComposer& pages) {
        pages.lines(listing);
        if (kind == PrintKind::Views || kind == PrintKind::CutlistViews)
            ComposeConstructionViews(pages, model, layout, 1);
        if (kind == PrintKind::DoorDrawer || kind == PrintKind::Door)
            ComposeDoorView(pages, model, layout, kind == PrintKind::Door ? DoorViewState {} : FirstDoorOpening(model));
        if (kind == PrintKind::DoorDrawer || kind == PrintKind::Drawer)
            ComposeDrawerView(pages, model, layout,
                              kind == PrintKind::Drawer ? DrawerViewState {} : FirstDrawer(model));
    };
    const auto gui = StartOffscreenGui();
    const QByteArray pdf = PrintJobPdf(ListingFont(), *settings, model.folders.cabinetName, compose, LocalePageSize());
    if (pdf.isEmpty()) {
        context.err << "error: the pages could not be painted\n";
        return kFileError;
    }
    if (const auto written =
            WriteFileAtomic(args.pdf, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
        !written) {
        context.err << "error: " << written.error() << '\n';
        return kFileError;
    }
    return kSuccess;
}
#else
int RunPrint(CliContext& context, const CliVerb& verb, const PrintArgs&)
{
    return verb.usageError(context, "this boxmill-cli was built without the windows, which paint PDF");
}
#endif

} // namespace

void DeclarePrint(CliVerb& print)
{
    auto args = std::make_shared<PrintArgs>();
    AddChoice(print.app(), "WHAT", args->kind, kPrintKinds);
    AddFileOption(print.app(), "--pdf", args->pdf)->required();
    print.app().add_option_function<std::string>("--zoom", [args](const std::string& word) { args->zoom = word; });
    print.app().add_option_function<std::string>("--gap", [args](const std::string& word) { args->gap = word; });
    AddCabinetFile(print.app(), args->cabinet);
    print.misuse("print needs one of cutlist, cabinet, face, drawers, doors, views, cutlist-views, door-drawer, "
                 "door, drawer, then --pdf FILE",
                 "print needs --pdf FILE");
    print.run([args, &print](CliContext& context) { return RunPrint(context, print, *args); });
}

} // namespace boxmill::cli
