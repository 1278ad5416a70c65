// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Prompter.h"

#include <cstddef>
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

    // Errors shown and questions met so far: a scripted edit that meets
    // either did not do what it was asked, since nobody chose the answer.
    std::size_t refusals() const { return m_refusals; }

private:
    std::ostream& m_err;
    std::size_t m_refusals = 0;
};

} // namespace boxmill::cli
