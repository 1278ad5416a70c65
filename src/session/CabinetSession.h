// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EditHistory.h"
#include "SessionChanges.h"

#include "core/CabinetModel.h"
#include "core/ProgramData.h"
#include "core/StartUp.h"
#include "core/Version.h"
#include "cutlist/CostCalculator.h"
#include "cutlist/CutListState.h"
#include "cutlist/WoodListingEditor.h"
#include "cutlist/WoodSettings.h"
#include "designer/DesignerState.h"
#include "geometry/LayoutResult.h"

#include <filesystem>
#include <functional>
#include <string>

namespace boxmill {

class FileDialogs;
class Prompter;

inline constexpr const char* kSaveBeforeNewQuestion = "Save cabinet before starting another?";
inline constexpr const char* kSaveBeforeOpenQuestion = "Save cabinet before opening another?";
std::string SaveBeforeExitQuestion();
std::string ExitQuestion();

enum class ExitRoute { Command, WindowClose };

// How the layout follows an edit. Every edit ends with the section offsets
// applied to the layout it leaves.
enum class Recalc {
    // The edit recalculated the layout itself (the section editor does).
    Done,
    Plain,
    // A size was entered: the offsets are measured again from the new
    // nominal sizes before the recalculation.
    AfterEntry,
};

struct EditOptions {
    Recalc recalc = Recalc::Plain;
    // Repeated edits of this name are one step of the history, as when
    // typing into one box.
    bool merge = false;
};

// The running program's cabinet and data, with the commands that replace,
// open and save the cabinet. Questions go through the prompter, file choices
// through the dialogs; both are the caller's.
class CabinetSession {
public:
    CabinetSession(Prompter& prompter, FileDialogs& dialogs);

    // What windows read. Every change goes through the commands below, so
    // each is recorded where it must be and announced to the windows.
    const ProgramData& data() const { return m_data; }
    const CabinetModel& model() const { return m_model; }
    const LayoutResult& layout() const { return m_layout; }
    const CostCalculator& cost() const { return m_cost; }
    const WoodSettingCells& woodSettings() const { return m_woodSettings; }
    const CutListState& cutList() const { return m_cutList; }
    const DesignerState& designer() const { return m_designer; }
    // The designer's section and edit mode are what its window shows, not
    // the cabinet: its window changes them freely (no Undo, no file).
    DesignerState& designerView() { return m_designer; }

    StartUpOutcome startUp(const std::filesystem::path& programFolder);

    // Each returns true when it did what was asked; false when the user
    // cancelled or a file could not be used (the user was told why).
    bool newCabinet();
    bool openCabinetLibrary();
    // Open of a cabinet named without the dialog (the recent cabinets).
    bool openRecentCabinet(const std::filesystem::path& path);
    bool saveCabinet();
    bool saveCabinetAs();
    bool saveToLibraryAs();
    // True when the program may end.
    bool confirmExit(ExitRoute route);

    // Writes the cabinet to `path` and makes it the current cabinet file.
    bool saveCabinetFile(const std::filesystem::path& path);
    // Reads `path` into the model; a refused file leaves the model as it was.
    bool loadCabinetFile(const std::filesystem::path& path);

    // The one road of an edit: `apply` changes the model (a refused entry
    // leaves it as it was), the rules that follow it run (the bank rule,
    // the recalculation, the section offsets), and a change is recorded
    // under `name` for Undo and announced. Returns true when the cabinet
    // changed.
    bool edit(std::string name, const std::function<void(CabinetModel&, LayoutResult&)>& apply,
              EditOptions options = {});

    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    // "Cabinet Width", "Add Drawers": what Undo or Redo would act on.
    const std::string& undoName() const { return m_history.undoName(); }
    const std::string& redoName() const { return m_history.redoName(); }
    bool undo();
    bool redo();
    // Unsaved edits: the state on screen is not the one last saved or
    // loaded.
    bool modified() const { return m_history.modified(); }
    std::size_t historySize() const { return m_history.size(); }

    // The drawing scale: one drawing unit per quarter inch, or two. Not an
    // edit of the cabinet (no Undo), but every drawing follows it.
    void toggleZoom();
    // A click on the job total: asks for the number of cabinets and prices
    // the job.
    void priceJob();
    // A command of the wood listing editor on the listing of the data
    // files; the windows that list the woods follow a change.
    WoodListingEdit editWoodListing(const std::function<WoodListingEdit(WoodListingEditor&)>& command);
    // Makes `section` the designer's, which the construction views show.
    void showDesignerSection(int section);

    // Told of every change, with what it touched.
    void setListener(std::function<void(SessionChanges)> listener) { m_listener = std::move(listener); }
    // For changes made through the designer's view state, which the
    // session does not see being made.
    void announce(SessionChanges changes);

    // The data files read again (after a unit switch) with the cabinet on
    // screen, its name, its unsaved edits and its lists and job total kept
    // (shown in the new units). A failed reading keeps everything as it
    // was.
    StartUpOutcome reloadData(const std::filesystem::path& programFolder);

    // Brings everything derived from the record up to date after a change
    // of the drawing scale, which is not an edit of the cabinet.
    void recalculate();
    // The same for a cabinet just read: the shifts of the previous cabinet
    // are dropped and the offsets recorded in this one applied first.
    void recalculateAfterLoad();

    Prompter& prompter() const { return m_prompter; }
    FileDialogs& dialogs() const { return m_dialogs; }

private:
    enum class SaveOutcome { Saved, Cancelled, Failed };
    // The save prompt of New, Open and Exit. False when the user asked for a
    // save that then failed: the unsaved cabinet must not be thrown away.
    bool offerToSave(const std::string& question);
    void nameCabinet(const std::filesystem::path& path);
    bool openChosen(const std::filesystem::path& chosen);
    // After a size was entered: the mullion and partition offsets are
    // measured again from the new nominal sizes first.
    void recalculateAfterEntry();
    // The cabinet on screen is a new start: its history begins here.
    void startHistory();
    void restore(const CabinetSnapshot& state);
    // The viewer's list and the job total follow every edit, so that no
    // figure on screen belongs to an older design.
    void refreshFigures();
    SaveOutcome saveThroughDialog(const char* title, const std::filesystem::path& startFolder);

    friend class SessionAccess;

    ProgramData m_data;
    CabinetModel m_model;
    // Kept for the whole run: the mullion and partition shifts in it carry
    // from one recalculation to the next.
    LayoutResult m_layout;
    // The wood cost of the last cut list and the job total.
    CostCalculator m_cost;
    // The wood-settings column as the main window shows it.
    WoodSettingCells m_woodSettings;
    // The last viewer grid and cutlist editor listing.
    CutListState m_cutList;
    // The cabinet designer's section and edit mode. They outlive its
    // window, and the construction views start on its section even before
    // it was ever opened.
    DesignerState m_designer;

    Prompter& m_prompter;
    FileDialogs& m_dialogs;
    bool m_fileChosen = false;
    EditHistory m_history;
    std::function<void(SessionChanges)> m_listener;
};

// The file-name part of a cabinet path.
std::string ExtractCabinetName(const std::filesystem::path& cabinetPath);

} // namespace boxmill
