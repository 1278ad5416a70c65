// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PanelStyle.h"

#include <filesystem>
#include <string>

namespace boxmill {

class CabinetSession;

inline constexpr const char* kSavePanelBeforeNewQuestion = "Save panel before starting another?";
inline constexpr const char* kSavePanelBeforeOpenQuestion = "Save panel before opening another?";
inline constexpr const char* kSavePanelBeforeExitQuestion = "Save panel before exiting raised panel designer?";
inline constexpr const char* kInitialPanelStyle = "Base\\Untitled.rpl";

// The raised panel designer's commands and its panel file. The style itself
// is the cabinet's (`CabinetModel::panelStyle`): every change is an edit of
// the cabinet, undone and announced like any other, and saved with it. The
// panel file's path is kept here, apart from the cabinet's, so that no panel
// command changes where "Save Cabinet" writes.
class PanelDesigner {
public:
    explicit PanelDesigner(CabinetSession& session);

    // A click on one of the window's controls. True when the style changed.
    bool setPanelsOffset(Opening group, bool on);
    bool setControl(Opening group, int s, PanelControl control, bool on);

    // Each returns true when it did what was asked; false when the user
    // cancelled or a file could not be used (the user was told why, and
    // the style, the cabinet and the panel file's name are as they were).
    bool newPanel();
    bool openPanelLibrary();
    bool savePanelAs();
    bool savePanel();
    // The window is closing: offers to save an unsaved panel. False when
    // the window must stay open: the user cancelled, or a save asked for
    // did not happen, and the panel is still unsaved.
    bool closing();
    // Open of a panel file named without the dialog or the question (the
    // command line's --panel-style).
    bool openPanelFile(const std::filesystem::path& path);

    // "Base\Untitled.rpl": the folder and name of the panel file, as the
    // window's PanelStyle box shows it.
    std::string panelStyleName() const;
    const std::filesystem::path& panelPath() const { return m_panelPath; }
    bool savePanelEnabled() const { return m_savePanelEnabled; }
    bool panelModified() const { return m_panelModified; }
    // The style last read from or written to a panel file.
    const PanelStyle& buffer() const { return m_buffer; }

private:
    bool change(const char* name, const PanelStyle& style);
    void offerToSave(const char* question);
    // The live style into the cabinet record and the buffer, as every panel
    // save begins.
    void storeForSave();
    bool write(const std::filesystem::path& path);
    std::filesystem::path cabinetFolder() const;

    CabinetSession& m_session;
    PanelStyle m_buffer = PanelStyle::FormDefaults();
    std::filesystem::path m_panelPath;
    // The name the dialogs offer and "Save Raised Panel" writes to: the file
    // last opened or saved as, or "Untitled.rpl" in the cabinet folder.
    std::filesystem::path m_lastFile = "Untitled.rpl";
    bool m_savePanelEnabled = false;
    bool m_panelModified = false;
};

// "Base\Untitled.rpl" for .../Base/Untitled.rpl: the last folder and the
// file name, with the backslash the program's names have always shown.
std::string PanelShortName(const std::filesystem::path& path);

} // namespace boxmill
