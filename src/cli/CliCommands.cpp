// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommand.h"

#include "core/MessageText.h"

namespace boxmill::cli {

namespace {

// CLI11's validator form: the reason a file name is refused, or nothing.
std::string RefuseEmpty(const std::string& name)
{
    return name.empty() ? "a file name cannot be empty" : std::string();
}

} // namespace

std::span<const CliCommand> Commands()
{
    static constexpr std::array<CliCommand, 11> commands = {{
        {"listing", "listing all|cabinet|face|drawers|doors [FILE.cab]",
         "the cutlist editor's text; rewrites Cutlist.txt in the program folder", DeclareListing},
        {"viewer", "viewer complete|cabinet|face|drawers|doors [FILE.cab]",
         "the cut list viewer's rows, then the wood cost rows and the job total", DeclareViewer},
        {"layout", "layout [FILE.cab]", "the sectional dimensions grid", DeclareLayout},
        {"view",
         "view shell|side|top|face|door|drawer [--section N] [--opening lower|upper] [--drawer N]\n"
         "      [--show selected|section|complete] [FILE.cab]",
         "a construction view's data box as its window opens, tab-separated; --section\n"
         "      for shell, face, door and drawer, --opening for door, --drawer for drawer,\n"
         "      --show section|complete for face, selected|section for door and drawer",
         DeclareView},
        {"draw", "draw designer|shell|side|top|face|door|drawer [view options] --svg FILE|--pdf FILE [FILE.cab]",
         "the cabinet designer's face drawing or a construction view's drawing as SVG", DeclareDraw},
        {"export", "export FILE.cab", "the cabinet as readable text (docs/CABINET-TEXT.md)", DeclareExport},
        {"import", "import TEXT --out FILE.cab", "the cabinet file of a text that export wrote", DeclareImport},
        {"edit", "edit FILE.cab|--new --out FILE.cab [STEP...]",
         "makes the windows' edits step by step and saves the cabinet. Steps:\n"
         "      param NAME VALUE, include CAPTION on|off, option NAME on|off,\n"
         "      nailers N, section N, mullions|shelves|drawers|bank|doors|partition|\n"
         "      partition-shelves|partition-doors COUNT, mullion-offset,\n"
         "      remove-mullion-offsets, partition-up, partition-down, center-partition,\n"
         "      center-all-partitions, enable NAME on|off, wood PARTKIND ITEM,\n"
         "      hours TEXT, rate TEXT",
         DeclareEdit},
        {"print",
         "print cutlist|cabinet|face|drawers|doors|views|cutlist-views|door-drawer|door|drawer\n"
         "      --pdf FILE [--zoom Z] [--gap G] [FILE.cab]",
         "the pages a print command prints, as PDF; the zoom and the space default to\n"
         "      those of Printopt.dat",
         DeclarePrint},
        {"sheets",
         "sheets [--kerf L] [--trim L] [--stock FILE] [--json FILE] [--svg FILE] [--pdf FILE]\n"
         "      [FILE.cab|FILE.job]",
         "the sheets and boards of the complete cut list (of every cabinet of a job) by\n"
         "      wood and thickness, and how to cut each sheet; kerf and trim in decimal\n"
         "      inches (1/8 and 1/4), the stock from Stock.txt in the program folder;\n"
         "      --json, --svg and --pdf write the cutting diagrams",
         DeclareSheets},
        {"job", "job FILE.job viewer|listing|cost",
         "the combined cut list of a job's cabinets with their labels, and its wood cost\n"
         "      and labour (docs/JOB-FILE.md)",
         DeclareJob},
    }};
    return commands;
}

CliVerb::CliVerb(CLI::App& app, const CliCommand& command, const CLI::App& root)
    : m_app(app)
    , m_command(command)
    , m_root(root)
{
    // Words nobody knows fall through to the top of the command line and
    // wait there, so their count when this verb starts says which came first.
    m_app.preparse_callback([this](std::size_t) { m_unknownBefore = m_root.remaining_size(); });
}

void CliVerb::misuse(std::string why, std::string whyMissing)
{
    m_why = std::move(why);
    m_whyMissing = std::move(whyMissing);
}

int CliVerb::usageError(CliContext& context, std::string_view why) const
{
    return ReportUsageError(context.err, why, &m_command);
}

CliVerb& CliVerb::verb(const std::string& name)
{
    m_app.require_subcommand(1);
    m_verbs.push_back(std::make_unique<CliVerb>(*m_app.add_subcommand(name), m_command, m_root));
    return *m_verbs.back();
}

CLI::Option* AddCabinetFile(CLI::App& app, std::optional<std::filesystem::path>& file)
{
    return app.add_option_function<std::string>("FILE.cab", [&file](const std::string& name) { file = name; })
        ->check(RefuseEmpty, "FILE.cab");
}

CLI::Option* AddFileOption(CLI::App& app, const std::string& name, std::filesystem::path& file)
{
    return app.add_option(name, file)
        ->check(
            [](const std::string& value) {
                if (value.size() > 1 && value.front() == '-')
                    return QuoteTypedText(value) + " is an option, not a file name";
                return RefuseEmpty(value);
            },
            "FILE");
}

} // namespace boxmill::cli
