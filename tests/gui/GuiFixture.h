// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScriptedPrompter.h"
#include "TempFolder.h"

#include "app/MainForm.h"
#include "session/CabinetSession.h"
#include "ui/common/SessionController.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace boxmill::test {

// The whole program on a scratch copy of the program folder, with scripted
// answers for every question and file dialog.
struct GuiFixture {
    GuiFixture()
    {
        CopyProgramFolder(BOXMILL_PROGRAM_DIR, folder.path());
        // The user's settings (recent cabinets) of a test stay in its folder.
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString((folder.path() / "settings").string()));
        session = std::make_unique<CabinetSession>(prompter, dialogs);
        outcome = session->startUp(folder.path());
        controller = std::make_unique<SessionController>(*session);
        window = std::make_unique<TMainForm>(*controller);
        window->setSplashEnabled(false);
        window->resize(1280, 1024);
        window->show();
    }

    // Saves a picture of a window when BOXMILL_GRAB_DIR names a folder, so a
    // person can look at what the tests drove.
    static void grab(QWidget* widget, const char* name)
    {
        const QByteArray target = qgetenv("BOXMILL_GRAB_DIR");
        if (target.isEmpty())
            return;
        QVERIFY(widget->grab().save(QString::fromLocal8Bit(target) + QLatin1Char('/') + QString::fromLatin1(name) +
                                    QStringLiteral(".png")));
    }

    // Check boxes and radio buttons take clicks on their mark and caption
    // only, not on the empty width a layout may give them.
    static void clickMark(QAbstractButton* button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    // Loads a cabinet of tests/data as Open would, and lets every window
    // show it.
    bool openTestCabinet(const char* name)
    {
        const QString file =
            QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../data/")) + QString::fromLatin1(name);
        if (!session->loadCabinetFile(file.toStdString()))
            return false;
        session->recalculateAfterLoad();
        controller->announceCabinetReplaced();
        return true;
    }

    // The questions and file dialogs that came unscripted, one per line.
    std::string surprises() const
    {
        std::string text;
        for (const auto* record : {&prompter.unexpected, &dialogs.unexpected})
            for (const auto& line : *record)
                text += line + '\n';
        return text;
    }

    TempFolder folder;
    ScriptedPrompter prompter;
    ScriptedDialogs dialogs;
    std::unique_ptr<CabinetSession> session;
    StartUpOutcome outcome = StartUpOutcome::Incomplete;
    std::unique_ptr<SessionController> controller;
    std::unique_ptr<TMainForm> window;
};

} // namespace boxmill::test
