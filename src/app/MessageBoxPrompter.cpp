// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxPrompter.h"

#include "QtText.h"

#include <QMessageBox>

namespace boxmill {

namespace {

QMessageBox::Icon IconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString TitleOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QStringLiteral("Warning");
    case MessageKind::Error:
        return QStringLiteral("Error");
    case MessageKind::Information:
        return QStringLiteral("Information");
    case MessageKind::Confirmation:
        return QStringLiteral("Confirm");
    }
    return {};
}

} // namespace

void MessageBoxPrompter::message(MessageKind kind, std::string_view text)
{
    QMessageBox box(IconOf(kind), TitleOf(kind), ToQt(text), QMessageBox::Ok, m_parent);
    box.exec();
}

bool MessageBoxPrompter::ask(MessageKind kind, std::string_view text, QuestionButtons buttons)
{
    const bool yesNo = buttons == QuestionButtons::YesNo;
    const auto accept = yesNo ? QMessageBox::Yes : QMessageBox::Ok;
    const auto reject = yesNo ? QMessageBox::No : QMessageBox::Cancel;
    QMessageBox box(IconOf(kind), TitleOf(kind), ToQt(text), accept | reject, m_parent);
    box.setDefaultButton(accept);
    return box.exec() == accept;
}

} // namespace boxmill
