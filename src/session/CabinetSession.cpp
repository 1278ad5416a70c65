// SPDX-License-Identifier: GPL-3.0-or-later
#include "CabinetSession.h"

#include "core/CabinetFile.h"
#include "core/FileDialogs.h"
#include "core/Messages.h"
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
    const auto outcome = StartUp(programFolder, m_data, m_model, m_prompter);
    if (outcome == StartUpOutcome::Ready) {
        m_fileChosen = false;
        recalculateAfterLoad();
    }
    return outcome;
}

void CabinetSession::recalculate()
{
    m_model.rebuildDrawingUnits();
    RecalculateLayout(m_model, m_layout);
    ApplySectionOffsets(m_model, m_layout);
}

StartUpOutcome CabinetSession::reloadData(const fs::path& programFolder)
{
    // Lengths are held in inches whatever the units, so the cabinet on
    // screen goes on as it is: only the data files and what is shown change.
    const CabinetRecord kept = m_model.recordForSave();
    CabinetFolders folders = m_model.folders;
    const bool saveEnabled = m_model.saveCabinetEnabled;
    const bool wasModified = modified();
    // The lists and the job total on screen are the same cabinet's: they
    // are made again in the new units, not thrown away.
    CutListState lists = m_cutList;
    CostCalculator figures = m_cost;
    const auto outcome = StartUp(programFolder, m_data, m_model, m_prompter);
    if (outcome != StartUpOutcome::Ready)
        return outcome;
    m_model.adoptRecord(kept, m_data.vocabulary, m_prompter);
    m_model.folders = std::move(folders);
    m_model.saveCabinetEnabled = saveEnabled;
    recalculateAfterLoad();
    if (wasModified)
        m_history.markUnsaved();
    m_cutList = std::move(lists);
    m_cost = std::move(figures);
    refreshFigures();
    return outcome;
}

bool CabinetSession::edit(std::string name, const std::function<void(CabinetModel&, LayoutResult&)>& apply,
                          EditOptions options)
{
    const CabinetRecord before = m_model.recordForSave();
    const int sectionsBefore = m_model.sectionCount;
    apply(m_model, m_layout);
    if (options.recalc != Recalc::Done) {
        ApplyEditRules(m_model, sectionsBefore);
        if (options.recalc == Recalc::AfterEntry)
            recalculateAfterEntry();
        else
            recalculate();
    }
    // A refused entry, or one that gave back the value already there, is
    // no step to undo.
    if (m_model.recordForSave() == before && m_model.sectionCount == sectionsBefore)
        return false;
    m_history.record(std::move(name), CabinetSnapshot {m_model.document(), m_layout}, options.merge);
    refreshFigures();
    announce(SessionChanges::edit());
    return true;
}

void CabinetSession::refreshFigures()
{
    // Figures brought up to date behind the user's back must not pop up the
    // messages that an explicit build shows: theirs are dropped.
    if (m_cutList.viewerKind)
        m_cutList.viewer = ShowCutList(*m_cutList.viewerKind, m_model, m_layout, m_cost).value;
    else if (m_cutList.listing)
        m_cutList.listing =
            BuildListing(m_cutList.listing->build, m_model, m_layout, m_cost, m_cutList.listingDate).value;
    else if (!m_cost.jobTotalText().empty() || !m_cost.cost().rows.empty())
        (void)m_cost.update(m_model);
}

void CabinetSession::startHistory()
{
    m_history.reset(CabinetSnapshot {m_model.document(), m_layout});
}

void CabinetSession::restore(const CabinetSnapshot& state)
{
    // The file's name, the units and the zoom are the session's settings:
    // only the document goes back.
    m_model.document() = state.document;
    m_layout = state.layout;
    m_model.rebuildDrawingUnits();
    ApplySectionOffsets(m_model, m_layout);
    m_woodSettings = FillWoodSelectionColumn(m_model);
    refreshFigures();
    announce(SessionChanges::edit() | SessionChange::Replaced);
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

void CabinetSession::announce(SessionChanges changes)
{
    if (m_listener && !changes.empty())
        m_listener(changes);
}

void CabinetSession::toggleZoom()
{
    m_model.drawScale = m_model.drawScale == 1 ? 2 : 1;
    recalculate();
    announce(SessionChange::Layout);
}

void CabinetSession::priceJob()
{
    Tell(m_prompter, m_cost.jobTotalClicked(m_model));
    announce(SessionChange::CutLists);
}

WoodListingEdit CabinetSession::editWoodListing(const std::function<WoodListingEdit(WoodListingEditor&)>& command)
{
    WoodListingEditor editor(m_data.woodItems, m_model.units, m_model.folders.programFolder / DataFile::Wood,
                             m_prompter);
    const WoodListingEdit result = command(editor);
    if (result.outcome == WoodListingOutcome::Done)
        announce(SessionChange::WoodListing);
    return result;
}

void CabinetSession::showDesignerSection(int section)
{
    m_designer.shownSection = section;
    announce(SessionChange::DesignerSection);
}

void CabinetSession::recalculateAfterLoad()
{
    // Reading the record rebuilt the drawing units already.
    LayoutAfterLoad(m_model, m_layout);
    m_woodSettings = FillWoodSelectionColumn(m_model);
    // The last cut list and its cost were the previous cabinet's.
    m_cost = CostCalculator();
    m_cutList = CutListState();
    startHistory();
}

void CabinetSession::recalculateAfterEntry()
{
    m_model.rebuildDrawingUnits();
    ReapplySectionOffsets(m_model, m_layout);
    RecalculateLayout(m_model, m_layout);
    ApplySectionOffsets(m_model, m_layout);
}

bool CabinetSession::loadCabinetFile(const fs::path& path)
{
    auto record = ReadCabinetFile(path);
    if (!record) {
        m_prompter.message(MessageKind::Error, record.error());
        return false;
    }
    m_model.adoptRecord(*record, m_data.vocabulary, m_prompter);
    return true;
}

void CabinetSession::nameCabinet(const fs::path& path)
{
    m_model.folders.cabinetPath = path;
    m_model.folders.cabinetName = ExtractCabinetName(path);
    m_model.folders.cabinetStyle = m_model.folders.cabinetName;
}

bool CabinetSession::saveCabinetFile(const fs::path& path)
{
    const auto status = WriteCabinetFile(path, m_model.recordForSave());
    if (!status) {
        m_prompter.message(MessageKind::Error, status.error());
        return false;
    }
    nameCabinet(path);
    m_model.folders.cabinetFolder = path.parent_path();
    m_model.saveCabinetEnabled = true;
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
    return saveThroughDialog("Save Cabinet As...", m_model.folders.cabinetFolder) == SaveOutcome::Saved;
}

// New and Open leave the reminder to save alone until the cabinet on screen
// is really replaced: a cancelled dialog or a file that cannot be read keeps
// the edits, and with them the question at exit.
bool CabinetSession::newCabinet()
{
    if (!offerToSave(kSaveBeforeNewQuestion))
        return false;
    if (!loadCabinetFile(m_model.folders.programFolder / DataFile::NewCabinet))
        return false;
    recalculateAfterLoad();
    nameCabinet(m_model.folders.cabinetFolder / kUntitled);
    m_model.saveCabinetEnabled = false;
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
    request.initialFolder = m_model.folders.cabinetFolder;
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
    m_model.folders.lastChosenFile = chosen;
    nameCabinet(chosen);
    m_model.folders.cabinetFolder = chosen.parent_path();
    // The cabinet has a file now: Ctrl+S writes it back there.
    m_model.saveCabinetEnabled = true;
    recalculateAfterLoad();
    return true;
}

bool CabinetSession::saveCabinet()
{
    if (!m_model.saveCabinetEnabled)
        return false;
    fs::path target = m_model.folders.lastChosenFile;
    if (target.is_relative())
        target = m_model.folders.cabinetFolder / target;
    return saveCabinetFile(target);
}

CabinetSession::SaveOutcome CabinetSession::saveThroughDialog(const char* title, const fs::path& startFolder)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = kCabinetFilter;
    request.defaultExtension = "cab";
    request.initialFolder = startFolder;
    request.fileName = m_fileChosen ? m_model.folders.lastChosenFile.filename().string() : std::string("Style1.cab");
    request.confirmOverwrite = true;
    const auto chosen = m_dialogs.saveFile(request);
    if (!chosen)
        return SaveOutcome::Cancelled;
    // Only a file that was written becomes the one "Save Cabinet" writes to.
    if (!saveCabinetFile(*chosen))
        return SaveOutcome::Failed;
    m_fileChosen = true;
    m_model.folders.lastChosenFile = *chosen;
    return SaveOutcome::Saved;
}

bool CabinetSession::saveCabinetAs()
{
    return saveThroughDialog("Save Cabinet As...", m_model.folders.cabinetFolder) == SaveOutcome::Saved;
}

bool CabinetSession::saveToLibraryAs()
{
    return saveThroughDialog("Save To Cabinet Library", m_model.folders.programFolder) == SaveOutcome::Saved;
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
