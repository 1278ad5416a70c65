// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommandLine.h"

#include "core/MessageText.h"

#include <algorithm>
#include <ostream>

namespace boxmill::cli {

namespace {

// A usage error whose sentence is known where it is found.
class Refusal : public CLI::ParseError {
public:
    explicit Refusal(std::string why)
        : CLI::ParseError("Refusal", std::move(why), kUsageError)
    {
    }
};

} // namespace

void PrintUsage(std::ostream& out)
{
    out << "usage: boxmill-cli [OPTIONS] COMMAND [ARGS]\n"
           "\n"
           "Runs Boxmill on the default cabinet of the program folder, or on FILE.cab.\n"
           "\n"
           "Commands:\n";
    for (const auto& command : Commands())
        out << "  " << command.usage << "\n      " << command.summary << '\n';
    out << "\n"
           "Options:\n"
           "  --program-folder DIR  the program folder (default: the current folder)\n"
           "  --inches, --metric    show lengths in this unit instead of the one in\n"
           "                        Standard.dat, which is left unchanged\n"
           "  --panel-style FILE.rpl\n"
           "                        give the cabinet the raised panel style of FILE.rpl,\n"
           "                        as \"Open Raised Panel Library\" does; the cabinet file\n"
           "                        is left as it is (edit saves the style in its --out)\n"
           "  -h, --help            show this text\n"
           "\n"
           "Messages go to standard error as \"warning: \", \"error: \" or \"information: \"\n"
           "followed by the text. Exit status: 0 on success; 1 when a file cannot be\n"
           "read or written or is refused, when a listing is refused for door frame\n"
           "parts of unequal stock, or when an edit step is refused; 2 for a usage error.\n";
}

CliCommandLine::CliCommandLine(CliContext& context)
    : m_context(context)
    , m_app("", "boxmill-cli")
{
    // Our own --help text, and at once: like the unit options, a common
    // option takes effect where it stands, before any later mistake.
    m_app.set_help_flag();
    m_app.add_flag_callback("-h,--help", [] { throw CLI::CallForHelp(); })->trigger_on_parse()->disable_flag_override();
    m_app.add_flag_callback("--inches", [this] { setUnits(UnitMode::Inches); })
        ->trigger_on_parse()
        ->disable_flag_override();
    m_app.add_flag_callback("--metric", [this] { setUnits(UnitMode::Metric); })
        ->trigger_on_parse()
        ->disable_flag_override();
    m_app.add_option("--program-folder", m_context.programFolder)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
        ->each([this](const std::string&) { m_context.programFolderGiven = true; });
    m_app
        .add_option_function<std::string>("--panel-style",
                                          [this](const std::string& file) {
                                              if (file.empty())
                                                  throw Refusal("--panel-style needs a panel style file");
                                              m_context.panelStyle = file;
                                          })
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    // The common options may follow a command's name too; commands made
    // from here on inherit this.
    m_app.fallthrough();
    m_app.require_subcommand(1);
    for (const CliCommand& command : Commands()) {
        auto verb = std::make_unique<CliVerb>(*m_app.add_subcommand(std::string(command.name)), command, m_app);
        command.declare(*verb);
        m_commands.push_back(std::move(verb));
    }
}

int CliCommandLine::run(const std::vector<std::string>& words)
{
    // CLI11 takes the words reversed and leaves in the list those it has not
    // reached: after an option's error, the word before them is that option.
    std::vector<std::string> unparsed(words.rbegin(), words.rend());
    try {
        m_app.parse(unparsed);
    } catch (const CLI::CallForHelp&) {
        PrintUsage(m_context.out);
        return kSuccess;
    } catch (const CLI::ParseError& error) {
        const std::string_view stoppedAt =
            unparsed.size() < words.size() ? std::string_view(words[words.size() - unparsed.size() - 1]) : "";
        return misuse(error, stoppedAt);
    }
    return chosen().back()->m_run(m_context);
}

void CliCommandLine::setUnits(UnitMode mode)
{
    if (m_context.units && *m_context.units != mode)
        throw Refusal("--inches and --metric exclude each other");
    m_context.units = mode;
}

// The command and its verbs as far as the command line named them.
std::vector<const CliVerb*> CliCommandLine::chosen() const
{
    std::vector<const CliVerb*> chain;
    const CLI::App* app = &m_app;
    const std::vector<std::unique_ptr<CliVerb>>* verbs = &m_commands;
    for (;;) {
        const auto named = app->get_subcommands();
        if (named.empty())
            return chain;
        const auto verb = std::find_if(verbs->begin(), verbs->end(),
                                       [&](const auto& candidate) { return &candidate->m_app == named.front(); });
        if (verb == verbs->end())
            return chain;
        chain.push_back(verb->get());
        app = named.front();
        verbs = &(*verb)->m_verbs;
    }
}

int CliCommandLine::misuse(const CLI::ParseError& error, std::string_view stoppedAt) const
{
    if (dynamic_cast<const Refusal*>(&error) != nullptr)
        return usageError(error.what(), nullptr);
    const bool optionError = dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr;
    // Only the last word can be an option left without its value.
    if (optionError && (stoppedAt == "--program-folder" || stoppedAt == "--program-folder="))
        return usageError("--program-folder needs a folder", nullptr);
    if (optionError && (stoppedAt == "--panel-style" || stoppedAt == "--panel-style="))
        return usageError("--panel-style needs a panel style file", nullptr);

    // The first mistake on the line is the one explained: a verb answers
    // only when no unknown word came before its name.
    const std::vector<std::string> unknown = m_app.remaining();
    const CliVerb* blamed = nullptr;
    for (const CliVerb* verb : chosen()) {
        if (verb->m_unknownBefore > 0)
            break;
        blamed = verb;
    }
    if (blamed != nullptr) {
        const bool onlyMissing = unknown.empty() && dynamic_cast<const CLI::RequiredError*>(&error) != nullptr &&
                                 !blamed->m_whyMissing.empty();
        return usageError(onlyMissing ? blamed->m_whyMissing : blamed->m_why, &blamed->m_command);
    }
    // Before a command, anything but a common option stands where the
    // command should.
    if (!unknown.empty())
        return usageError("unknown command " + QuoteTypedText(unknown.front()), nullptr);
    if (optionError)
        return usageError("unknown command " + QuoteTypedText(stoppedAt), nullptr);
    return usageError("no command given", nullptr);
}

int CliCommandLine::usageError(std::string_view why, const CliCommand* command) const
{
    return ReportUsageError(m_context.err, why, command);
}

int ReportUsageError(std::ostream& err, std::string_view why, const CliCommand* command)
{
    err << "boxmill-cli: " << why << '\n';
    if (command == nullptr) {
        PrintUsage(err);
    } else {
        err << "usage: boxmill-cli [OPTIONS] " << command->usage << '\n'
            << "Try 'boxmill-cli --help' for more information.\n";
    }
    return kUsageError;
}

} // namespace boxmill::cli
