// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliCommand.h"
#include "CliPrompter.h"

#include "core/FileDialogs.h"
#include "session/CabinetSession.h"

#include <filesystem>
#include <optional>
#include <string>

namespace boxmill::cli {

// There is nobody to choose a file: every dialog is cancelled.
class NoFileDialogs : public FileDialogs {
public:
    std::optional<std::filesystem::path> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::filesystem::path> saveFile(const FileDialogRequest&) override { return std::nullopt; }
};

// The date in a listing's header: today, or the day SOURCE_DATE_EPOCH names.
std::string HeaderDate();

// The running program as the desktop starts it: the program folder's data
// files and default cabinet, then the cabinet file if one is named, opened
// as "Open Cabinet Library" opens it.
class CliSession {
public:
    explicit CliSession(CliContext& context);

    // kSuccess, or kFileError after the reason was printed.
    int open(const std::optional<std::filesystem::path>& cabinetFile);

    CabinetSession& session() { return m_session; }
    // The openings of the cabinet too small for what they hold, as
    // warnings: the lists just printed leave their parts out.
    void warnOfMisfits();
    CliPrompter& prompter() { return m_prompter; }

private:
    CliContext& m_context;
    CliPrompter m_prompter;
    NoFileDialogs m_dialogs;
    CabinetSession m_session;
};

} // namespace boxmill::cli
