// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiFixture.h"

#include "core/Money.h"
#include "cutlist/ui/CutListForm.h"
#include "jobs/JobCabinets.h"
#include "jobs/JobLists.h"
#include "jobs/ui/CuttingDiagramForm.h"
#include "jobs/ui/JobFiguresPanel.h"
#include "jobs/ui/JobForm.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QSpinBox>
#include <QTableWidget>

#include <fstream>
#include <iterator>
#include <regex>

using namespace boxmill;

namespace {

namespace fs = std::filesystem;

fs::path SourceFile(const char* relative)
{
    return fs::path(QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QString::fromLatin1(relative)).toStdString())
        .lexically_normal();
}

std::vector<std::string> Row(const QTableWidget* grid, int row)
{
    std::vector<std::string> cells;
    for (int column = 0; column < grid->columnCount(); ++column)
        cells.push_back(grid->item(row, column) ? grid->item(row, column)->text().toStdString() : std::string());
    return cells;
}

std::string Source(const TCuttingDiagramForm& form)
{
    return form.findChild<QLabel*>(QStringLiteral("DiagramSource"))->text().toStdString();
}

} // namespace

class JobWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<test::GuiFixture>();
        m_form = m_fixture->window->jobWindow();
        m_form->show();
    }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    // Two cabinets added, one quantity changed: the figures are the
    // combined lists of exactly that job, and the saved file reads back.
    void editsShowTheCombinedFiguresAndSurviveSaveAndReopen()
    {
        m_fixture->dialogs.fileLists.push_back(
            {SourceFile("../data/Busy.cab"), SourceFile("../../examples/kitchen/Sink.cab")});
        m_form->addCabinets();
        QTableWidget* grid = m_form->cabinets();
        QCOMPARE(grid->rowCount(), 2);
        // The quantity's spin box offers only what a job file can hold.
        grid->setCurrentCell(1, 1);
        grid->editItem(grid->item(1, 1));
        auto* spin = grid->viewport()->findChild<QSpinBox*>();
        QVERIFY(spin);
        QCOMPARE(spin->maximum(), kMostOfOneCabinet);
        spin->setValue(3);
        QTest::keyClick(spin, Qt::Key_Return);
        // The view commits a spin box's value once the key press is over.
        QTRY_COMPARE(m_form->document().job().cabinets[1].quantity, 3);
        grid->item(1, 2)->setText(QStringLiteral("BUSY")); // refused: Busy has it
        QCOMPARE(m_fixture->prompter.shown.size(), std::size_t {1});
        QCOMPARE(Row(grid, 1),
                 (std::vector<std::string> {SourceFile("../../examples/kitchen/Sink.cab").string(), "3", "Sink"}));
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Job - Untitled.job*"));

        const JobDocument& document = m_form->document();
        const CabinetSession& session = *m_fixture->session;
        const auto cabinets =
            LoadJobCabinets(session.model(), session.data().vocabulary, document.job(), document.jobFile());
        QVERIFY(cabinets);
        const auto rows = CombinedRows(*cabinets);
        const QTableWidget* list = m_form->figures()->cutList();
        QCOMPARE(list->rowCount(), static_cast<int>(rows.size()));
        for (int r = 0; r < list->rowCount(); ++r) {
            const JobRow& row = rows[static_cast<std::size_t>(r)];
            QCOMPARE(Row(list, r),
                     (std::vector<std::string> {row.label, std::to_string(row.row.quantity), row.partName,
                                                row.row.width, row.row.length, row.row.stock, row.row.material}));
        }
        const JobCost cost = CombinedCost(*cabinets, m_fixture->session->model().units);
        QVERIFY(cost.total);
        const QTableWidget* money = m_form->figures()->cost();
        QCOMPARE(money->rowCount(), static_cast<int>(cost.wood.rows.size()) + 3);
        QCOMPARE(Row(money, 0)[2], FormatMoney(cost.wood.rows[0].cost));
        QCOMPARE(Row(money, money->rowCount() - 2)[2], FormatMoney(cost.labour));
        QCOMPARE(Row(money, money->rowCount() - 1),
                 (std::vector<std::string> {"Job Total", "", FormatMoney(*cost.total)}));
        test::GuiFixture::grab(m_form, "job-window");

        m_form->undoAction()->trigger();
        QCOMPARE(Row(grid, 1)[1], std::string("1"));
        m_form->redoAction()->trigger();

        const fs::path saved = m_fixture->folder.path() / "jobs" / "Two.job";
        fs::create_directories(saved.parent_path());
        m_fixture->dialogs.choices.push_back(saved);
        QVERIFY(m_form->saveJob());
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Job - Two.job"));
        const Job written = document.job();
        QVERIFY(m_form->newJob());
        QCOMPARE(grid->rowCount(), 0);
        QVERIFY(m_form->openJob(saved));
        QCOMPARE(document.job(), written);
        QCOMPARE(Row(grid, 1)[1], std::string("3"));
    }

    // No lost work: closing the window or the program with unsaved edits
    // asks, and Cancel keeps them.
    void unsavedEditsAreAskedAbout()
    {
        m_form->addCabinetOnScreen();
        QCOMPARE(m_fixture->prompter.shown.size(), std::size_t {1}); // never saved
        QCOMPARE(m_form->cabinets()->rowCount(), 0);
        QVERIFY(m_fixture->session->saveCabinetFile(m_fixture->folder.path() / "Mine.cab"));
        m_form->addCabinetOnScreen();
        QCOMPARE(Row(m_form->cabinets(), 0)[2], std::string("Mine"));

        m_fixture->prompter.saveChoices = {SaveChoice::Cancel, SaveChoice::Cancel};
        QVERIFY(!m_form->close());
        QVERIFY(m_form->isVisible());
        QVERIFY(!m_fixture->window->close());
        QVERIFY(m_fixture->window->isVisible());
        QVERIFY(m_form->document().modified());
        QCOMPARE(m_fixture->prompter.asked.back().text, std::string("Save the changes to the job Untitled.job?"));

        m_fixture->prompter.saveChoices = {SaveChoice::Discard};
        QVERIFY(m_form->close());
        QVERIFY(!m_form->document().modified());

        // A cabinet that cannot be read takes the figures' place; the job
        // can still be mended.
        const fs::path broken = m_fixture->folder.path() / "Broken.job";
        std::ofstream(broken) << "Mine.cab | 2 | Mine\nMissing.cab | 1 | Island\n";
        m_form->show();
        QVERIFY(m_form->openJob(broken));
        QVERIFY(m_form->figures()->note()->text().contains(QStringLiteral("Missing.cab")));
        QCOMPARE(m_form->figures()->cutList()->rowCount(), 0);
        test::GuiFixture::grab(m_form, "job-window-missing");
        m_form->cabinets()->setCurrentCell(1, 0);
        m_form->removeCabinet();
        QVERIFY(m_form->figures()->note()->isHidden());
        QVERIFY(m_form->figures()->cutList()->rowCount() > 0);
    }

    // What changes around the job reaches its figures and its diagrams;
    // a label still being typed counts when the program closes, and an
    // editor left open does not outlive the window it writes to.
    void changesElsewhereAndOpenEditorsReachTheJob()
    {
        QVERIFY(m_form->openJob(SourceFile("../../examples/kitchen/Kitchen.job")));
        m_form->showCuttingDiagrams();
        TCuttingDiagramForm* diagrams = m_fixture->window->cuttingDiagrams();
        diagrams->waitForPlan();
        const std::size_t sheets = diagrams->diagrams().size();
        m_form->cabinets()->item(0, 1)->setText(QStringLiteral("9"));
        diagrams->waitForPlan();
        QVERIFY(diagrams->diagrams().size() > sheets);

        const QString width = m_form->figures()->cutList()->item(0, 3)->text();
        m_fixture->prompter.answers = {true, true, true};
        m_fixture->window->metricAction()->trigger();
        QCOMPARE(m_fixture->session->model().units, UnitMode::Metric);
        QVERIFY(m_form->figures()->cutList()->item(0, 3)->text() != width);

        QTableWidget* grid = m_form->cabinets();
        grid->setCurrentCell(0, 2);
        grid->editItem(grid->item(0, 2));
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText(QStringLiteral("Renamed"));
        m_fixture->prompter.saveChoices = {SaveChoice::Cancel};
        QVERIFY(!m_fixture->window->close());
        QCOMPARE(m_form->document().job().cabinets[0].label, std::string("Renamed"));

        grid->editItem(grid->item(0, 2));
        grid->viewport()->findChild<QLineEdit*>()->setText(QStringLiteral("Gone"));
        m_fixture->window.reset();
    }

    // A cabinet path holding a right-to-left override or markup is told
    // as it is spelled, not turned around or styled.
    void theNoteShowsAPathAsItIsSpelled()
    {
        const fs::path job = m_fixture->folder.path() / "Odd.job";
        std::ofstream(job) << "Gone\xE2\x80\xAE<b>x</b>.cab | 1 | Island\n";
        QVERIFY(m_form->openJob(job));
        const QLabel* note = m_form->figures()->note();
        QVERIFY(!note->text().contains(QChar(0x202E)));
        QVERIFY(note->text().contains(QStringLiteral("Gone\uFFFD<b>x</b>.cab\": ")));
        QCOMPARE(note->textFormat(), Qt::PlainText);
    }

    // Printing puts each sheet on a page of its own.
    void theJobsDiagramsPrintOneSheetAPage()
    {
        QVERIFY(m_form->openJob(SourceFile("../../examples/kitchen/Kitchen.job")));
        m_form->showCuttingDiagrams();
        TCuttingDiagramForm* diagrams = m_fixture->window->cuttingDiagrams();
        QVERIFY(diagrams->isVisible());
        diagrams->waitForPlan();
        QCOMPARE(Source(*diagrams), std::string("Job: Kitchen.job"));
        QVERIFY(diagrams->diagrams().size() > 1);

        const fs::path pdf = m_fixture->folder.path() / "Kitchen.pdf";
        diagrams->setPrinterChooser([&pdf](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf.string()));
            return true;
        });
        diagrams->print();
        std::ifstream file(pdf, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        const std::regex page("/Type\\s*/Page[^s]");
        const auto pages =
            std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), std::sregex_iterator());
        QCOMPARE(static_cast<std::size_t>(pages), diagrams->diagrams().size());

        // The cut list window's entry goes back to the cabinet on screen.
        test::GuiFixture::grab(m_fixture->window->cutListEditor(), "cutlist-editor");
        m_fixture->window->cutListEditor()->findChild<QAction*>(QStringLiteral("CuttingDiagrams"))->trigger();
        diagrams->waitForPlan();
        QCOMPARE(Source(*diagrams), "Cabinet on screen: " + m_fixture->session->model().folders.cabinetName);
    }

private:
    std::unique_ptr<test::GuiFixture> m_fixture;
    TJobForm* m_form = nullptr;
};

QTEST_MAIN(JobWindowTest)
#include "JobWindowTest.moc"
