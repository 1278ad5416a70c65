// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliPrompter.h"

#include <ostream>

namespace boxmill::cli {

namespace {

const char* Prefix(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning: return "warning: ";
    case MessageKind::Error: return "error: ";
    case MessageKind::Information:
    case MessageKind::Confirmation: break;
    }
    return "information: ";
}

} // namespace

CliPrompter::CliPrompter(std::ostream& err)
    : m_err(err)
{
}

void CliPrompter::message(MessageKind kind, std::string_view text)
{
    if (kind == MessageKind::Error)
        ++m_refusals;
    m_err << Prefix(kind) << text << '\n';
}

bool CliPrompter::ask(MessageKind kind, std::string_view text, QuestionButtons buttons)
{
    ++m_refusals;
    m_err << Prefix(kind) << text << (buttons == QuestionButtons::YesNo ? " (answered No)" : " (answered Cancel)")
          << '\n';
    return false;
}

} // namespace boxmill::cli
