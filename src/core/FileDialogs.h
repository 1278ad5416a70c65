// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace boxmill {

// Named for the program: the desktop's own name for *.cab is a Microsoft
// cabinet archive.
inline constexpr const char* kCabinetFilter = "Boxmill cabinet|*.cab";

struct FileDialogRequest {
    std::string title;
    std::string filter;           // "Boxmill cabinet|*.cab"
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
    // Any number of existing files; none when the user cancelled. Where
    // only one can be chosen, it is the one.
    virtual std::vector<std::filesystem::path> openFiles(const FileDialogRequest& request)
    {
        if (auto chosen = openFile(request))
            return {std::move(*chosen)};
        return {};
    }
};

} // namespace boxmill
