// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpCommands.h"

#include "core/Prompter.h"
#include "help/HelpKeys.h"
#include "help/ui/HelpForm.h"
#include "help/ui/ReadMeForm.h"
#include "paint/QtText.h"
#include "print/ui/PrintCommands.h"
#include "session/CabinetSession.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/ScreenFit.h"
#include "ui/common/SessionController.h"

#include <QAction>
#include <QMenu>

#include <string>

namespace boxmill {

namespace {

// The topics' menus by first letter, each short enough to fit a screen.
constexpr std::pair<char, char> kTopicLetters[] = {{'A', 'B'}, {'C', 'C'}, {'D', 'D'}, {'E', 'L'},
                                                   {'M', 'R'}, {'S', 'S'}, {'T', 'Z'}};

} // namespace

HelpCommands::HelpCommands(SessionController& controller, PrintCommands& print, QWidget* mainWindow)
    : QObject(mainWindow)
    , m_controller(controller)
{
    const CabinetSession& session = controller.session();
    const auto& programFolder = session.model().folders.programFolder;
    m_help = new THelpForm(programFolder, session.prompter(), mainWindow);
    m_readMe = new TReadMeForm(programFolder, session.prompter(), mainWindow);
    for (DocumentWindow* window : {static_cast<DocumentWindow*>(m_help), static_cast<DocumentWindow*>(m_readMe)}) {
        window->setPrintCommand(
            [&print](const QTextDocument& document, const QString& title) { print.printDocument(document, title); });
        KeepWithinScreenWhenShown(window);
    }
    m_requests = new HelpRequests(this);
    connect(m_requests, &HelpRequests::requested, this, &HelpCommands::requestHelp);

    m_enable = new QAction(QStringLiteral("Enable Information Index (Help)"), this);
    m_enable->setObjectName(QStringLiteral("DoubleClickHelp1"));
    m_enable->setCheckable(true);
    m_enable->setChecked(true);
    connect(m_enable, &QAction::triggered, this, &HelpCommands::toggleHelp);
}

void HelpCommands::addToolsEntry(QMenu& tools)
{
    tools.addAction(m_enable);
}

void HelpCommands::addViewEntry(QMenu& view)
{
    view.addAction(QStringLiteral("Fraction Table"), this, [this] { requestHelp(QStringLiteral("Fraction Table:")); })
        ->setObjectName(QStringLiteral("FractionTable1"));
}

void HelpCommands::addHelpEntries(QMenu& help)
{
    QMenu* index = help.addMenu(QStringLiteral("Information Index"));
    index->setObjectName(QStringLiteral("InformationIndex1"));
    for (const auto& [first, last] : kTopicLetters) {
        QMenu* letters =
            index->addMenu(first == last ? QString(QLatin1Char(first))
                                         : QString(QLatin1Char(first)) + QStringLiteral(" - ") + QLatin1Char(last));
        for (const std::string_view key : kHelpKeys) {
            if (key.front() < first || key.front() > last)
                continue;
            // A topic reads as its heading, colon and all, so it is not taken
            // for the command of the same name.
            letters->addAction(ToQt(key), this, [this, key] { requestHelp(ToQt(key)); });
        }
    }
    help.addAction(QStringLiteral("About Information Index"), this, [this] { requestHelp(ToQt(kWelcomeHelpKey)); })
        ->setObjectName(QStringLiteral("AboutInformationIndex1"));
    help.addAction(QStringLiteral("Read Me First (Boxguide)"), m_readMe, &TReadMeForm::showReadMe)
        ->setObjectName(QStringLiteral("ReadMeBoxguide1"));
    help.addSeparator();
}

void HelpCommands::requestHelp(const QString& key)
{
    m_help->requestHelp(key);
}

void HelpCommands::toggleHelp()
{
    // The action has already flipped its mark.
    const bool enabled = m_enable->isChecked();
    m_help->setHelpEnabled(enabled);
    const std::string word = enabled ? "Enable" : "Disable";
    m_controller.session().prompter().message(
        MessageKind::Information,
        "This will \"" + word +
            "\" the interface help system and the help contents on the menu. This is the double click on the "
            "groups of Boxmill functions or certain text that returns help on the subject.");
}

} // namespace boxmill
