// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FileDialogs.h"
#include "core/Prompter.h"

#include <deque>
#include <optional>
#ifdef BOXMILL_GTEST
#include <gtest/gtest.h>
#endif
#include <string>
#include <vector>

namespace boxmill::test {

// A question or file dialog nobody scripted is a test failure, not a silent
// default. It is recorded and cancelled rather than thrown: an exception
// must not unwind through Qt's event loop. GoogleTest tests fail at once;
// the GUI fixture checks the record when each test ends.
inline void ReportUnscripted(std::vector<std::string>& record, std::string what)
{
#ifdef BOXMILL_GTEST
    ADD_FAILURE() << what;
#endif
    record.push_back(std::move(what));
}

// Records every message and question, and answers questions from a script.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        MessageKind kind;
        std::string text;
    };

    void message(MessageKind kind, std::string_view text) override { shown.push_back({kind, std::string(text)}); }

    bool ask(MessageKind kind, std::string_view text, QuestionButtons) override
    {
        asked.push_back({kind, std::string(text)});
        if (answers.empty()) {
            ReportUnscripted(unexpected, "unscripted question: " + std::string(text));
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    SaveChoice askToSave(std::string_view text) override
    {
        asked.push_back({MessageKind::Warning, std::string(text)});
        if (saveChoices.empty()) {
            ReportUnscripted(unexpected, "unscripted save question: " + std::string(text));
            return SaveChoice::Cancel;
        }
        const SaveChoice choice = saveChoices.front();
        saveChoices.pop_front();
        return choice;
    }

    std::vector<Shown> shown;
    std::vector<Shown> asked;
    std::deque<bool> answers;
    std::deque<SaveChoice> saveChoices;
    std::vector<std::string> unexpected;
};

class ScriptedDialogs : public FileDialogs {
public:
    std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) override
    {
        requests.push_back(request);
        return next();
    }
    std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) override
    {
        requests.push_back(request);
        return next();
    }
    std::vector<std::filesystem::path> openFiles(const FileDialogRequest& request) override
    {
        requests.push_back(request);
        if (fileLists.empty()) {
            ReportUnscripted(unexpected, "unscripted file dialog: " + request.title);
            return {};
        }
        auto chosen = std::move(fileLists.front());
        fileLists.pop_front();
        return chosen;
    }

    std::vector<FileDialogRequest> requests;
    std::deque<std::optional<std::filesystem::path>> choices;
    // The answers of the dialogs that choose several files.
    std::deque<std::vector<std::filesystem::path>> fileLists;
    std::vector<std::string> unexpected;

private:
    std::optional<std::filesystem::path> next()
    {
        if (choices.empty()) {
            ReportUnscripted(unexpected, "unscripted file dialog: " + requests.back().title);
            return std::nullopt;
        }
        auto choice = choices.front();
        choices.pop_front();
        return choice;
    }
};

} // namespace boxmill::test
