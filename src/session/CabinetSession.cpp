// SPDX-License-Identifier: GPL-3.0-or-later
#include "CabinetSession.h"

#include "core/CabinetFile.h"
#include "core/FileDialogs.h"
#include "core/Prompter.h"
#include "cutlist/CutListViewer.h"
#include "cutlist/CutlistEditor.h"
#include "designer/SectionCleanup.h"
#include "geometry/Layout.h"

#include <algorithm>

namespace boxmill {

namespace fs = std::filesystem;

namespace {
constexpr const char* kUntitled = "Untitled.cab";
} // namespace

std::string SaveBeforeExitQuestion()
{
    return std::string("Save cabinet before exiting ") + kProgramTitle + "?";
}

std::string ExitQuestion()
{
    return std::string("Exit the application ") + kProgramTitle + "?";
}

std::string ExtractCabinetName(const fs::path& cabinetPath)
{
    return cabinetPath.filename().string();
}

CabinetSession::CabinetSession(Prompter& prompter, FileDialogs& dialogs)
    : m_prompter(prompter)
    , m_dialogs(dialogs)
{
}

StartUpOutcome CabinetSession::startUp(const fs::path& programFolder)
{
    const auto outcome = StartUp(programFolder, data, model, m_prompter);
    if (outcome == StartUpOutcome::Ready) {
        m_fileChosen = false;
        recalculateAfterLoad();
    }
    return outcome;
}

void CabinetSession::recalculate()
{
    model.rebuildDrawingUnits();
    RecalculateLayout(model, layout);
    ApplySectionOffsets(model, layout);
}

StartUpOutcome CabinetSession::reloadData(const fs::path& programFolder)
{
    // Lengths are held in inches whatever the units, so the cabinet on
    // screen goes on as it is: only the data files and what is shown change.
    const CabinetRecord kept = model.recordForSave();
    CabinetFolders folders = model.folders;
    const bool saveEnabled = model.saveCabinetEnabled;
    const bool wasModified = modified();
    // The lists and the job total on screen are the same cabinet's: they
    // are made again in the new units, not thrown away.
    CutListState lists = cutList;
    CostCalculator figures = cost;
    const auto outcome = StartUp(programFolder, data, model, m_prompter);
    if (outcome != StartUpOutcome::Ready)
        return outcome;
    model.adoptRecord(kept, data.vocabulary, m_prompter);
    model.folders = std::move(folders);
    model.saveCabinetEnabled = saveEnabled;
    recalculateAfterLoad();
    if (wasModified)
        m_history.markUnsaved();
    cutList = std::move(lists);
    cost = std::move(figures);
    refreshFigures();
    return outcome;
}

bool CabinetSession::edit(std::string name, const std::function<void(CabinetModel&, LayoutResult&)>& apply,
                          EditOptions options)
{
    const CabinetRecord before = model.recordForSave();
    const int sectionsBefore = model.sectionCount;
    apply(model, layout);
    if (options.recalc != Recalc::Done) {
        ApplyEditRules(model, sectionsBefore);
        if (options.recalc == Recalc::AfterEntry)
            recalculateAfterEntry();
        else
            recalculate();
    }
    // A refused entry, or one that gave back the value already there, is
    // no step to undo.
    if (model.recordForSave() == before && model.sectionCount == sectionsBefore)
        return false;
    m_history.record(std::move(name), CabinetSnapshot {model, layout}, options.merge);
    refreshFigures();
    announce(SessionEvent::Edited);
    return true;
}

void CabinetSession::refreshFigures()
{
    // Figures brought up to date behind the user's back must not pop up the
    // messages that an explicit build shows.
    KeptMessages quiet;
    if (cutList.viewerKind)
        cutList.viewer = ShowCutList(*cutList.viewerKind, model, layout, cost, quiet);
    else if (cutList.listing)
        cutList.listing = BuildListing(cutList.listing->build, model, layout, cost, quiet, cutList.listingDate);
    else if (!cost.jobTotalText().empty() || !cost.cost().rows.empty())
        cost.update(model, quiet);
}

void CabinetSession::startHistory()
{
    m_history.reset(CabinetSnapshot {model, layout});
}

void CabinetSession::restore(const CabinetSnapshot& state)
{
    // What the file is called, the units and the zoom belong to the
    // session, not to one state of the cabinet.
    CabinetFolders folders = std::move(model.folders);
    const UnitMode units = model.units;
    const int drawScale = model.drawScale;
    const bool saveEnabled = model.saveCabinetEnabled;
    model = state.model;
    layout = state.layout;
    model.folders = std::move(folders);
    model.units = units;
    model.drawScale = drawScale;
    model.saveCabinetEnabled = saveEnabled;
    model.rebuildDrawingUnits();
    ApplySectionOffsets(model, layout);
    woodSettings = FillWoodSelectionColumn(model);
    refreshFigures();
    announce(SessionEvent::Restored);
}

bool CabinetSession::undo()
{
    const CabinetSnapshot* state = m_history.undo();
    if (state)
        restore(*state);
    return state != nullptr;
}

bool CabinetSession::redo()
{
    const CabinetSnapshot* state = m_history.redo();
    if (state)
        restore(*state);
    return state != nullptr;
}

void CabinetSession::announce(SessionEvent event)
{
    if (m_listener)
        m_listener(event);
}

void CabinetSession::recalculateAfterLoad()
{
    // Reading the record rebuilt the drawing units already.
    LayoutAfterLoad(model, layout);
    woodSettings = FillWoodSelectionColumn(model);
    // The last cut list and its cost were the previous cabinet's.
    cost = CostCalculator();
    cutList = CutListState();
    startHistory();
}

void CabinetSession::recalculateAfterEntry()
{
    model.rebuildDrawingUnits();
    ReapplySectionOffsets(model, layout);
    RecalculateLayout(model, layout);
    ApplySectionOffsets(model, layout);
}

bool CabinetSession::loadCabinetFile(const fs::path& path)
{
    auto record = ReadCabinetFile(path);
    if (!record) {
        m_prompter.message(MessageKind::Error, record.error());
        return false;
    }
    model.adoptRecord(*record, data.vocabulary, m_prompter);
    return true;
}

void CabinetSession::nameCabinet(const fs::path& path)
{
    model.folders.cabinetPath = path;
    model.folders.cabinetName = ExtractCabinetName(path);
    model.folders.cabinetStyle = model.folders.cabinetName;
}

bool CabinetSession::saveCabinetFile(const fs::path& path)
{
    const auto status = WriteCabinetFile(path, model.recordForSave());
    if (!status) {
        m_prompter.message(MessageKind::Error, status.error());
        return false;
    }
    nameCabinet(path);
    model.folders.cabinetFolder = path.parent_path();
    model.saveCabinetEnabled = true;
    m_history.markSaved();
    return true;
}

bool CabinetSession::offerToSave(const std::string& question)
{
    if (!modified())
        return true;
    switch (m_prompter.askToSave(question)) {
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
    case SaveChoice::Save: break;
    }
    // A save dialog closed without saving keeps the edits, and with them
    // the cabinet on screen.
    return saveThroughDialog("Save Cabinet As...", model.folders.cabinetFolder) == SaveOutcome::Saved;
}

// New and Open leave the reminder to save alone until the cabinet on screen
// is really replaced: a cancelled dialog or a file that cannot be read keeps
// the edits, and with them the question at exit.
bool CabinetSession::newCabinet()
{
    if (!offerToSave(kSaveBeforeNewQuestion))
        return false;
    if (!loadCabinetFile(model.folders.programFolder / DataFile::NewCabinet))
        return false;
    recalculateAfterLoad();
    nameCabinet(model.folders.cabinetFolder / kUntitled);
    model.saveCabinetEnabled = false;
    return true;
}

bool CabinetSession::openCabinetLibrary()
{
    if (!offerToSave(kSaveBeforeOpenQuestion))
        return false;
    FileDialogRequest request;
    request.title = "Open Cabinet Library";
    request.filter = kCabinetFilter;
    request.fileName = kUntitled;
    // Where Save As saves, so that a cabinet just saved is found at once.
    request.initialFolder = model.folders.cabinetFolder;
    const auto chosen = m_dialogs.openFile(request);
    return chosen && openChosen(*chosen);
}

bool CabinetSession::openRecentCabinet(const fs::path& path)
{
    return offerToSave(kSaveBeforeOpenQuestion) && openChosen(path);
}

bool CabinetSession::openChosen(const fs::path& chosen)
{
    // A refused file must not become the target of the next "Save Cabinet".
    if (!loadCabinetFile(chosen))
        return false;
    m_fileChosen = true;
    model.folders.lastChosenFile = chosen;
    nameCabinet(chosen);
    model.folders.cabinetFolder = chosen.parent_path();
    // The cabinet has a file now: Ctrl+S writes it back there.
    model.saveCabinetEnabled = true;
    recalculateAfterLoad();
    return true;
}

bool CabinetSession::saveCabinet()
{
    if (!model.saveCabinetEnabled)
        return false;
    fs::path target = model.folders.lastChosenFile;
    if (target.is_relative())
        target = model.folders.cabinetFolder / target;
    return saveCabinetFile(target);
}

CabinetSession::SaveOutcome CabinetSession::saveThroughDialog(const char* title, const fs::path& startFolder)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = kCabinetFilter;
    request.defaultExtension = "cab";
    request.initialFolder = startFolder;
    request.fileName = m_fileChosen ? model.folders.lastChosenFile.filename().string() : std::string("Style1.cab");
    request.confirmOverwrite = true;
    const auto chosen = m_dialogs.saveFile(request);
    if (!chosen)
        return SaveOutcome::Cancelled;
    // Only a file that was written becomes the one "Save Cabinet" writes to.
    if (!saveCabinetFile(*chosen))
        return SaveOutcome::Failed;
    m_fileChosen = true;
    model.folders.lastChosenFile = *chosen;
    return SaveOutcome::Saved;
}

bool CabinetSession::saveCabinetAs()
{
    return saveThroughDialog("Save Cabinet As...", model.folders.cabinetFolder) == SaveOutcome::Saved;
}

bool CabinetSession::saveToLibraryAs()
{
    return saveThroughDialog("Save To Cabinet Library", model.folders.programFolder) == SaveOutcome::Saved;
}

bool CabinetSession::confirmExit(ExitRoute route)
{
    if (!offerToSave(SaveBeforeExitQuestion()))
        return false;
    if (route == ExitRoute::WindowClose)
        return true;
    return m_prompter.ask(MessageKind::Confirmation, ExitQuestion(), QuestionButtons::OkCancel);
}

} // namespace boxmill
