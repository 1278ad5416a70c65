// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiFixture.h"
#include "PdfText.h"

#include "jobs/ui/CuttingDiagramForm.h"
#include "paint/CuttingDiagramPages.h"
#include "session/EditCommands.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include <filesystem>
#include <fstream>

using namespace boxmill;

namespace {

std::vector<std::string> Summaries(const TCuttingDiagramForm& form)
{
    std::vector<std::string> lines;
    for (const auto& diagram : form.diagrams())
        lines.push_back(diagram.title + " / " + diagram.summary);
    return lines;
}

// A sheet of many small parts, as a drawer bank's fronts and backs cut
// from one sheet give it.
CuttingDiagram BusySheet(int cuts)
{
    CuttingDiagram diagram;
    diagram.title = "Baltic Birch 1/2: sheet 1 of 1";
    diagram.summary = "60 x 60, grain along, yield 81.5 %, " + std::to_string(cuts) + " cuts, 1365 of cut";
    Shape sheet;
    sheet.name = sheet.hint = "Sheet";
    sheet.width = sheet.height = 60 * kDiagramUnitsPerInch;
    sheet.visible = true;
    diagram.shapes.shapes.push_back(sheet);
    diagram.sheetWidth = diagram.sheetHeight = sheet.width;
    for (int step = 1; step <= cuts; ++step)
        diagram.cutSteps.push_back(std::to_string(step) + ". Crosscut at " + std::to_string(step % 55) +
                                   " 5/8 from the left end, 4 1/2 long");
    diagram.offcutLines = {"Offcut 59 1/2 x 20 3/8", "Offcut 36 1/4 x 7 1/2"};
    return diagram;
}

std::string Source(const TCuttingDiagramForm& form)
{
    return form.findChild<QLabel*>(QStringLiteral("DiagramSource"))->text().toStdString();
}

} // namespace

class CuttingDiagramsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<test::GuiFixture>(); }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    // The cabinet on screen: every sheet listed, and an edit redraws them.
    void theCabinetsSheetsFollowEveryEdit()
    {
        QVERIFY(m_fixture->openTestCabinet("Busy.cab"));
        TCuttingDiagramForm* form = m_fixture->window->cuttingDiagrams();
        form->show();
        form->waitForPlan();
        QVERIFY(!form->diagrams().empty());
        QCOMPARE(form->sheetList()->count(), static_cast<int>(form->diagrams().size()));
        QCOMPARE(Source(*form), "Cabinet on screen: " + m_fixture->session->model().folders.cabinetName);
        // One of a kind reads as one.
        const QString notes = form->notes()->toPlainText();
        QVERIFY2(notes.contains(QStringLiteral("Birch Plywood 1/4: 1 sheet (")), qPrintable(notes));
        QVERIFY2(notes.contains(QStringLiteral("Poplar 3/4: 1 board of 96")), qPrintable(notes));
        const auto before = Summaries(*form);
        QVERIFY(EditParameter(*m_fixture->session, Param::Width, {"60", "0"}));
        form->waitForPlan();
        QVERIFY(Summaries(*form) != before);
        test::GuiFixture::grab(form, "cutting-diagrams-cabinet");
    }

    // A job's sheets hold every cabinet's parts; a job naming a missing
    // cabinet is refused by name and the diagrams shown stay.
    void aJobIsShownWholeOrNotAtAll()
    {
        TCuttingDiagramForm* form = m_fixture->window->cuttingDiagrams();
        form->show();
        form->waitForPlan();
        const std::size_t cabinetSheets = form->diagrams().size();
        const QString kitchen =
            QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../examples/kitchen/Kitchen.job"));
        QVERIFY(form->openJob(kitchen.toStdString()));
        form->waitForPlan();
        QVERIFY(form->diagrams().size() > cabinetSheets);
        QCOMPARE(Source(*form), std::string("Job: Kitchen.job"));
        test::GuiFixture::grab(form, "cutting-diagrams-job");

        const auto shown = Summaries(*form);
        const auto broken = m_fixture->folder.path() / "Broken.job";
        std::ofstream(broken) << "Missing.cab | 1 | Island\n";
        QVERIFY(!form->openJob(broken));
        QCOMPARE(m_fixture->prompter.shown.size(), std::size_t {1});
        QVERIFY(m_fixture->prompter.shown[0].text.find("Missing.cab") != std::string::npos);
        QCOMPARE(Summaries(*form), shown);
        QCOMPARE(Source(*form), std::string("Job: Kitchen.job"));

        // A cabinet gone after its job was opened: the next look says so
        // in place of the diagrams, without a message box each time.
        const auto own = m_fixture->folder.path() / "Own.job";
        std::filesystem::copy_file(std::filesystem::path(kitchen.toStdString()).parent_path() / "Sink.cab",
                                   m_fixture->folder.path() / "Sink.cab");
        std::ofstream(own) << "Sink.cab | 1 | Sink\n";
        QVERIFY(form->openJob(own));
        form->waitForPlan();
        QVERIFY(!form->diagrams().empty());
        std::filesystem::remove(m_fixture->folder.path() / "Sink.cab");
        form->hide();
        form->show();
        QVERIFY(form->diagrams().empty());
        QVERIFY(form->notes()->toPlainText().contains(QStringLiteral("Sink.cab")));
        QCOMPARE(Source(*form), std::string("Job: Own.job"));
        QCOMPARE(m_fixture->prompter.shown.size(), std::size_t {1});

        form->showCabinet();
        form->waitForPlan();
        QCOMPARE(form->diagrams().size(), cabinetSheets);
    }

    // The plan runs off the window's thread and only when what it is made
    // from changed; the latest edit wins, and Cancel keeps the diagrams
    // shown, saying they are older than the cabinet.
    void plansOnlyWhatChangedAndCancelKeepsTheDiagramsShown()
    {
        QVERIFY(m_fixture->openTestCabinet("Busy.cab"));
        TCuttingDiagramForm* form = m_fixture->window->cuttingDiagrams();
        form->show();
        form->waitForPlan();
        const auto wide = Summaries(*form);
        QVERIFY(EditHours(*m_fixture->session, "12.5"));
        QVERIFY(!form->isPlanning());
        form->hide();
        form->show();
        QVERIFY(!form->isPlanning());

        QVERIFY(EditParameter(*m_fixture->session, Param::Width, {"48", "0"}));
        QVERIFY(form->isPlanning());
        form->waitForPlan();
        const auto narrow = Summaries(*form);
        QVERIFY(narrow != wide);
        // A plan overtaken by the next edit is never shown.
        QVERIFY(EditParameter(*m_fixture->session, Param::Width, {"60", "0"}));
        QVERIFY(EditParameter(*m_fixture->session, Param::Width, {"48", "0"}));
        form->waitForPlan();
        QCOMPARE(Summaries(*form), narrow);

        QVERIFY(EditParameter(*m_fixture->session, Param::Width, {"60", "0"}));
        // The button shows only once a plan has taken a while; a quick one
        // is cancelled all the same.
        auto* cancel = form->findChild<QPushButton*>(QStringLiteral("CancelPlan"));
        cancel->click();
        QVERIFY(!form->isPlanning());
        form->waitForPlan();
        QCOMPARE(Summaries(*form), narrow);
        const QLabel* state = form->findChild<QLabel*>(QStringLiteral("PlanState"));
        QVERIFY2(state->text().contains(QStringLiteral("cancelled")), qPrintable(state->text()));
        QVERIFY(!cancel->isVisible());
        // The next look plans the cabinet as it now is.
        form->stockChanged();
        QVERIFY(form->isPlanning());
        form->waitForPlan();
        QVERIFY(Summaries(*form) != narrow);
        QVERIFY(state->isHidden());
    }

    void exportWritesEverySheetAsOnePdf()
    {
        QVERIFY(m_fixture->openTestCabinet("Busy.cab"));
        TCuttingDiagramForm* form = m_fixture->window->cuttingDiagrams();
        form->show();
        const auto pdf = m_fixture->folder.path() / "Busy-diagrams.pdf";
        m_fixture->dialogs.choices.push_back(pdf);
        form->exportDiagrams();
        std::ifstream written(pdf, std::ios::binary);
        std::string start(5, '\0');
        written.read(start.data(), 5);
        QCOMPARE(start, std::string("%PDF-"));
    }

    // A sheet of 97 cuts keeps its sequence at a size read at the saw and
    // goes on over the next page, every cut whole, in order, on A4 too.
    void aLongCutSequenceGoesOnOverTheNextPage()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed; scripts/install-deps.sh installs it");
        const CuttingDiagram busy = BusySheet(97);
        const QString pdf = QString::fromStdString((m_fixture->folder.path() / "busy.pdf").string());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(CuttingDiagramsPdf({busy, BusySheet(5)}, QPageSize(QPageSize::A4), "Busy"));
        file.close();

        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
        QStringList steps;
        for (const QString& line : pages.join(QLatin1Char('\n')).split(QLatin1Char('\n'))) {
            if (line.contains(QStringLiteral(" from the left end")))
                steps << line.trimmed();
        }
        QStringList expected;
        for (const auto& step : busy.cutSteps)
            expected << QString::fromStdString(step);
        for (const auto& step : BusySheet(5).cutSteps)
            expected << QString::fromStdString(step);
        QCOMPARE(steps, expected);
        // The busy sheet, its sequence continued, the small sheet.
        QVERIFY(pages.size() >= 3);
        QVERIFY(pages[1].startsWith(QStringLiteral("Baltic Birch 1/2: sheet 1 of 1 (continued)")));
        // pdftotext gives "ff" back as one letter.
        QVERIFY(pages[1].contains(QStringLiteral("cut 59 1/2 x 20 3/8")));
        for (const test::PdfWord& word : test::PdfWords(pdf)) {
            if (word.text == QStringLiteral("Crosscut"))
                QVERIFY2(word.box.height() >= 8.0,
                         qPrintable(QStringLiteral("%1 pt high on page %2").arg(word.box.height()).arg(word.page)));
        }
    }

private:
    std::unique_ptr<test::GuiFixture> m_fixture;
};

QTEST_MAIN(CuttingDiagramsTest)
#include "CuttingDiagramsTest.moc"
