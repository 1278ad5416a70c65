// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Prompter.h"

#include <iosfwd>

namespace boxmill::cli {

// Message boxes become lines on standard error: "warning: ", "error: " or
// "information: " and the text. Nobody is there to answer a question, so
// none is asked: it is shown like a message and answered Cancel (or No),
// which never changes or throws away anything.
class CliPrompter : public Prompter {
public:
    explicit CliPrompter(std::ostream& err);

    void message(MessageKind kind, std::string_view text) override;
    bool ask(MessageKind kind, std::string_view text, QuestionButtons buttons) override;

private:
    std::ostream& m_err;
};

} // namespace boxmill::cli
