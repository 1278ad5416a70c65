// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CabinetModel.h"
#include "ProgramData.h"
#include "StartUp.h"
#include "cutlist/CostCalculator.h"
#include "cutlist/CutListState.h"
#include "cutlist/WoodSettings.h"
#include "geometry/LayoutResult.h"

#include <filesystem>

namespace boxmill {

class FileDialogs;
class Prompter;

inline constexpr const char* kSaveBeforeNewQuestion = "Save cabinet before starting another?";
inline constexpr const char* kSaveBeforeOpenQuestion = "Save cabinet before opening another?";
inline constexpr const char* kSaveBeforeExitQuestion = "Save cabinet before exiting Boxmill v4.0?";
inline constexpr const char* kExitQuestion = "Exit the application Boxmill v4.0?";

enum class ExitRoute { Command, WindowClose };

// The running program's cabinet and data, with the commands that replace,
// open and save the cabinet. Questions go through the prompter, file choices
// through the dialogs; both are the caller's.
class CabinetSession {
public:
    CabinetSession(Prompter& prompter, FileDialogs& dialogs);

    ProgramData data;
    CabinetModel model;
    // Kept for the whole run: the mullion and partition shifts in it carry
    // from one recalculation to the next.
    LayoutResult layout;
    // The wood cost of the last cut list and the job total.
    CostCalculator cost;
    // The wood-settings column as the main window shows it.
    WoodSettingCells woodSettings;
    // The last viewer grid and cutlist editor listing.
    CutListState cutList;

    StartUpOutcome startUp(const std::filesystem::path& programFolder);

    // Each returns true when it did what was asked; false when the user
    // cancelled or a file could not be used (the user was told why).
    bool newCabinet();
    bool openCabinetLibrary();
    bool saveCabinet();
    bool saveCabinetAs();
    bool saveToLibraryAs();
    // True when the program may end.
    bool confirmExit(ExitRoute route);

    // Writes the cabinet to `path` and makes it the current cabinet file.
    bool saveCabinetFile(const std::filesystem::path& path);
    // Reads `path` into the model; a refused file leaves the model as it was.
    bool loadCabinetFile(const std::filesystem::path& path);

    // Brings everything derived from the record up to date after a change.
    void recalculate();
    // The same for a cabinet just read: the shifts of the previous cabinet
    // are dropped and the offsets recorded in this one applied first.
    void recalculateAfterLoad();
    // The same after a size was entered: the mullion and partition offsets
    // are measured again from the new nominal sizes first.
    void recalculateAfterEntry();

    Prompter& prompter() { return m_prompter; }
    FileDialogs& dialogs() { return m_dialogs; }

private:
    enum class SaveOutcome { Saved, Cancelled, Failed };
    // The save prompt of New, Open and Exit. False when the user asked for a
    // save that then failed: the unsaved cabinet must not be thrown away.
    bool offerToSave(const char* question);
    void nameCabinet(const std::filesystem::path& path);
    SaveOutcome saveThroughDialog(const char* title, const std::filesystem::path& startFolder);

    Prompter& m_prompter;
    FileDialogs& m_dialogs;
    bool m_fileChosen = false;
};

// The file-name part of a cabinet path.
std::string ExtractCabinetName(const std::filesystem::path& cabinetPath);

} // namespace boxmill
