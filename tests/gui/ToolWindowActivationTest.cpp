// SPDX-License-Identifier: GPL-3.0-or-later
// Coming back to the main window leaves every tool window open: the user
// clicks a part in the designer and types its size in the main window.
// Runs on the offscreen platform and, through run-with-window-manager.sh, on
// X under a real window manager, whose late activations the offscreen
// platform never makes.
#include "GuiFixture.h"
#include "ToolWindows.h"

#include "app/DimensionSettingsPanel.h"
#include "app/DividerForm.h"
#include "cutlist/ui/CostForm.h"
#include "cutlist/ui/CutListForm.h"
#include "designer/ui/CabinetForm.h"
#include "jobs/ui/CuttingDiagramForm.h"
#include "jobs/ui/JobForm.h"
#include "panels/ui/RaisedPanelDesigner.h"
#include "sheets/ui/StockForm.h"
#include "views/ui/ConstructionViews.h"

#include <QDialog>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

#include <functional>

using namespace boxmill;

class ToolWindowActivationTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<test::GuiFixture>();
        QVERIFY(isActive(m_fixture->window.get()));
    }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    // Every window the main menu opens, all open at once, outlives clicks
    // in the main window, one after the other.
    void everyToolWindowStaysOpenWhenTheUserComesBack()
    {
        auto* main = m_fixture->window.get();
        const std::vector<test::ToolWindow> windows = test::MenuToolWindows(main);
        auto* parameters = main->dimensionSettings()->parameterList();
        for (const auto& entry : windows) {
            QAction* action = menuEntry(entry.menuEntry);
            QVERIFY2(action, entry.menuEntry);
            action->trigger();
            QWidget* window = entry.window();
            QVERIFY2(window && window->isVisible(), entry.menuEntry);
            QVERIFY(activate(main));
            QTest::mouseClick(parameters->viewport(), Qt::LeftButton, {},
                              parameters->visualItemRect(parameters->item(2)).center());
            QTest::qWait(50);
            for (const auto& opened : windows) {
                QWidget* other = opened.window();
                QVERIFY2(other && other->isVisible(), opened.menuEntry);
                if (&opened == &entry)
                    break;
            }
        }
        QCOMPARE(parameters->currentRow(), 2);
    }

    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("All") << QStringLiteral("CutAll");
        QTest::newRow("Drawers") << QStringLiteral("CutDrawers");
        QTest::newRow("Cabinet Designer") << QStringLiteral("CabinetDesigner");
    }

    // The activation a window manager gives the main window after another
    // window of the program closed may come after the click on a command
    // that opens a tool window; it used to close that window at once.
    void aWindowJustOpenedOutlivesTheActivationThatFollows_data() { commands_data(); }
    void aWindowJustOpenedOutlivesTheActivationThatFollows()
    {
        QFETCH(QString, command);
        auto* main = m_fixture->window.get();
        QWidget other;
        other.show();
        QVERIFY(activate(&other));

        QWidget* tool = click(command);
        QVERIFY(tool && isActive(tool));
        other.close();
        QVERIFY(activate(main)); // the late activation
        QTest::qWait(100);
        QVERIFY(tool->isVisible());

        // Back in the main window from the tool window, it stays as well.
        QVERIFY(activate(tool));
        QVERIFY(activate(main));
        QTest::qWait(100);
        QVERIFY(tool->isVisible());
    }

    // The same as a user meets it: a dialog closes and the next click opens
    // a tool window, with the window system left to activate what it will.
    void aWindowOpenedRightAfterADialogStaysOpen_data() { commands_data(); }
    void aWindowOpenedRightAfterADialogStaysOpen()
    {
        QFETCH(QString, command);
        auto* main = m_fixture->window.get();
        for (int round = 0; round < 3; ++round) {
            QDialog dialog(main);
            dialog.resize(200, 100);
            QTimer::singleShot(50, &dialog, &QDialog::accept);
            dialog.exec();
            QWidget* tool = click(command);
            QVERIFY(tool);
            QTest::qWait(300);
            QVERIFY2(tool->isVisible(), qPrintable(QStringLiteral("round %1").arg(round)));
            tool->close();
            QVERIFY(activate(main));
        }
    }

    void toolWindowsOpenedElsewhereStayOpenWhenTheUserComesBack()
    {
        auto* main = m_fixture->window.get();
        QWidget* designer = click(QStringLiteral("CabinetDesigner"));
        QVERIFY(designer && isActive(designer));
        // The options window from the designer's tool bar.
        auto* options = designer->findChild<QAction*>(QStringLiteral("CabinetOptions"));
        QVERIFY(options);
        QTest::mouseClick(designer->findChild<QToolBar*>()->widgetForAction(options), Qt::LeftButton);
        QVERIFY(main->optionsWindow()->isVisible());
        QVERIFY(activate(main));
        QTest::qWait(100);
        QVERIFY(main->optionsWindow()->isVisible());
        QVERIFY(designer->isVisible());
    }

private:
    // The window itself has the focus, not one of the windows it owns (a
    // main window counts as active for Qt while its tool window is).
    static bool isActive(const QWidget* window)
    {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }

    static bool activate(QWidget* window)
    {
        const QString title = window->windowTitle();
        window->setWindowTitle(title + QLatin1Char(' '));
        window->setWindowTitle(title);
        QTest::qWait(50);
        window->activateWindow();
        return isActive(window);
    }

    // The main menu's entry of that caption, in any menu.
    QAction* menuEntry(const char* caption) const
    {
        for (QAction* action : m_fixture->window->menuBar()->findChildren<QAction*>())
            if (action->text() == QLatin1String(caption) && !action->menu())
                return action;
        return nullptr;
    }

    // Clicks the main window's button or tool bar button by name and
    // returns the tool window it opens.
    QWidget* click(const QString& command)
    {
        auto* main = m_fixture->window.get();
        if (auto* button = main->findChild<QPushButton*>(command)) {
            QTest::mouseClick(button, Qt::LeftButton);
            return main->cutListEditor();
        }
        auto* action = main->findChild<QAction*>(command);
        auto* bar = main->findChild<QToolBar*>(QStringLiteral("ToolBar1"), Qt::FindDirectChildrenOnly);
        if (!action || !bar)
            return nullptr;
        QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
        return main->designer();
    }

    std::unique_ptr<test::GuiFixture> m_fixture;
};

QTEST_MAIN(ToolWindowActivationTest)
#include "ToolWindowActivationTest.moc"
