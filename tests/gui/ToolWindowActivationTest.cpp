// SPDX-License-Identifier: GPL-3.0-or-later
// Activating the main window closes the tool windows, but never one the
// user has just opened from it. Runs on the offscreen platform and, through
// run-with-window-manager.sh, on X under a real window manager, whose late
// activations are what this is about.
#include "GuiFixture.h"

#include "app/DividerForm.h"
#include "cutlist/ui/CutListForm.h"
#include "designer/ui/CabinetForm.h"

#include <QDialog>
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

        // Back in the main window from the tool window, the old rule holds.
        QVERIFY(activate(tool));
        QVERIFY(activate(main));
        QTRY_VERIFY(!tool->isVisible());
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

    void toolWindowsOpenedElsewhereCloseWhenTheUserComesBack()
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
        QTRY_VERIFY(!main->optionsWindow()->isVisible());
        QVERIFY(!designer->isVisible());
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
