// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiFixture.h"

#include "core/FileIo.h"
#include "cutlist/JobTotal.h"
#include "cutlist/ui/CostCalculatorPanel.h"
#include "cutlist/ui/CostForm.h"
#include "cutlist/ui/CutListForm.h"
#include "cutlist/ui/CutlistViewerPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBlock>

using namespace boxmill;

class CutlistWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<test::GuiFixture>(); }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    void completeCutListFillsTheViewerAndTheJobTotal()
    {
        auto* window = m_fixture->window.get();
        window->sendToCutlistViewer(CutListKind::Complete);
        auto* grid = window->viewer()->grid();
        const auto& rows = m_fixture->session->cutList().viewer.rows;
        QVERIFY(rows.size() > 10);
        QCOMPARE(grid->rowCount(), static_cast<int>(rows.size()));
        QCOMPARE(grid->item(0, 1)->text().toStdString(), rows[0][1]);
        // The face frame comes first in the complete list.
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Stile(s)"));

        auto* cost = window->costCalculator();
        QVERIFY(!cost->jobTotal()->text().isEmpty());
        QVERIFY(cost->grid()->item(0, 0) && !cost->grid()->item(0, 0)->text().isEmpty());
        QVERIFY(m_fixture->prompter.shown.empty());

        // A smaller list afterwards leaves nothing of the longer one behind.
        window->sendToCutlistViewer(CutListKind::Doors);
        QCOMPARE(grid->rowCount(),
                 std::max<int>(5, static_cast<int>(m_fixture->session->cutList().viewer.rows.size())));
        for (int row = static_cast<int>(m_fixture->session->cutList().viewer.rows.size()); row < grid->rowCount();
             ++row)
            QVERIFY(!grid->item(row, 1) || grid->item(row, 1)->text().isEmpty());
    }

    void aNewCabinetStartsWithoutTheOldCutList()
    {
        auto* window = m_fixture->window.get();
        window->sendToCutlistViewer(CutListKind::Complete);
        QVERIFY(!window->costCalculator()->jobTotal()->text().isEmpty());
        window->newCabinet();
        const auto empty = [](QTableWidget* grid) { return !grid->item(0, 0) || grid->item(0, 0)->text().isEmpty(); };
        QVERIFY(empty(window->viewer()->grid()));
        QVERIFY(empty(window->costCalculator()->grid()));
        QVERIFY(window->costCalculator()->jobTotal()->text().isEmpty());
        QVERIFY(m_fixture->session->cost().cost().rows.empty());
    }

    void labourThatCannotBeUsedIsRefusedAndNoTotalStandsBesideIt()
    {
        auto* window = m_fixture->window.get();
        window->sendToCutlistViewer(CutListKind::Complete);
        auto* cost = window->costCalculator();
        const auto& shown = m_fixture->prompter.shown;
        const auto type = [](QLineEdit* box, const char* text) {
            box->selectAll();
            QTest::keyClicks(box, QString::fromLatin1(text));
        };
        type(cost->hours(), "8");
        QCOMPARE(m_fixture->session->model().record.hours(), std::string("8"));
        const QString eightHours = cost->jobTotal()->text();
        QVERIFY(!eightHours.isEmpty());

        struct Case {
            QLineEdit* box;
            const char* typed;
            const char* kept;
            std::string_view message;
        };
        const Case cases[] = {{cost->hours(), "ab", "8", kHoursRangeMessage},
                              {cost->hours(), "-5", "8", kHoursRangeMessage},
                              {cost->cost(), "-5", "55", kLabourRateRangeMessage}};
        for (const auto& c : cases) {
            type(c.box, c.typed);
            QVERIFY2(cost->jobTotal()->text().isEmpty(), c.typed);
            QVERIFY(shown.empty());
            QTest::keyClick(c.box, Qt::Key_Return);
            QCOMPARE(c.box->text(), QString::fromLatin1(c.kept));
            QCOMPARE(cost->jobTotal()->text(), eightHours);
            QCOMPARE(shown.size(), std::size_t {1});
            QCOMPARE(shown[0].text, std::string(c.message));
            m_fixture->prompter.shown.clear();
        }
        // Emptied, the box leaves no total either until it is filled again.
        cost->hours()->selectAll();
        QTest::keyClick(cost->hours(), Qt::Key_Backspace);
        QVERIFY(cost->jobTotal()->text().isEmpty());
        type(cost->hours(), "8");
        QCOMPARE(cost->jobTotal()->text(), eightHours);
        QVERIFY(shown.empty());
    }

    void aUnitSwitchKeepsTheListAndTheTotalAndShowsPricesPerSquareMetre()
    {
        auto* window = m_fixture->window.get();
        window->sendToCutlistViewer(CutListKind::Complete);
        const QString total = window->costCalculator()->jobTotal()->text();
        QVERIFY(!total.isEmpty());
        m_fixture->prompter.answers = {true};
        window->switchUnits(true);
        QCOMPARE(window->costCalculator()->jobTotal()->text(), total);
        // The first stiles, 1 1/2 inches wide, are 38 mm.
        QCOMPARE(window->viewer()->grid()->item(0, 2)->text(), QStringLiteral("38"));
        QCOMPARE(window->costCalculator()->title(), QStringLiteral("Cost/SqM Calculator"));
        QCOMPARE(window->costCalculator()->grid()->horizontalHeaderItem(1)->text(), QStringLiteral("SqM x Stock"));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("LumberCost"))->text(), QStringLiteral("CostSqM"));
        auto* list = window->findChild<QListWidget*>(QStringLiteral("WoodList"));
        const auto found = list->findItems(QStringLiteral("Red Oak*19*70"), Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        list->setCurrentItem(found[0]);
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("CostSft"))->text(), QStringLiteral("70"));
        test::GuiFixture::grab(window, "main-window-metric");
    }

    void editorShowsTheListingWithTheCaretOnTheDateLine()
    {
        auto* window = m_fixture->window.get();
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("CutAll")), Qt::LeftButton);
        auto* editor = window->cutListEditor();
        QVERIFY(editor->isVisible());
        QVERIFY(editor->text()->textCursor().block().text().startsWith(QStringLiteral("Todays Date ")));
        QVERIFY(editor->text()->toPlainText().contains(QStringLiteral("Cabinet Mill Options:")));
        QCOMPARE(editor->statusPanel(1)->text(), QStringLiteral("Complete Cabinet:"));
        QVERIFY(QFontInfo(editor->text()->font()).fixedPitch());
        test::GuiFixture::grab(editor, "cutlist-editor");

        // Save Cutlist Editor To File copies the working file.
        const auto target = m_fixture->folder.path() / "Xport" / "Complete.txt";
        m_fixture->dialogs.choices = {target};
        window->saveCutlistEditorToFile();
        QCOMPARE(m_fixture->dialogs.requests.back().title, std::string("Save Cutlist To File"));
        QCOMPARE(ReadFileBytes(target).value(), ReadFileBytes(m_fixture->folder.path() / "Cutlist.txt").value());
    }

    void estimatorBreaksTheCostDown()
    {
        auto* estimator = m_fixture->window->woodEstimator();
        estimator->show();
        auto* all = estimator->findChild<QAction*>(QStringLiteral("All"));
        QVERIFY(all);
        all->trigger();
        QVERIFY(estimator->costGrid()->item(0, 0) && !estimator->costGrid()->item(0, 0)->text().isEmpty());
        QVERIFY(!estimator->totalsGrid()->item(0, 1)->text().isEmpty());
        QVERIFY(estimator->costGrid()->rowCount() >= 10);
        test::GuiFixture::grab(estimator, "wood-estimator");
        test::GuiFixture::grab(m_fixture->window.get(), "main-window");
    }

private:
    std::unique_ptr<test::GuiFixture> m_fixture;
};

QTEST_MAIN(CutlistWindowsTest)
#include "CutlistWindowsTest.moc"
