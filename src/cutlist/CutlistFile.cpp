// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutlistFile.h"

#include "CutListState.h"

#include "core/CabinetModel.h"
#include "core/FileDialogs.h"
#include "core/FileIo.h"
#include "core/ProgramData.h"
#include "core/Prompter.h"

#include <iterator>
#include <system_error>

namespace boxmill {

namespace fs = std::filesystem;

namespace {

void AppendField(std::string& line, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        line += field;
        return;
    }
    line += '"';
    for (const char c : field) {
        if (c == '"')
            line += '"';
        line += c;
    }
    line += '"';
}

} // namespace

std::string CutlistFileLine(std::string_view part, std::string_view width, std::string_view length,
                            std::string_view quantity, std::string_view woodStock, std::string_view cabinet)
{
    const std::string_view fields[] = {part, width, length, quantity, woodStock, cabinet};
    std::string line;
    std::size_t size = std::size(fields);
    for (const auto field : fields)
        size += field.size();
    line.reserve(size);
    bool first = true;
    for (const auto field : fields) {
        if (!first)
            line += ',';
        first = false;
        AppendField(line, field);
    }
    return line;
}

fs::path CutlistFilePath(const CabinetModel& model)
{
    return model.folders.programFolder / kCutlistFileName;
}

Status WriteCutlistFile(const fs::path& path, const std::vector<std::string>& lines)
{
    return WriteTextLines(path, lines);
}

bool SaveCutlistEditorToFile(const CabinetModel& model, const CutListState& state, FileDialogs& dialogs,
                             Prompter& prompter)
{
    FileDialogRequest request;
    request.title = "Save Cutlist To File";
    request.filter = "Text Files|*.txt";
    request.defaultExtension = "txt";
    request.initialFolder = model.folders.programFolder / DataFile::ExportFolder;
    request.fileName = state.saveName;
    request.confirmOverwrite = true;
    const auto chosen = dialogs.saveFile(request);
    if (!chosen)
        return false;

    // What the editor shows follows every edit; Cutlist.txt holds the last
    // explicit build. Only before any build in this run is the file the
    // listing to export.
    if (state.listing) {
        const auto written = WriteTextLines(*chosen, state.listing->cutlistFile);
        if (!written)
            prompter.message(MessageKind::Error, written.error());
        return written.ok();
    }
    const fs::path source = CutlistFilePath(model);
    std::error_code code;
    if (!fs::exists(source, code)) {
        prompter.message(MessageKind::Error, kCutlistMissingMessage);
        return false;
    }
    const auto lines = ReadTextLines(source);
    if (!lines) {
        prompter.message(MessageKind::Error, lines.error());
        return false;
    }
    const auto written = WriteTextLines(*chosen, *lines);
    if (!written) {
        prompter.message(MessageKind::Error, written.error());
        return false;
    }
    return true;
}

} // namespace boxmill
