// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FileDialogs.h"
#include "core/Prompter.h"
#include "cutlist/Batch.h"
#include "designer/DesignerState.h"
#include "session/CabinetSession.h"

#include <filesystem>
#include <random>
#include <string>

namespace boxmill {

// Kitchens made up from a seed, for measuring the cutting diagrams on what
// a shop really cuts: every cabinet is drawn through the same edit
// commands a user's clicks run, so its cut list is the program's own.
struct Kitchen {
    int cabinets = 0;
    // Every cabinet's complete list in turn, batch names led by its label
    // ("Base 3: Side(s)").
    CutList cutList;
    UnitMode units = UnitMode::Inches;
};

class KitchenGenerator {
public:
    // `programFolder` holds the data files and Newcab.dat; it is only read.
    explicit KitchenGenerator(const std::filesystem::path& programFolder);

    bool ready() const { return m_ready; }
    // 5 to 30 cabinets: base and wall units of one to three sections with
    // drawers, doors, shelves and partitions.
    Kitchen make(std::mt19937& random);

private:
    class Quiet : public Prompter {
    public:
        void message(MessageKind, std::string_view) override { }
        bool ask(MessageKind, std::string_view, QuestionButtons) override { return false; }
        SaveChoice askToSave(std::string_view) override { return SaveChoice::Discard; }
    };
    class NoDialogs : public FileDialogs {
    public:
        std::optional<std::filesystem::path> openFile(const FileDialogRequest&) override { return std::nullopt; }
        std::optional<std::filesystem::path> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    };

    void cabinet(std::mt19937& random, bool wall);
    void enter(std::optional<ModeButton> mode, bool partition, int count);

    Quiet m_prompter;
    NoDialogs m_dialogs;
    CabinetSession m_session;
    DesignerState m_designer;
    bool m_ready = false;
};

} // namespace boxmill
