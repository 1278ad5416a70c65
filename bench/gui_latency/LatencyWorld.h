// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FileDialogs.h"
#include "core/Prompter.h"
#include "session/CabinetSession.h"

#include <QObject>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace boxmill {
class SessionController;
class TMainForm;
} // namespace boxmill

namespace boxmill::bench {

// Answers as a user who keeps going would: OK, discard, and the busy
// cabinet for every Open.
class SteadyUser : public Prompter, public FileDialogs {
public:
    explicit SteadyUser(std::filesystem::path cabinet)
        : m_cabinet(std::move(cabinet))
    {
    }
    void message(MessageKind, std::string_view text) override { lastMessage = text; }
    bool ask(MessageKind, std::string_view, QuestionButtons) override { return true; }
    SaveChoice askToSave(std::string_view) override { return SaveChoice::Discard; }
    std::optional<std::filesystem::path> openFile(const FileDialogRequest&) override { return m_cabinet; }
    std::optional<std::filesystem::path> saveFile(const FileDialogRequest&) override { return std::nullopt; }

    std::string lastMessage;

private:
    std::filesystem::path m_cabinet;
};

// One kind of edit, made through the windows and made on a session alone.
// `prepare`, untimed, puts a different cabinet on screen first, so that
// New and Open replace one that differs from what they bring.
struct EditKind {
    const char* name;
    std::function<void(int)> window;
    std::function<void(int)> core;
    std::function<void(bool screen)> prepare = {};
};

// The whole program with every window that follows the model open, on a
// scratch copy of the program folder, and a second session without windows
// for the core's own time.
class LatencyWorld : public QObject {
public:
    LatencyWorld();
    ~LatencyWorld() override;

    bool ready() const { return m_failure.empty(); }
    const std::string& failure() const { return m_failure; }
    int openWindows() const;
    const std::vector<EditKind>& kinds() const { return m_kinds; }
    TMainForm& mainWindow() { return *m_window; }
    // A second main window with every window open, filled from the model
    // as it is now.
    std::unique_ptr<TMainForm> openEveryWindow();
    // Lets every posted layout and paint run, as the event loop would
    // before the next input.
    void settle();
    // Waits for the cutting diagrams, which are planned off the window's
    // thread, to show the plan of the cabinet as it is now.
    void finishPlans();
    // Widget paints since the last call.
    long takePaints();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void defineKinds();

    QTemporaryDir m_screenFolder;
    QTemporaryDir m_coreFolder;
    std::string m_failure;
    std::unique_ptr<SteadyUser> m_user;
    std::unique_ptr<CabinetSession> m_session;
    std::unique_ptr<SessionController> m_controller;
    std::unique_ptr<TMainForm> m_window;
    std::unique_ptr<SteadyUser> m_coreUser;
    std::unique_ptr<CabinetSession> m_core;
    std::vector<EditKind> m_kinds;
    long m_paints = 0;
};

} // namespace boxmill::bench
