// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiFixture.h"
#include "PdfText.h"

#include "core/FileIo.h"
#include "cutlist/ui/CutListForm.h"
#include "paint/ListingFont.h"
#include "paint/PrintPainting.h"
#include "print/PrintDocuments.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/PrintForm.h"
#include "views/ui/ConstructionViews.h"
#include "views/ui/ViewWindow.h"

#include <QAction>
#include <QComboBox>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

using namespace boxmill;

namespace {

// Blanks run together and empty lines dropped: pdftotext spaces columns
// by their position, not by the characters that made them.
QStringList Normalized(const QStringList& lines)
{
    QStringList kept;
    for (const QString& line : lines) {
        const QString simple = line.simplified();
        if (!simple.isEmpty())
            kept << simple;
    }
    return kept;
}

QStringList Normalized(const std::vector<std::string>& lines)
{
    QStringList all;
    for (const auto& line : lines)
        all << QString::fromStdString(line);
    return Normalized(all);
}

// The text of each page of a PDF file.
std::vector<QStringList> PdfPages(const QString& file)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    std::vector<QStringList> text;
    for (const QString& page : pages)
        text.push_back(Normalized(page.split(QLatin1Char('\n'))));
    return text;
}

QStringList Joined(const std::vector<QStringList>& pages)
{
    QStringList all;
    for (const auto& page : pages)
        all << page;
    return all;
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed; scripts/install-deps.sh installs it");
    }
    void init()
    {
        m_fixture = std::make_unique<test::GuiFixture>();
        QVERIFY(m_fixture->openTestCabinet("Busy.cab"));
        m_printerDialogs = 0;
        m_pdf = QString::fromStdString((m_fixture->folder.path() / "printed.pdf").string());
        // The print dialog's OK, with a PDF file for the printer.
        commands()->setPrinterChooser([this](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_pdf);
            ++m_printerDialogs;
            return true;
        });
    }
    void cleanup()
    {
        QVERIFY2(m_headerFaults.isEmpty(), qPrintable(m_headerFaults.join(u'\n')));
        m_headerFaults.clear();
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    void optionsWindowShowsAndRewritesPrintoptDat()
    {
        const auto file = m_fixture->folder.path() / "Printopt.dat";
        QVERIFY(WriteFileAtomic(file, "2\r\n1\r\n"));
        TPrintForm* form = commands()->optionsWindow();
        QTimer::singleShot(0, form, [form] {
            QCOMPARE(form->zoom()->currentText(), QStringLiteral("2.0"));
            QCOMPARE(form->cabinetGap()->currentText(), QStringLiteral("15"));
            test::GuiFixture::grab(form, "PrintViewOptions");
            form->zoom()->setCurrentIndex(form->zoom()->findText(QStringLiteral("3.0")));
            form->cabinetGap()->setCurrentIndex(form->cabinetGap()->findText(QStringLiteral("25")));
            form->findChild<QPushButton*>(QStringLiteral("SaveSettings"))->click();
        });
        QAction* entry = nullptr;
        for (QAction* action : m_fixture->window->findChildren<QAction*>())
            if (action->text() == QStringLiteral("Print View Options"))
                entry = action;
        QVERIFY(entry);
        entry->trigger();
        QCOMPARE(ReadFileBytes(file).value(), std::string("4\r\n3\r\n"));

        // Closed by the window's frame rather than by "Close": saved all the same.
        QTimer::singleShot(0, form, [form] {
            form->zoom()->setCurrentIndex(0);
            form->reject();
        });
        commands()->showOptions();
        QCOMPARE(ReadFileBytes(file).value(), std::string("0\r\n3\r\n"));
    }

    void cutListPrintsEveryLineOnceInOneDocument()
    {
        commands()->printCutlist(ListingBuild::All);
        QCOMPARE(m_printerDialogs, 1);
        const auto pages = printed();
        // A listing of the busy cabinet takes several pages, all of them in
        // the one file.
        QVERIFY2(pages.size() >= 3, std::to_string(pages.size()).c_str());
        const auto& listing = m_fixture->session->cutList().listing;
        QVERIFY(listing);
        QCOMPARE(Joined(pages), Normalized(listing->lines));
        QCOMPARE(pages.front().front(), Normalized(listing->lines).front());
    }

    void editorPrintsItsTextAsShown()
    {
        auto* editor = m_fixture->window->cutListEditor();
        QVERIFY(editor->openWith(ListingBuild::Doors));
        editor->text()->appendPlainText(QStringLiteral("Glue up Friday"));
        test::GuiFixture::grab(editor, "CutlistEditorPrint");
        editor->findChild<QAction*>(QStringLiteral("PrintCutList"))->trigger();
        const QStringList lines = Joined(printed());
        QCOMPARE(lines.back(), QStringLiteral("Glue up Friday"));
        QCOMPARE(lines.front(), Normalized(m_fixture->session->cutList().listing->lines).front());
    }

    void constructionViewsPrintAsShopDrawingsEachOnAPageUnderItsHeading()
    {
        QVERIFY(WriteFileAtomic(m_fixture->folder.path() / "Printopt.dat", "8\r\n0\r\n")); // "5.0", "10"
        TPrintForm* form = commands()->optionsWindow();
        QTimer::singleShot(0, form, [form] { form->accept(); });
        commands()->printConstructionViews(false);
        const auto pages = printed();
        // The opening sizes, then the five drawings.
        QCOMPARE(pages.size(), std::size_t(6));
        QCOMPARE(pages[0].at(0), QStringLiteral("Opening Sizes Section 1 Section 2 Section 3"));
        const std::pair<QString, QString> views[] = {
            {QStringLiteral("Face Frame View:"), QStringLiteral("Face Frame Construction")},
            {QStringLiteral("Front/Shell View:"), QStringLiteral("Front/Shell Construction View")},
            {QStringLiteral("Cabinet Top View:"), QStringLiteral("Top Construction View")},
            {QStringLiteral("Cabinet Side View:"), QStringLiteral("Side Construction View")},
            {QStringLiteral("Finished Cabinet:"), QStringLiteral("Cabinet Designer")}};
        for (std::size_t i = 0; i < std::size(views); ++i) {
            const QStringList& page = pages[i + 1];
            const QString text = page.join(u'|');
            QVERIFY2(page.front() == views[i].first, qPrintable(text));
            // The shop drawing: its table, its overall width and its title block.
            for (const QString& part : {QStringLiteral("Finished Sizes"), QStringLiteral("Part Width Length Stock"),
                                        QStringLiteral("CABINET"), cabinetName(), views[i].second})
                QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" in ") + text));
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("(Width|Depth) \\d"))), qPrintable(text));
        }

        commands()->printDoorDrawerViews();
        const auto doors = printed();
        QCOMPARE(doors.size(), std::size_t(2));
        QCOMPARE(doors[0].front(), QStringLiteral("Door Panel View:"));
        QCOMPARE(doors[1].front(), QStringLiteral("Drawer View:"));
        QVERIFY(doors[1].join(u'|').contains(QStringLiteral("Drawer Construction View")));
    }

    void pagesKeepToTheMarginsAndNoHeadingEndsAPage()
    {
        // The largest font the options offer: its lines are wider than the
        // paper less its margins.
        TPrintForm* options = commands()->optionsWindow();
        options->setFontChooser([](const QFont& current, QWidget*) {
            QFont largest = current;
            largest.setPointSizeF(15);
            return std::optional<QFont>(largest);
        });
        options->selectFont();
        // A printer that offers 3.5 mm and one whose user asked for 20 mm.
        for (const double chosen : {3.5, 20.0}) {
            commands()->setPrinterChooser([this, chosen](QPrinter& printer, QWidget*) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(m_pdf);
                printer.setPageMargins(QMarginsF(chosen, chosen, chosen, chosen), QPageLayout::Millimeter);
                return true;
            });
            const double margin = std::max(chosen, 12.7) * 72 / 25.4;
            TPrintForm* form = commands()->optionsWindow();
            QTimer::singleShot(0, form, [form] { form->accept(); });
            commands()->printConstructionViews(true);
            const auto words = test::PdfWords(m_pdf);
            QVERIFY(words.size() > 100);
            for (const test::PdfWord& word : words) {
                const QRectF paper(QPointF(0, 0), word.pageSize);
                const QRectF inside = paper.adjusted(margin - 0.5, margin - 0.5, 0.5 - margin, 0.5 - margin);
                QVERIFY2(inside.contains(word.box), qPrintable(QStringLiteral("\"%1\" on page %2 at %3, %4")
                                                                   .arg(word.text)
                                                                   .arg(word.page)
                                                                   .arg(word.box.left())
                                                                   .arg(word.box.top())));
            }
            // Whatever the spacing, a heading goes with what it titles.
            for (int gap = 0; gap < int(kGapItems.size()); ++gap) {
                QVERIFY(WriteFileAtomic(m_fixture->folder.path() / "Printopt.dat", "0\r\n" + std::to_string(gap)));
                commands()->printCutlist(ListingBuild::All);
                const auto pages = printed();
                for (std::size_t i = 0; i + 1 < pages.size(); ++i)
                    QVERIFY2(
                        !pages[i].isEmpty() && !pages[i].back().endsWith(u':'),
                        qPrintable(QStringLiteral("gap %1, page %2: %3").arg(gap).arg(i + 1).arg(pages[i].join(u'|'))));
            }
        }
    }

    void doorAndDrawerPagesFromTheMenuAndTheirViews()
    {
        commands()->printDoorDrawerViews();
        QStringList lines = Joined(printed());
        QVERIFY(lines.contains(QStringLiteral("Door Panel View:")));
        QVERIFY(lines.indexOf(QStringLiteral("Drawer View:")) > lines.indexOf(QStringLiteral("Door Panel View:")));

        ViewWindow* drawers = m_fixture->window->constructionViews()->open(ViewKind::Drawer);
        test::GuiFixture::grab(drawers, "DrawerViewPrint");
        drawers->command("PrintDrawerView")->trigger();
        lines = Joined(printed());
        QVERIFY(lines.contains(QStringLiteral("Drawer View:")));
        QVERIFY(!lines.contains(QStringLiteral("Door Panel View:")));
        QCOMPARE(m_printerDialogs, 2);
    }

    void aBrokenPrintoptDatStopsBeforeAnythingPrints()
    {
        const auto file = m_fixture->folder.path() / "Printopt.dat";
        QVERIFY(WriteFileAtomic(file, "3\r\nwide\r\n"));
        m_fixture->prompter.shown.clear();
        commands()->printDoorDrawerViews();
        QVERIFY(!QFile::exists(m_pdf));
        QCOMPARE(m_fixture->prompter.shown.size(), std::size_t(1));
        QVERIFY(m_fixture->prompter.shown[0].text.find("Printopt.dat") != std::string::npos);
        std::filesystem::remove(file);
        m_fixture->prompter.shown.clear();
        commands()->printCutlist(ListingBuild::Cabinet);
        QVERIFY(!QFile::exists(m_pdf));
        QVERIFY(m_fixture->prompter.shown.back().text.find("Printopt.dat") != std::string::npos);
    }

    void textKeepsItsSizeAndSpacingAtEveryResolution()
    {
        std::vector<std::string> listing;
        for (int i = 0; i < 150; ++i)
            listing.push_back("Line " + std::to_string(i));
        const auto compose = [&listing](PageComposer& pages) { pages.lines(listing); };
        const PrintSettings settings {0, 2};
        std::optional<std::size_t> pageCount;
        for (const int dpi : {300, 600, 1200}) {
            QPdfWriter writer(QString::fromStdString((m_fixture->folder.path() / "measure.pdf").string()));
            writer.setResolution(dpi);
            const JobSetup job = MeasureJob(writer, ListingFont(), settings.gap());
            // 13 screen pixels: about a sixth of an inch a line, never
            // overlapped by the next one.
            const double lineInches = double(job.fontSize) / dpi;
            QVERIFY2(lineInches > 0.12 && lineInches < 0.22, std::to_string(lineInches).c_str());
            QVERIFY(job.lineAdvance() > job.fontSize + job.gap / 2);
            QCOMPARE(job.gap, static_cast<int>(std::lround(20.0 * dpi / 96)));

            const QByteArray pdf = PrintJobPdf(ListingFont(), settings, m_fixture->session->model().folders.cabinetName,
                                               compose, QPageSize(QPageSize::Letter), dpi);
            QVERIFY(WriteFileAtomic(m_pdf.toStdString(), std::string_view(pdf.constData(), std::size_t(pdf.size()))));
            const auto pages = printed();
            QCOMPARE(Joined(pages), Normalized(listing));
            if (pageCount)
                QCOMPARE(pages.size(), *pageCount);
            pageCount = pages.size();
        }
    }

private:
    PrintCommands* commands() const { return m_fixture->window->printCommands(); }
    QString cabinetName() const { return QString::fromStdString(m_fixture->session->model().folders.cabinetName); }

    // The printed pages below their headers; every page must be headed by
    // the cabinet's name and its number of all.
    std::vector<QStringList> printed()
    {
        std::vector<QStringList> pages = PdfPages(m_pdf);
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const QString header = QStringLiteral("%1 Page %2 of %3").arg(cabinetName()).arg(i + 1).arg(pages.size());
            if (pages[i].isEmpty() || pages[i].front() != header) {
                m_headerFaults << QStringLiteral("page %1 is headed \"%2\"")
                                      .arg(i + 1)
                                      .arg(pages[i].isEmpty() ? QString() : pages[i].front());
                continue;
            }
            pages[i].removeFirst();
        }
        return pages;
    }

    std::unique_ptr<test::GuiFixture> m_fixture;
    QString m_pdf;
    QStringList m_headerFaults;
    int m_printerDialogs = 0;
};

QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
