// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace boxmill {

enum class MessageKind { Warning, Error, Information, Confirmation };
enum class QuestionButtons { OkCancel, YesNo };
// The answers to the question asked before unsaved edits would be lost.
enum class SaveChoice { Save, Discard, Cancel };

// The one way the core talks to the user. The desktop program shows modal
// boxes, the command-line companion writes to standard error, and tests
// script the answers.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void message(MessageKind kind, std::string_view text) = 0;
    // True for OK or Yes.
    virtual bool ask(MessageKind kind, std::string_view text, QuestionButtons buttons) = 0;
    // Save, Discard or Cancel. Where no one can answer, saving or stopping
    // are the only safe answers: OK saves, anything else cancels.
    virtual SaveChoice askToSave(std::string_view text)
    {
        return ask(MessageKind::Warning, text, QuestionButtons::OkCancel) ? SaveChoice::Save : SaveChoice::Cancel;
    }
};

} // namespace boxmill
