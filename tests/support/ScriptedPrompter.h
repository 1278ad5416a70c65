// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FileDialogs.h"
#include "core/Prompter.h"

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace boxmill::test {

// Records every message and question, and answers questions from a script.
// A question nobody scripted is a test failure, not a silent default.
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
        if (answers.empty())
            throw std::logic_error("unscripted question: " + std::string(text));
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Shown> shown;
    std::vector<Shown> asked;
    std::deque<bool> answers;
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

    std::vector<FileDialogRequest> requests;
    std::deque<std::optional<std::filesystem::path>> choices;

private:
    std::optional<std::filesystem::path> next()
    {
        if (choices.empty())
            throw std::logic_error("unscripted file dialog");
        auto choice = choices.front();
        choices.pop_front();
        return choice;
    }
};

} // namespace boxmill::test
