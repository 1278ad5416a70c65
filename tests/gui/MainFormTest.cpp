// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiFixture.h"

#include "app/CabinetStylePanel.h"
#include "app/DimensionSettingsPanel.h"
#include "app/DisplayCheck.h"
#include "app/IncludePartsPanel.h"
#include "app/SectionalAreaPanel.h"
#include "core/CabinetFile.h"
#include "core/IncludeParts.h"
#include "session/UnitSwitch.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

using namespace boxmill;

class MainFormTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<test::GuiFixture>();
        QCOMPARE(m_fixture->outcome, StartUpOutcome::Ready);
        m_panel = m_fixture->window->dimensionSettings();
    }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    void startsOnTheFirstParameterOfAnAlphabeticalList()
    {
        auto* list = m_panel->parameterList();
        QCOMPARE(list->count(), 73);
        for (int row = 1; row < list->count(); ++row)
            QVERIFY(list->item(row - 1)->text().compare(list->item(row)->text(), Qt::CaseInsensitive) <= 0);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(m_fixture->window->cabinetStyle()->cabinetStyle()->text(), QStringLiteral("Base\\Untitled.cab"));
        QVERIFY(!m_fixture->window->saveCabinetAction()->isEnabled());
        QVERIFY(!m_fixture->session->modified());
    }

    void enteringAWidthChangesTheSectionalGrid()
    {
        auto* grid = m_fixture->window->sectionalArea()->grid();
        const QString before = grid->item(0, 0)->text();
        m_panel->selectParameterByPosition(1); // cabinet width
        QCOMPARE(m_panel->inchesEdit()->text(), QStringLiteral("24"));
        m_panel->inchesEdit()->setText(QStringLiteral("30"));
        m_panel->fractionEdit()->setText(QStringLiteral("1/2"));
        QTest::mouseClick(m_panel->enterButton(), Qt::LeftButton);
        QCOMPARE(m_fixture->session->model().param(1), 30.5);
        QVERIFY(m_fixture->session->modified());
        QVERIFY(grid->item(0, 0)->text() != before);
        QCOMPARE(grid->item(0, 0)->text().toStdString(), m_fixture->session->layout().grid[0][0]);
    }

    void refusedFractionKeepsTheOldValue()
    {
        m_panel->selectParameterByPosition(1);
        const double before = m_fixture->session->model().param(1);
        m_panel->fractionEdit()->setText(QStringLiteral("1/3"));
        QTest::mouseClick(m_panel->enterButton(), Qt::LeftButton);
        QCOMPARE(m_fixture->session->model().param(1), before);
        QCOMPARE(m_fixture->prompter.shown.size(), std::size_t {1});
        QCOMPARE(m_fixture->prompter.shown[0].text, std::string(kBadFractionMessage));
    }

    void topAndCarcassRailExcludeEachOther()
    {
        auto* list = m_fixture->window->includeParts()->list();
        auto& model = m_fixture->session->model();
        QVERIFY(model.include(IncludeItem::CarcassRails));
        m_fixture->prompter.answers = {true}; // Yes keeps the top
        clickCheck(list, IncludeItem::Top);
        QCOMPARE(m_fixture->prompter.asked.back().text, std::string(kTopOrCarcassRailQuestion));
        QVERIFY(model.include(IncludeItem::Top));
        QVERIFY(!model.include(IncludeItem::CarcassRails));
        QCOMPARE(list->item(IncludeItem::CarcassRails)->checkState(), Qt::Unchecked);

        m_fixture->prompter.answers = {false}; // No keeps the carcass rail
        clickCheck(list, IncludeItem::CarcassRails);
        QVERIFY(!model.include(IncludeItem::Top));
        QVERIFY(model.include(IncludeItem::CarcassRails));
        QCOMPARE(list->item(IncludeItem::Top)->checkState(), Qt::Unchecked);
    }

    void uncheckingDoorMullionsShowsTheDoorGap()
    {
        auto* list = m_fixture->window->includeParts()->list();
        if (list->item(IncludeItem::DoorMullions)->checkState() == Qt::Unchecked)
            clickCheck(list, IncludeItem::DoorMullions);
        clickCheck(list, IncludeItem::DoorMullions);
        QCOMPARE(m_panel->selectedParameter(), 31);
    }

    void unitSwitchBothWaysAndItsCancel()
    {
        auto* window = m_fixture->window.get();
        m_fixture->prompter.answers = {false};
        window->metricAction()->trigger();
        QVERIFY(window->inchesAction()->isChecked());
        QCOMPARE(m_fixture->session->model().units, UnitMode::Inches);

        m_fixture->prompter.answers = {true};
        window->metricAction()->trigger();
        QCOMPARE(m_fixture->prompter.asked.back().text, std::string(kToMetricQuestion));
        QVERIFY(window->metricAction()->isChecked());
        QCOMPARE(m_fixture->session->model().units, UnitMode::Metric);
        QVERIFY(!m_panel->fractionEdit()->isVisible());
        m_panel->selectParameterByPosition(0);
        QCOMPARE(m_panel->inchesEdit()->text(), QStringLiteral("876"));

        m_fixture->prompter.answers = {true};
        window->inchesAction()->trigger();
        QCOMPARE(m_fixture->session->model().units, UnitMode::Inches);
        QVERIFY(m_panel->fractionEdit()->isVisible());
    }

    void undoAndRedoKeysTakeBackAndRedoAnEntry()
    {
        auto* window = m_fixture->window.get();
        QVERIFY(QTest::qWaitForWindowActive(window));
        enterWidth("30");
        QVERIFY(window->isWindowModified());
        const QString name = m_panel->parameterList()->currentItem()->text();
        auto* undo = window->findChild<QAction*>(QStringLiteral("Undo"));
        QVERIFY(undo && undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("Undo ") + name);

        test::GuiFixture::grab(window, "main-edited");
        QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_fixture->session->model().param(1), 24.0);
        QCOMPARE(m_panel->inchesEdit()->text(), QStringLiteral("24"));
        QCOMPARE(m_panel->parameterList()->currentItem()->text(), name);
        QVERIFY(!window->isWindowModified());
        QVERIFY(!undo->isEnabled());

        QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_fixture->session->model().param(1), 30.0);
        QCOMPARE(m_panel->inchesEdit()->text(), QStringLiteral("30"));
        QVERIFY(window->isWindowModified());
    }

    void titleShortcutsAndRecentCabinetsFollowTheFile()
    {
        auto* window = m_fixture->window.get();
        QCOMPARE(window->windowTitle(), QStringLiteral("Untitled.cab[*] - Boxmill v4.0"));
        const auto shortcut = [window](const char* caption) {
            for (QAction* action : window->findChildren<QAction*>())
                if (action->text() == QLatin1String(caption))
                    return action->shortcut();
            return QKeySequence();
        };
        QCOMPARE(shortcut("New Cabinet"), QKeySequence(QKeySequence::New));
        QCOMPARE(shortcut("Open Cabinet Library"), QKeySequence(QKeySequence::Open));
        QCOMPARE(shortcut("Save Cabinet"), QKeySequence(QKeySequence::Save));
        QCOMPARE(shortcut("Exit Boxmill"), QKeySequence(QKeySequence::Quit));

        enterWidth("30");
        QVERIFY(window->isWindowModified());
        const auto mine = m_fixture->folder.path() / "Mine";
        std::filesystem::create_directories(mine);
        const auto file = mine / "Sink.cab";
        m_fixture->dialogs.choices = {file};
        window->saveCabinetAs();
        QCOMPARE(window->windowTitle(), QStringLiteral("Sink.cab[*] - Boxmill v4.0"));
        QVERIFY(!window->isWindowModified());

        // The saved cabinet heads the recent list and Open starts in its folder.
        auto* recent = window->findChild<QMenu*>(QStringLiteral("RecentCabinets"));
        QVERIFY(recent);
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().size(), 1);
        window->newCabinet();
        recent->actions().at(0)->trigger();
        QCOMPARE(m_fixture->session->model().param(1), 30.0);
        m_fixture->dialogs.choices = {std::nullopt};
        window->openCabinetLibrary();
        QCOMPARE(m_fixture->dialogs.requests.back().initialFolder, mine);
    }

    void choosingTheUnitsInUseChangesNothing()
    {
        enterWidth("30");
        m_fixture->window->inchesAction()->trigger();
        QVERIFY(m_fixture->prompter.asked.empty());
        QVERIFY(m_fixture->window->inchesAction()->isChecked());
        QCOMPARE(m_fixture->session->model().param(1), 30.0);
    }

    void newWithAModifiedCabinetUnderEachAnswer()
    {
        auto* window = m_fixture->window.get();
        enterWidth("30");
        m_fixture->prompter.saveChoices = {SaveChoice::Discard};
        window->newCabinet();
        QCOMPARE(m_fixture->session->model().param(1), 24.0);
        QVERIFY(!m_fixture->session->modified());

        enterWidth("31");
        m_fixture->prompter.saveChoices = {SaveChoice::Save};
        const auto saved = m_fixture->folder.path() / "Base" / "Wide.cab";
        m_fixture->dialogs.choices = {saved};
        window->newCabinet();
        QVERIFY(std::filesystem::exists(saved));
        QCOMPARE(m_fixture->session->model().param(1), 24.0);
        QCOMPARE(m_fixture->window->cabinetStyle()->cabinetStyle()->text(), QStringLiteral("Untitled.cab"));
    }

    void saveAndReopenRoundTrip()
    {
        auto* window = m_fixture->window.get();
        enterWidth("33");
        const auto file = m_fixture->folder.path() / "Base" / "Vanity.cab";
        m_fixture->dialogs.choices = {file};
        window->saveCabinetAs();
        QVERIFY(window->saveCabinetAction()->isEnabled());
        QCOMPARE(m_fixture->window->cabinetStyle()->cabinetStyle()->text(), QStringLiteral("Vanity.cab"));
        QVERIFY(!m_fixture->session->modified());

        window->newCabinet();
        QCOMPARE(m_fixture->session->model().param(1), 24.0);

        m_fixture->dialogs.choices = {file};
        window->openCabinetLibrary();
        QCOMPARE(m_fixture->session->model().param(1), 33.0);
        m_panel->selectParameterByPosition(1);
        QCOMPARE(m_panel->inchesEdit()->text(), QStringLiteral("33"));

        // The opened cabinet has its file: Ctrl+S writes it there.
        QVERIFY(window->saveCabinetAction()->isEnabled());
        enterWidth("34");
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!m_fixture->session->modified());
        QCOMPARE(ReadCabinetFile(file).value().paramText(1), std::string("34"));

        // Open with unsaved edits: Cancel on the question stops it.
        enterWidth("20");
        m_fixture->prompter.saveChoices = {SaveChoice::Cancel};
        window->openCabinetLibrary();
        QCOMPARE(m_fixture->session->model().param(1), 20.0);
        QVERIFY(m_fixture->session->modified());
    }

    void openWithAModifiedCabinetSavesItFirstOnOk()
    {
        auto* window = m_fixture->window.get();
        const auto kept = m_fixture->folder.path() / "Base" / "Kept.cab";
        enterWidth("28");
        m_fixture->dialogs.choices = {kept};
        window->saveCabinetAs();
        enterWidth("29");
        m_fixture->prompter.saveChoices = {SaveChoice::Save};
        const auto edited = m_fixture->folder.path() / "Base" / "Edited.cab";
        m_fixture->dialogs.choices = {edited, kept};
        window->openCabinetLibrary();
        QCOMPARE(m_fixture->prompter.asked.back().text, std::string("Save cabinet before opening another?"));
        QVERIFY(std::filesystem::exists(edited));
        QCOMPARE(m_fixture->session->model().param(1), 28.0);
        QVERIFY(!m_fixture->session->modified());
        QCOMPARE(m_fixture->window->cabinetStyle()->cabinetStyle()->text(), QStringLiteral("Kept.cab"));
    }

    void displayCheckRefusesOnlyHugeFontScales()
    {
        QVERIFY(DisplaySupported(96, 1));    // an ordinary desktop, Xvfb
        QVERIFY(DisplaySupported(192, 2));   // a high-resolution screen scaled by two
        QVERIFY(DisplaySupported(144, 1.5)); // scaled by one and a half
        QVERIFY(DisplaySupported(120, 1));   // "large fonts" of the old days still fit
        QVERIFY(!DisplaySupported(300, 1));  // text three times the drawing's size
        QVERIFY(DisplaySupported(0, 0));     // a platform that reports nothing
    }

    void exitWithoutChangesAsksOnlyToExit()
    {
        m_fixture->prompter.answers = {false};
        m_fixture->window->exitBoxmill();
        QCOMPARE(m_fixture->prompter.asked.size(), std::size_t {1});
        QCOMPARE(m_fixture->prompter.asked[0].text, std::string("Exit the application Boxmill v4.0?"));
        QVERIFY(m_fixture->window->isVisible());
    }

private:
    void enterWidth(const char* inches)
    {
        m_panel->selectParameterByPosition(1);
        m_panel->inchesEdit()->setText(QString::fromLatin1(inches));
        m_panel->fractionEdit()->clear();
        QTest::mouseClick(m_panel->enterButton(), Qt::LeftButton);
        QVERIFY(m_fixture->session->modified());
    }

    static void clickCheck(QListWidget* list, int row)
    {
        // The check mark sits at the left of the row.
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 10, rect.center().y()));
    }

    std::unique_ptr<test::GuiFixture> m_fixture;
    DimensionSettingsPanel* m_panel = nullptr;
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
