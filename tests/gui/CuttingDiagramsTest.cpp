// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiFixture.h"

#include "jobs/ui/CuttingDiagramForm.h"
#include "session/EditCommands.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

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
        QVERIFY(!form->diagrams().empty());
        QCOMPARE(form->sheetList()->count(), static_cast<int>(form->diagrams().size()));
        QCOMPARE(Source(*form), "Cabinet on screen: " + m_fixture->session->model.folders.cabinetName);
        const auto before = Summaries(*form);
        QVERIFY(EditParameter(*m_fixture->session, Param::Width, {"60", "0"}));
        QVERIFY(Summaries(*form) != before);
        test::GuiFixture::grab(form, "cutting-diagrams-cabinet");
    }

    // A job's sheets hold every cabinet's parts; a job naming a missing
    // cabinet is refused by name and the diagrams shown stay.
    void aJobIsShownWholeOrNotAtAll()
    {
        TCuttingDiagramForm* form = m_fixture->window->cuttingDiagrams();
        form->show();
        const std::size_t cabinetSheets = form->diagrams().size();
        const QString kitchen =
            QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../examples/kitchen/Kitchen.job"));
        QVERIFY(form->openJob(kitchen.toStdString()));
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
        QVERIFY(!form->diagrams().empty());
        std::filesystem::remove(m_fixture->folder.path() / "Sink.cab");
        form->hide();
        form->show();
        QVERIFY(form->diagrams().empty());
        QVERIFY(form->notes()->toPlainText().contains(QStringLiteral("Sink.cab")));
        QCOMPARE(Source(*form), std::string("Job: Own.job"));
        QCOMPARE(m_fixture->prompter.shown.size(), std::size_t {1});

        form->showCabinet();
        QCOMPARE(form->diagrams().size(), cabinetSheets);
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

private:
    std::unique_ptr<test::GuiFixture> m_fixture;
};

QTEST_MAIN(CuttingDiagramsTest)
#include "CuttingDiagramsTest.moc"
