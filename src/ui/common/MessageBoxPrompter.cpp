// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageBoxPrompter.h"

#include "paint/QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace boxmill {

namespace {

QMessageBox::Icon IconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString TitleOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning: return QStringLiteral("Warning");
    case MessageKind::Error: return QStringLiteral("Error");
    case MessageKind::Information: return QStringLiteral("Information");
    case MessageKind::Confirmation: return QStringLiteral("Confirm");
    }
    return {};
}

// Messages quote file names and what files hold: shown as plain text, with
// no control or direction-changing character, a name such as "<b>Oak" or
// one holding U+202E shows as it is spelled instead of restyling or turning
// the message around.
void ShowPlainly(QMessageBox& box, std::string_view text)
{
    box.setTextFormat(Qt::PlainText);
    box.setText(MessageToQt(text));
}

} // namespace

QWidget* MessageBoxPrompter::owner() const
{
    // The box belongs to the window the user is working in, so that closing
    // it hands the focus back there and not to the main window.
    QWidget* active = QApplication::activeWindow();
    return active ? active : m_parent;
}

void MessageBoxPrompter::message(MessageKind kind, std::string_view text)
{
    QMessageBox box(IconOf(kind), TitleOf(kind), {}, QMessageBox::Ok, owner());
    ShowPlainly(box, text);
    box.exec();
}

bool MessageBoxPrompter::ask(MessageKind kind, std::string_view text, QuestionButtons buttons)
{
    const bool yesNo = buttons == QuestionButtons::YesNo;
    const auto accept = yesNo ? QMessageBox::Yes : QMessageBox::Ok;
    const auto reject = yesNo ? QMessageBox::No : QMessageBox::Cancel;
    QMessageBox box(IconOf(kind), TitleOf(kind), {}, accept | reject, owner());
    ShowPlainly(box, text);
    box.setDefaultButton(accept);
    return box.exec() == accept;
}

SaveChoice MessageBoxPrompter::askToSave(std::string_view text)
{
    QMessageBox box(QMessageBox::Warning, TitleOf(MessageKind::Warning), {},
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner());
    ShowPlainly(box, text);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save: return SaveChoice::Save;
    case QMessageBox::Discard: return SaveChoice::Discard;
    default: return SaveChoice::Cancel;
    }
}

} // namespace boxmill
