// SPDX-License-Identifier: GPL-3.0-or-later
// boxmill-cli sheets: how many sheets and boards the complete cut list of a
// cabinet or a job takes, and how to cut each sheet.
#include "CliCommand.h"
#include "CliJobs.h"

#include "core/FileIo.h"
#include "core/MessageText.h"
#include "core/NumberText.h"
#include "jobs/CuttingDiagram.h"
#include "jobs/CuttingDiagramSvg.h"
#include "jobs/CuttingPlan.h"
#include "jobs/SheetsJson.h"
#ifdef BOXMILL_CLI_PDF
#include "OffscreenGui.h"
#include "paint/CuttingDiagramPages.h"
#include "paint/ShopDrawing.h"
#endif

#include <cmath>
#include <ostream>

namespace boxmill::cli {

namespace {

struct SheetsArgs {
    std::optional<std::string> kerf;
    std::optional<std::string> trim;
    std::optional<std::filesystem::path> stock;
    std::optional<std::filesystem::path> file;
    std::filesystem::path json;
    std::filesystem::path svg;
    std::filesystem::path pdf;
};

void PrintSheets(std::ostream& out, const WoodGroupPlan& plan, UnitMode units, bool fromJob)
{
    const auto len = [units](double inches) { return DiagramLength(inches, units); };
    const SheetPlan& sheets = *plan.sheets;
    double partArea = 0.0;
    int cuts = 0;
    double cutLength = 0.0;
    for (const auto& sheet : sheets.sheets) {
        partArea += sheet.yield;
        cuts += static_cast<int>(sheet.cuts.size());
        cutLength += sheet.cutLength;
    }
    const double yield = sheets.sheets.empty() ? 0.0 : partArea / static_cast<double>(sheets.sheets.size());
    out << "  Sheets: " << sheets.sheets.size() << " of " << len(plan.stock->length) << " x " << len(plan.stock->width)
        << ", lower bound " << sheets.lowerBound << " (from the sizes " << sheets.sizeBound << "), yield "
        << PercentText(yield) << ", " << CountText(static_cast<std::size_t>(cuts), "cut") << " of " << len(cutLength)
        << " in total, cost " << FormatMoney(plan.cost)
        << (plan.areaCost ? " (by area " + FormatMoney(*plan.areaCost) + ")" : std::string()) << '\n';
    for (std::size_t s = 0; s < sheets.sheets.size(); ++s) {
        const SheetLayout& sheet = sheets.sheets[s];
        out << "  Sheet " << s + 1 << ": yield " << PercentText(sheet.yield) << ", "
            << CountText(sheet.cuts.size(), "cut") << " of " << len(sheet.cutLength) << " in\n";
        for (const auto& part : sheet.parts) {
            out << "    " << ShownPartName(part.name, fromJob) << '\t' << len(part.length) << " x " << len(part.width)
                << " at " << len(part.x) << ", " << len(part.y) << (part.rotated ? " turned" : "") << '\n';
        }
        for (const auto& cut : sheet.cuts) {
            const bool along = cut.y0 == cut.y1;
            out << "    " << cut.step << ". " << CutKindName(cut.kind) << " at " << (along ? "y " : "x ")
                << len(along ? cut.y0 : cut.x0) << ", " << len(cut.length()) << " long\n";
        }
        for (const auto& offcut : sheet.offcuts) {
            out << "    Offcut " << len(offcut.length) << " x " << len(offcut.width) << " at " << len(offcut.x) << ", "
                << len(offcut.y) << '\n';
        }
    }
    for (const auto& part : sheets.unplaced)
        out << "  Not cut: " << part.quantity << ' ' << ShownPartName(part.name, fromJob) << ", " << part.reason
            << '\n';
}

void PrintLumber(std::ostream& out, const WoodGroupPlan& plan, UnitMode units, bool fromJob)
{
    const LumberPlan& lumber = *plan.lumber;
    out << "  Board feet: " << FormatTwoDecimals(lumber.boardFeet) << " with "
        << FormatDecimal(plan.stock->wastePercent) << " % waste; boards: " << lumber.boards.size() << " of "
        << DiagramLength(plan.stock->length, units) << '\n';
    for (const auto& part : lumber.unplaced)
        out << "  Not cut: " << part.quantity << ' ' << ShownPartName(part.name, fromJob) << ", " << part.reason
            << '\n';
}

std::optional<double> Length(const std::optional<std::string>& word, double otherwise)
{
    if (!word)
        return otherwise;
    const auto value = ParseDecimal(*word);
    if (!value || !std::isfinite(*value) || *value < 0.0 || *value > 12.0)
        return std::nullopt;
    return value;
}

bool Write(CliContext& context, const std::filesystem::path& path, std::string_view bytes)
{
    if (const auto written = WriteFileAtomic(path, bytes); !written) {
        context.err << "error: " << written.error() << '\n';
        return false;
    }
    return true;
}

int WriteDiagrams(CliContext& context, const SheetsArgs& args, const CuttingPlan& planned, const CutSettings& settings,
                  [[maybe_unused]] const CliCabinets& loaded)
{
    if (!args.json.empty() && !Write(context, args.json, SheetsJson(planned.plans, settings)))
        return kFileError;
    const auto& diagrams = planned.diagrams;
    if (!args.svg.empty() && !Write(context, args.svg, CuttingDiagramsSvg(diagrams)))
        return kFileError;
#ifdef BOXMILL_CLI_PDF
    if (!args.pdf.empty()) {
        const auto gui = StartOffscreenGui();
        const QByteArray pdf = CuttingDiagramsPdf(diagrams, LocalePageSize(), loaded.title + " - Cutting Diagrams");
        if (!Write(context, args.pdf, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size()))))
            return kFileError;
    }
#endif
    return kSuccess;
}

int RunSheets(CliContext& context, const CliVerb& verb, const SheetsArgs& args)
{
    CutSettings settings;
    const auto kerf = Length(args.kerf, settings.kerf);
    const auto trim = Length(args.trim, settings.trim);
    if (!kerf)
        return verb.usageError(context, "--kerf: expected inches from 0 to 12, not " + QuoteFileText(*args.kerf));
    if (!trim)
        return verb.usageError(context, "--trim: expected inches from 0 to 12, not " + QuoteFileText(*args.trim));
    settings.kerf = *kerf;
    settings.trim = *trim;

#ifndef BOXMILL_CLI_PDF
    if (!args.pdf.empty())
        return verb.usageError(context, "this boxmill-cli was built without the windows, which paint PDF");
#endif

    CliSession run(context);
    CliCabinets loaded;
    if (const int status = LoadCliCabinets(context, run, args.file, loaded); status != kSuccess)
        return status;
    CabinetSession& session = run.session();
    const auto stockPath = args.stock.value_or(session.model().folders.programFolder / kStockFileName);
    const auto stock = ReadStockFile(stockPath);
    if (!stock) {
        run.prompter().message(MessageKind::Error, stock.error());
        return kFileError;
    }
    for (const auto& problem : stock->problems)
        run.prompter().message(MessageKind::Warning, problem);

    const UnitMode units = session.model().units;
    CuttingPlanSettings planSettings;
    planSettings.cut = settings;
    planSettings.withCabinet = loaded.fromJob;
    const CuttingPlan planned = PlanCuttingDiagrams(loaded.cabinets, *stock, units, planSettings);
    for (const auto& plan : planned.plans) {
        context.out << plan.group.wood << ' ' << plan.group.stockText << '\n';
        if (plan.sheets) {
            PrintSheets(context.out, plan, units, loaded.fromJob);
        } else if (plan.lumber) {
            PrintLumber(context.out, plan, units, loaded.fromJob);
        } else {
            context.out << "  No stock entry in " << stockPath.filename().string() << ":";
            const char* separator = " ";
            for (const auto& part : plan.group.parts) {
                context.out << separator << part.quantity << ' ' << ShownPartName(part.name, loaded.fromJob);
                separator = ", ";
            }
            context.out << '\n';
        }
    }
    return WriteDiagrams(context, args, planned, settings, loaded);
}
} // namespace

void DeclareSheets(CliVerb& sheets)
{
    auto args = std::make_shared<SheetsArgs>();
    sheets.app().add_option_function<std::string>("--kerf", [args](const std::string& word) { args->kerf = word; });
    sheets.app().add_option_function<std::string>("--trim", [args](const std::string& word) { args->trim = word; });
    sheets.app().add_option_function<std::string>("--stock", [args](const std::string& word) { args->stock = word; });
    AddFileOption(sheets.app(), "--json", args->json);
    AddFileOption(sheets.app(), "--svg", args->svg);
    AddFileOption(sheets.app(), "--pdf", args->pdf);
    AddCabinetFile(sheets.app(), args->file);
    sheets.misuse("sheets takes --kerf L, --trim L, --stock FILE, --json FILE, --svg FILE, --pdf FILE and at most a "
                  "cabinet or job file");
    sheets.run([args, &sheets](CliContext& context) { return RunSheets(context, sheets, *args); });
}

} // namespace boxmill::cli
