// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Measure.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace boxmill::cli {

// Exit statuses.
inline constexpr int kSuccess = 0;
// A file cannot be read or written or is refused, the cabinet cannot be
// listed (door frame parts of unequal stock), or an edit step was refused.
inline constexpr int kFileError = 1;
inline constexpr int kUsageError = 2;

// What every command gets: the options common to all of them and the
// output streams.
struct CliContext {
    std::filesystem::path programFolder;
    // Without --program-folder a current folder that lacks the data gives
    // way to the user's program folder, made from the data installed
    // beside this executable, as the desktop program does.
    bool programFolderGiven = false;
    std::filesystem::path executable;
    std::optional<UnitMode> units; // --inches or --metric; Standard.dat otherwise
    // --panel-style: the cabinet takes this panel style file's style, as
    // "Open Raised Panel Library" gives it.
    std::optional<std::filesystem::path> panelStyle;
    // What a reader reads, and the messages: both cleaned for the terminal.
    std::ostream& out;
    std::ostream& err;
    // Standard output as bytes, for a file's content that another program
    // reads back (export): a Latin-1 wood name keeps its bytes there.
    std::ostream& fileOut;
};

// What a command does once its command line has parsed, reading the values
// its declaration bound; returns the exit status.
using CliRun = std::function<int(CliContext& context)>;

struct CliCommand;

// A command (listing) or a verb under one (draw designer). Its words and
// options are declared on app(). A usage error is answered with one
// sentence that says what the command takes, rather than with what the
// parser happened to trip over: scripts and users know these sentences.
class CliVerb {
public:
    CliVerb(CLI::App& app, const CliCommand& command, const CLI::App& root);

    CLI::App& app() const { return m_app; }
    // `why` answers every usage error met in this verb's words; `whyMissing`,
    // when given, answers one where a required option is all that is wrong.
    void misuse(std::string why, std::string whyMissing = {});
    // A verb under this one; the command line must then name exactly one.
    CliVerb& verb(const std::string& name);
    void run(CliRun action) { m_run = std::move(action); }
    // A usage error found once the words have parsed (a step of `edit`
    // that cannot be read): answered as the parser's are, with `why`.
    int usageError(CliContext& context, std::string_view why) const;

private:
    friend class CliCommandLine;

    CLI::App& m_app;
    const CliCommand& m_command;
    const CLI::App& m_root;
    std::string m_why;
    std::string m_whyMissing;
    CliRun m_run;
    // The unknown words met on the command line before this verb's name: a
    // mistake made before it is not this verb's to explain.
    std::size_t m_unknownBefore = 0;
    std::vector<std::unique_ptr<CliVerb>> m_verbs;
};

// The cabinet file a command may take as its last word; without one it
// works on the program folder's default cabinet.
CLI::Option* AddCabinetFile(CLI::App& app, std::optional<std::filesystem::path>& file);

// An option naming a file to write. Its value is the next word, whatever
// that is, so a word that reads as an option is refused (it is far likelier
// a forgotten file name than a file's), and so is an empty one.
CLI::Option* AddFileOption(CLI::App& app, const std::string& name, std::filesystem::path& file);

// A required word, one of `choices`; `target` gets the value it names.
template <typename T, std::size_t N>
void AddChoice(CLI::App& app, const std::string& name, T& target,
               const std::array<std::pair<std::string_view, T>, N>& choices)
{
    app.add_option_function<std::string>(name,
                                         [name, &target, choices](const std::string& word) {
                                             const auto chosen =
                                                 std::find_if(choices.begin(), choices.end(),
                                                              [&](const auto& choice) { return choice.first == word; });
                                             if (chosen == choices.end())
                                                 throw CLI::ValidationError(name, "'" + word + "' is not one of them");
                                             target = chosen->second;
                                         })
        ->required();
}

// One subcommand: what --help says of it and where it declares its words.
struct CliCommand {
    std::string_view name;
    std::string_view usage;   // the synopsis after "boxmill-cli [OPTIONS] "
    std::string_view summary; // one line for --help
    void (*declare)(CliVerb& command);
};

// Every subcommand, in the order the usage text lists them. A new command
// is one more source file and one more line in CliCommands.cpp.
std::span<const CliCommand> Commands();

void DeclareListing(CliVerb& listing);
void DeclareViewer(CliVerb& viewer);
void DeclareLayout(CliVerb& layout);
void DeclareView(CliVerb& view);
void DeclareDraw(CliVerb& draw);
void DeclareExport(CliVerb& exportVerb);
void DeclareImport(CliVerb& importVerb);
void DeclareEdit(CliVerb& edit);
void DeclarePrint(CliVerb& print);
void DeclareSheets(CliVerb& sheets);
void DeclareJob(CliVerb& job);

// The usage error's lines on `err`: "boxmill-cli: " and `why`, then the
// command's synopsis, or the whole usage text when no command is known.
int ReportUsageError(std::ostream& err, std::string_view why, const CliCommand* command);

} // namespace boxmill::cli
