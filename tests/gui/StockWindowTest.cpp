// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiFixture.h"

#include "core/FileIo.h"
#include "jobs/ui/CuttingDiagramForm.h"
#include "sheets/StockEditing.h"
#include "sheets/ui/StockForm.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

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

QTableWidgetItem* Cell(TStockForm* form, int row, StockColumn column)
{
    return form->grid()->item(row, static_cast<int>(column));
}

void Click(TStockForm* form, const char* button)
{
    QTest::mouseClick(form->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

} // namespace

class StockWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<test::GuiFixture>(); }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    // A smaller sheet and a new price, saved from the window opened by the
    // menu, are in the file and in the open cutting diagrams.
    void savedStockReachesTheFileAndTheDiagrams()
    {
        QVERIFY(m_fixture->openTestCabinet("Busy.cab"));
        TCuttingDiagramForm* diagrams = m_fixture->window->cuttingDiagrams();
        diagrams->show();
        diagrams->waitForPlan();
        QVERIFY(!diagrams->diagrams().empty());
        const auto before = Summaries(*diagrams);
        // The entry the first sheet was planned on: "Birch Plywood 3/4: sheet 1 of 2".
        const std::string title = diagrams->diagrams().front().title;
        const std::string group = title.substr(0, title.find(':'));

        m_fixture->window->findChild<QAction*>(QStringLiteral("StockListing1"))->trigger();
        TStockForm* form = m_fixture->window->stockListing();
        QVERIFY(form->isVisible());
        QVERIFY(form->problems()->isHidden());
        int row = -1;
        const StockList shown {form->entries(), {}, {}};
        for (const auto& wood : ListedWoods(m_fixture->session->data().woodItems, UnitMode::Inches))
            if (wood.name + " " + wood.thicknessText == group)
                row = static_cast<int>(shown.find(wood.name, wood.thickness) - shown.entries.data());
        QVERIFY(row >= 0);
        Cell(form, row, StockColumn::Length)->setText(QStringLiteral("47 1/2"));
        Cell(form, row, StockColumn::Price)->setText(QStringLiteral("80.25"));
        QVERIFY(form->hasUnsavedChanges());
        QCoreApplication::processEvents();
        test::GuiFixture::grab(form, "stock-listing-inches");

        Click(form, "SaveStock");
        QVERIFY(!form->hasUnsavedChanges());
        const auto read = ReadStockFile(m_fixture->folder.path() / "Stock.txt");
        QVERIFY(read.ok());
        QVERIFY(read->entries == form->entries());
        QCOMPARE(read->entries[row].length, 47.5);
        QCOMPARE(read->entries[row].price, Money {802500});
        diagrams->waitForPlan();
        QVERIFY(Summaries(*diagrams) != before);
        QVERIFY(m_fixture->prompter.shown.empty());
    }

    // A cell that cannot be read is refused, said why and shown as before;
    // in millimetres the cells show and take millimetres.
    void aBadCellIsRefusedAndPutBack()
    {
        TStockForm* form = m_fixture->window->stockListing();
        form->show();
        const auto entries = form->entries();
        Cell(form, 0, StockColumn::Length)->setText(QStringLiteral("60.5"));
        QTRY_COMPARE(m_fixture->prompter.shown.size(), std::size_t {1});
        QVERIFY(m_fixture->prompter.shown[0].text.find("\"60.5\" cannot be read") != std::string::npos);
        QCOMPARE(Cell(form, 0, StockColumn::Length)->text(), QStringLiteral("60"));
        QVERIFY(form->entries() == entries);

        m_fixture->prompter.answers = {true};
        m_fixture->window->metricAction()->trigger();
        QCOMPARE(Cell(form, 0, StockColumn::Length)->text(), QStringLiteral("1524"));
        Cell(form, 0, StockColumn::Width)->setText(QStringLiteral("1525"));
        QCOMPARE(form->entries()[0].width, 1525 * kInchesPerMillimetre);
        QVERIFY(form->woodsWithoutStock()->text().startsWith(QStringLiteral("Every wood")));
        test::GuiFixture::grab(form, "stock-listing-millimetres");
        // An editor left open commits as the windows go, and must not reach
        // a window half taken down.
        form->activateWindow();
        form->grid()->editItem(Cell(form, 1, StockColumn::Length));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1200"));
    }

    // Lines of the file that could not be read are shown, and a save that
    // would drop them asks first; closing with edits asks to save.
    void nothingIsDroppedUntold()
    {
        const auto file = m_fixture->folder.path() / "Stock.txt";
        std::ofstream(file)
            << "sheet Birch Plywood | 0.75 | 96 x 48 | grain | 62\nsheet Oak | x | 96 x 48 | grain | 9\n";
        TStockForm* form = m_fixture->window->stockListing();
        form->show();
        QVERIFY(form->problems()->isVisible());
        QVERIFY(form->problems()->text().contains(QStringLiteral("Stock.txt, line 2")));
        QVERIFY(form->woodsWithoutStock()->text().contains(QStringLiteral("No stock for: Alder 3/4,")));

        Click(form, "AddBoard");
        QCOMPARE(form->entries().back().wood, std::string("Alder"));
        QCoreApplication::processEvents();
        test::GuiFixture::grab(form, "stock-listing-problems");
        // Leaving the program asks about the stock too; Cancel keeps both.
        m_fixture->prompter.saveChoices = {SaveChoice::Cancel};
        QVERIFY(!m_fixture->window->close());
        QVERIFY(form->isVisible() && m_fixture->window->isVisible());

        m_fixture->prompter.saveChoices = {SaveChoice::Save};
        m_fixture->prompter.answers = {false};
        QVERIFY(!form->close());
        QVERIFY(ReadStockFile(file)->problems.size() == 1);

        m_fixture->prompter.answers = {true};
        Click(form, "SaveStock");
        QCOMPARE(ReadStockFile(file)->entries.size(), std::size_t {2});
        QVERIFY(ReadStockFile(file)->problems.empty());
        QVERIFY(form->problems()->isHidden());
        QVERIFY(form->close());

        // A file there but unreadable as a whole is never replaced by the
        // (empty) listing on screen.
        std::ofstream(file, std::ios::app) << std::string(FileCap::DataFile, '#') << '\n';
        const auto size = std::filesystem::file_size(file);
        form->show();
        QVERIFY(form->entries().empty());
        QVERIFY(form->problems()->isVisible());
        QVERIFY(!form->findChild<QPushButton*>(QStringLiteral("SaveStock"))->isEnabled());
        QVERIFY(!form->save());
        QCOMPARE(std::filesystem::file_size(file), size);
    }

private:
    std::unique_ptr<test::GuiFixture> m_fixture;
};

QTEST_MAIN(StockWindowTest)
#include "StockWindowTest.moc"
