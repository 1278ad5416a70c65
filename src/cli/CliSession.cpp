// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliSession.h"

#include <algorithm>
#include <ostream>

namespace boxmill::cli {

namespace fs = std::filesystem;

CliSession::CliSession(CliContext& context)
    : m_context(context)
    , m_prompter(context.err)
    , m_session(m_prompter, m_dialogs)
{
}

int CliSession::open(const std::optional<fs::path>& cabinetFile)
{
    if (m_session.startUp(m_context.programFolder) != StartUpOutcome::Ready)
        return kFileError;
    CabinetModel& model = m_session.model;
    if (m_context.units && *m_context.units != model.units) {
        // For this run only: Standard.dat is left as it is.
        model.units = *m_context.units;
        m_session.data.unitFlags = UnitFlags::forMode(model.units);
    }
    if (cabinetFile) {
        if (!m_session.loadCabinetFile(*cabinetFile))
            return kFileError;
        model.folders.cabinetPath = *cabinetFile;
        model.folders.cabinetName = ExtractCabinetName(*cabinetFile);
        model.folders.cabinetStyle = model.folders.cabinetName;
        model.folders.cabinetFolder = cabinetFile->parent_path();
    }
    m_session.recalculateAfterLoad();
    return kSuccess;
}

std::optional<WordAndFile> ParseWordAndFile(std::span<const std::string> args, std::span<const std::string_view> words)
{
    if (args.empty() || args.size() > 2)
        return std::nullopt;
    if (std::find(words.begin(), words.end(), args[0]) == words.end())
        return std::nullopt;
    auto file = ParseFileOnly(args.subspan(1));
    if (!file)
        return std::nullopt;
    return WordAndFile{args[0], *file};
}

std::optional<std::optional<fs::path>> ParseFileOnly(std::span<const std::string> args)
{
    if (args.empty())
        return std::optional<fs::path>();
    // An option this command does not know is a mistake, not a file name.
    if (args.size() > 1 || args[0].empty() || args[0].starts_with("--"))
        return std::nullopt;
    return std::optional<fs::path>(args[0]);
}

int UsageError(CliContext& context, std::string_view command, std::string_view why)
{
    context.err << "boxmill-cli: " << why << '\n';
    for (const auto& entry : Commands()) {
        if (entry.name == command)
            context.err << "usage: boxmill-cli [OPTIONS] " << entry.usage << '\n';
    }
    context.err << "Try 'boxmill-cli --help' for more information.\n";
    return kUsageError;
}

} // namespace boxmill::cli
