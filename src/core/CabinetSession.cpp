// SPDX-License-Identifier: GPL-3.0-or-later
#include "CabinetSession.h"

#include "CabinetFile.h"
#include "FileDialogs.h"
#include "Prompter.h"
#include "geometry/Layout.h"

namespace boxmill {

namespace fs = std::filesystem;

namespace {
constexpr const char* kCabinetFilter = "Cabinet Files|*.cab";
constexpr const char* kUntitled = "Untitled.cab";
} // namespace

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
    m_fileChosen = false;
    if (outcome == StartUpOutcome::Ready) {
        recalculateAfterLoad();
        model.modified = false;
    }
    return outcome;
}

void CabinetSession::recalculate()
{
    model.rebuildDrawingUnits();
    RecalculateLayout(model, layout);
}

void CabinetSession::recalculateAfterLoad()
{
    model.rebuildDrawingUnits();
    LayoutAfterLoad(model, layout);
    woodSettings = FillWoodSelectionColumn(model);
}

void CabinetSession::recalculateAfterEntry()
{
    model.rebuildDrawingUnits();
    ReapplySectionOffsets(model, layout);
    RecalculateLayout(model, layout);
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

bool CabinetSession::saveCabinetFile(const fs::path& path)
{
    const auto status = WriteCabinetFile(path, model.recordForSave());
    if (!status) {
        m_prompter.message(MessageKind::Error, status.error());
        return false;
    }
    model.folders.cabinetPath = path;
    model.folders.cabinetName = ExtractCabinetName(path);
    model.folders.cabinetStyle = model.folders.cabinetName;
    model.folders.cabinetFolder = path.parent_path();
    model.saveCabinetEnabled = true;
    model.modified = false;
    return true;
}

bool CabinetSession::offerToSave(const char* question, bool forgetEdits)
{
    if (!model.modified)
        return true;
    if (m_prompter.ask(MessageKind::Warning, question, QuestionButtons::OkCancel) &&
        saveThroughDialog("Save Cabinet As...", model.folders.cabinetFolder) == SaveOutcome::Failed)
        return false;
    if (forgetEdits)
        model.modified = false;
    return true;
}

bool CabinetSession::newCabinet()
{
    const bool hadEdits = model.modified;
    if (!offerToSave(kSaveBeforeNewQuestion, true))
        return false;
    if (!loadCabinetFile(model.folders.programFolder / DataFile::NewCabinet)) {
        // The cabinet on screen stays, and so does the reminder to save it.
        model.modified = hadEdits;
        return false;
    }
    recalculateAfterLoad();
    model.folders.cabinetPath = model.folders.cabinetFolder / kUntitled;
    model.folders.cabinetName = ExtractCabinetName(model.folders.cabinetPath);
    model.folders.cabinetStyle = model.folders.cabinetName;
    model.saveCabinetEnabled = false;
    return true;
}

bool CabinetSession::openCabinetLibrary()
{
    const bool hadEdits = model.modified;
    if (!offerToSave(kSaveBeforeOpenQuestion, true))
        return false;
    FileDialogRequest request;
    request.title = "Open Cabinet Library";
    request.filter = kCabinetFilter;
    request.fileName = kUntitled;
    request.initialFolder = model.folders.programFolder;
    const auto chosen = m_dialogs.openFile(request);
    // A cabinet that was not replaced keeps its reminder to save, and a
    // refused file must not become the target of the next "Save Cabinet".
    if (!chosen || !loadCabinetFile(*chosen)) {
        model.modified = hadEdits;
        return false;
    }
    m_fileChosen = true;
    model.folders.lastChosenFile = *chosen;
    model.folders.cabinetPath = *chosen;
    model.folders.cabinetName = ExtractCabinetName(*chosen);
    model.folders.cabinetStyle = model.folders.cabinetName;
    model.folders.cabinetFolder = chosen->parent_path();
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
    m_fileChosen = true;
    model.folders.lastChosenFile = *chosen;
    return saveCabinetFile(*chosen) ? SaveOutcome::Saved : SaveOutcome::Failed;
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
    if (!offerToSave(kSaveBeforeExitQuestion, false))
        return false;
    if (route == ExitRoute::WindowClose)
        return true;
    return m_prompter.ask(MessageKind::Confirmation, kExitQuestion, QuestionButtons::OkCancel);
}

} // namespace boxmill
