// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelDesigner.h"

#include "SessionAccess.h"

#include "core/FileDialogs.h"
#include "core/Prompter.h"
#include "panels/PanelFile.h"

namespace boxmill {

namespace fs = std::filesystem;

namespace {
constexpr const char* kPanelFilter = "Raised Panel Files|*.rpl";
constexpr const char* kUntitledPanel = "Untitled.rpl";
} // namespace

std::string PanelShortName(const fs::path& path)
{
    const std::string folder = path.parent_path().filename().string();
    return folder.empty() ? path.filename().string() : folder + "\\" + path.filename().string();
}

PanelDesigner::PanelDesigner(CabinetSession& session)
    : m_session(session)
{
}

fs::path PanelDesigner::cabinetFolder() const
{
    return m_session.model().folders.cabinetFolder;
}

std::string PanelDesigner::panelStyleName() const
{
    return m_panelPath.empty() ? std::string(kInitialPanelStyle) : PanelShortName(m_panelPath);
}

bool PanelDesigner::change(const char* name, const PanelStyle& style)
{
    const bool changed =
        m_session.edit(name, [&](CabinetModel& model, LayoutResult&) { model.adoptPanelStyle(style); });
    if (changed)
        m_panelModified = true;
    return changed;
}

bool PanelDesigner::setPanelsOffset(Opening group, bool on)
{
    PanelStyle style = m_session.model().panelStyle;
    style.setPanelsOffset(group, on);
    return change("Double Panels Offset", style);
}

bool PanelDesigner::setControl(Opening group, int s, PanelControl control, bool on)
{
    static constexpr const char* kNames[] = {"Double Panel", "Negative Offset", "Horizontal", "Vertical"};
    PanelStyle style = m_session.model().panelStyle;
    style.setControl(group, s, control, on);
    return change(kNames[static_cast<int>(control)], style);
}

void PanelDesigner::offerToSave(const char* question)
{
    if (!m_panelModified)
        return;
    if (m_session.prompter().ask(MessageKind::Warning, question, QuestionButtons::OkCancel))
        savePanelAs();
    m_panelModified = false;
}

bool PanelDesigner::newPanel()
{
    offerToSave(kSavePanelBeforeNewQuestion);
    const auto style = ReadPanelStyleFile(m_session.model().folders.programFolder / kNewPanelFile);
    if (!style) {
        m_session.prompter().message(MessageKind::Error, style.error());
        return false;
    }
    m_buffer = *style;
    // A new panel has no file yet: "Save Raised Panel" must not write it
    // over the last one opened, which the window no longer names.
    m_panelPath = cabinetFolder() / kUntitledPanel;
    m_lastFile = kUntitledPanel;
    m_session.edit("New Raised Panel", [&](CabinetModel& model, LayoutResult&) { model.adoptPanelStyle(m_buffer); });
    m_savePanelEnabled = false;
    return true;
}

bool PanelDesigner::openPanelLibrary()
{
    offerToSave(kSavePanelBeforeOpenQuestion);
    FileDialogRequest request;
    request.title = "Open Raised Panel Library";
    request.filter = kPanelFilter;
    request.initialFolder = cabinetFolder();
    request.fileName = m_lastFile.filename().string();
    const auto chosen = m_session.dialogs().openFile(request);
    return chosen && openPanelFile(*chosen);
}

bool PanelDesigner::openPanelFile(const fs::path& path)
{
    // A refused file becomes neither the shown name nor the target of the
    // next "Save Raised Panel".
    const auto style = ReadPanelStyleFile(path);
    if (!style) {
        m_session.prompter().message(MessageKind::Error, style.error());
        return false;
    }
    m_buffer = *style;
    m_panelPath = path;
    m_lastFile = path;
    m_session.edit("Open Raised Panel Library",
                   [&](CabinetModel& model, LayoutResult&) { model.adoptPanelStyle(m_buffer); });
    return true;
}

void PanelDesigner::storeForSave()
{
    CabinetModel& model = SessionAccess::model(m_session);
    StorePanelStyle(model.panelStyle, model.record);
    m_buffer = LoadPanelStyle(m_session.model().record);
}

bool PanelDesigner::write(const fs::path& path)
{
    const auto status = WritePanelStyleFile(path, m_buffer);
    if (!status)
        m_session.prompter().message(MessageKind::Error, status.error());
    return status.ok();
}

bool PanelDesigner::savePanelAs()
{
    storeForSave();
    FileDialogRequest request;
    request.title = "Save Raised Panel As";
    request.filter = kPanelFilter;
    request.defaultExtension = "rpl";
    request.initialFolder = cabinetFolder();
    request.fileName = m_lastFile.filename().string();
    request.confirmOverwrite = true;
    const auto chosen = m_session.dialogs().saveFile(request);
    if (!chosen || !write(*chosen))
        return false;
    m_panelPath = *chosen;
    m_lastFile = *chosen;
    m_savePanelEnabled = true;
    m_panelModified = false;
    return true;
}

bool PanelDesigner::savePanel()
{
    storeForSave();
    const fs::path target = m_lastFile.is_relative() ? cabinetFolder() / m_lastFile : m_lastFile;
    if (!write(target))
        return false;
    m_panelModified = false;
    return true;
}

bool PanelDesigner::closing()
{
    if (!m_panelModified)
        return true;
    switch (m_session.prompter().askToSave(kSavePanelBeforeExitQuestion)) {
    case SaveChoice::Cancel: return false;
    case SaveChoice::Save: return savePanelAs();
    case SaveChoice::Discard: break;
    }
    m_panelModified = false;
    return true;
}

} // namespace boxmill
