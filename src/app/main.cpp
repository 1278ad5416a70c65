// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"
#include "MainForm.h"
#include "paint/QtText.h"
#include "ui/common/MessageBoxPrompter.h"
#include "ui/common/QtFileDialogs.h"
#include "ui/common/SessionController.h"

#include "core/ProgramFolder.h"
#include "core/Version.h"
#include "session/CabinetSession.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>

#include <filesystem>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The recent cabinets are kept under this name in the user's settings.
    QApplication::setOrganizationName(QStringLiteral("Boxmill"));
    QApplication::setApplicationName(QString::fromLatin1(boxmill::kProgramTitle));

    boxmill::MessageBoxPrompter prompter;
    if (const QScreen* screen = QGuiApplication::primaryScreen();
        screen && !boxmill::DisplaySupported(screen->logicalDotsPerInch(), screen->devicePixelRatio())) {
        prompter.message(boxmill::MessageKind::Error, boxmill::kLargeFontsMessage);
        return 1;
    }
    boxmill::QtFileDialogs dialogs;
    boxmill::CabinetSession session(prompter, dialogs);

    // The program folder is the folder the program was started in when it
    // holds the data files; started from a desktop menu, the user's own.
    std::error_code ignored;
    const auto folder = boxmill::ChooseProgramFolder(
        {std::filesystem::current_path(ignored),
         boxmill::InstalledDataFolder(boxmill::FromQt(QCoreApplication::applicationFilePath())),
         boxmill::UserProgramFolder()});
    if (!folder) {
        prompter.message(boxmill::MessageKind::Error, folder.error());
        return 1;
    }
    // The cabinet file the desktop opens with the program (the entry's %f).
    const QStringList arguments = QCoreApplication::arguments();
    const QString opened = arguments.size() > 1 ? QFileInfo(arguments.at(1)).absoluteFilePath() : QString();
    const auto outcome = session.startUp(*folder);
    if (outcome == boxmill::StartUpOutcome::EndProgram)
        return 1;
    if (!opened.isEmpty())
        session.openRecentCabinet(QFile::encodeName(opened).toStdString());

    boxmill::SessionController controller(session);
    boxmill::TMainForm window(controller);
    prompter.setParent(&window);
    dialogs.setParent(&window);
    window.showMaximized();
    // For timing the start: end as soon as the window has shown.
    if (qEnvironmentVariableIsSet("BOXMILL_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
