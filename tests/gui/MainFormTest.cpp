// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedPrompter.h"
#include "TempFolder.h"

#include "app/DimensionSettingsPanel.h"
#include "app/CabinetStylePanel.h"
#include "app/MainForm.h"
#include "app/SessionController.h"
#include "core/CabinetSession.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace boxmill;

class MainFormTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<test::TempFolder>();
        test::CopyProgramFolder(BOXMILL_PROGRAM_DIR, m_folder->path());
        m_prompter = std::make_unique<test::ScriptedPrompter>();
        m_session = std::make_unique<CabinetSession>(*m_prompter, m_dialogs);
        QCOMPARE(m_session->startUp(m_folder->path()), StartUpOutcome::Ready);
        m_controller = std::make_unique<SessionController>(*m_session);
        m_window = std::make_unique<TMainForm>(*m_controller);
        m_panel = m_window->dimensionSettings();
        m_window->resize(1280, 1024);
        m_window->show();
    }

    void cleanup()
    {
        m_window.reset();
        m_controller.reset();
        m_session.reset();
        m_folder.reset();
    }

    void listsParametersAlphabetically()
    {
        auto* list = m_panel->parameterList();
        QCOMPARE(list->count(), 73);
        for (int row = 1; row < list->count(); ++row)
            QVERIFY(list->item(row - 1)->text().compare(list->item(row)->text(), Qt::CaseInsensitive) <= 0);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(m_window->cabinetStyle()->cabinetStyle()->text(), QStringLiteral("Base\\Untitled.cab"));
    }

    void showsAndEntersTheSelectedParameter()
    {
        m_panel->selectParameterByPosition(0); // cabinet height
        QCOMPARE(m_panel->selectedParameter(), 0);
        QCOMPARE(m_panel->inchesEdit()->text(), QStringLiteral("34"));
        QCOMPARE(m_panel->fractionEdit()->text(), QStringLiteral("1/2"));

        m_panel->inchesEdit()->setText(QStringLiteral("36"));
        m_panel->fractionEdit()->setText(QStringLiteral("3/4"));
        QTest::mouseClick(m_panel->enterButton(), Qt::LeftButton);
        QCOMPARE(m_session->model.param(0), 36.75);
        QVERIFY(m_session->model.modified);
        QVERIFY(m_prompter->shown.empty());
    }

    void refusedFractionKeepsTheOldValue()
    {
        m_panel->selectParameterByPosition(1); // cabinet width
        const double before = m_session->model.param(1);
        m_panel->fractionEdit()->setText(QStringLiteral("1/3"));
        QTest::mouseClick(m_panel->enterButton(), Qt::LeftButton);
        QCOMPARE(m_session->model.param(1), before);
        QCOMPARE(m_prompter->shown.size(), std::size_t{1});
        QCOMPARE(m_panel->fractionEdit()->text(), QString());
    }

    void grabForReview()
    {
        const QByteArray folder = qgetenv("BOXMILL_GRAB_DIR");
        if (folder.isEmpty())
            QSKIP("set BOXMILL_GRAB_DIR to keep pictures of the windows");
        QVERIFY(m_window->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/main-window.png")));
    }

private:
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<test::ScriptedPrompter> m_prompter;
    test::ScriptedDialogs m_dialogs;
    std::unique_ptr<CabinetSession> m_session;
    std::unique_ptr<SessionController> m_controller;
    std::unique_ptr<TMainForm> m_window;
    DimensionSettingsPanel* m_panel = nullptr;
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
