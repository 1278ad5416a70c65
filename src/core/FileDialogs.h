// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace boxmill {

struct FileDialogRequest {
    std::string title;
    std::string filter;           // "Cabinet Files|*.cab"
    std::string defaultExtension; // without the dot; empty for none
    std::filesystem::path initialFolder;
    std::string fileName; // pre-filled name
    bool confirmOverwrite = false;
};

// Open and save dialogs, behind an interface so that the commands run their
// own code in tests and in the command-line companion.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) = 0;
};

} // namespace boxmill
