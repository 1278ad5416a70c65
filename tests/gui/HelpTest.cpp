// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiFixture.h"

#include "app/DividerForm.h"
#include "app/HelpCommands.h"
#include "core/FileIo.h"
#include "cutlist/ui/CostForm.h"
#include "cutlist/ui/CutListForm.h"
#include "designer/ui/CabinetForm.h"
#include "designer/ui/EditingForm.h"
#include "help/HelpKeys.h"
#include "help/ui/HelpForm.h"
#include "help/ui/ReadMeForm.h"
#include "panels/ui/DoorPanelForm.h"
#include "panels/ui/RaisedPanelDesigner.h"
#include "print/ui/PrintCommands.h"
#include "print/ui/PrintForm.h"
#include "ui/common/HelpRequests.h"
#include "views/ui/ConstructionViews.h"
#include "views/ui/ViewWindow.h"

#include <QAction>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>

#include <algorithm>
#include <functional>

using namespace boxmill;

namespace {

// A point of `widget` that none of its children covers, where a double
// click reaches the widget itself.
QPoint UncoveredPoint(QWidget* widget)
{
    for (int y = 1; y < widget->height(); y += 2)
        for (int x = widget->width() - 2; x > 0; x -= 3)
            if (widget->childAt(x, y) == nullptr)
                return {x, y};
    return {};
}

void DoubleClick(QWidget* widget, QPoint at)
{
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

// The grid's cell at `row`, `column` double-clicked, as a user would.
void DoubleClickCell(QTableWidget* grid, int row, int column)
{
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    const QRect cell = grid->visualRect(index);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    DoubleClick(grid->viewport(), cell.center());
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<test::GuiFixture>();
        QVERIFY(m_fixture->openTestCabinet("Busy.cab"));
    }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    // One control of every window, each with the heading it asks for.
    void doubleClickOpensTheIndexAtTheKey()
    {
        TMainForm& main = *m_fixture->window;
        const auto view = [&main](ViewKind kind) {
            main.openView(kind);
            return main.constructionViews()->window(kind);
        };
        const auto shown = [](QWidget* window) {
            window->show();
            return window;
        };
        const auto named = [](QWidget* window, const char* name) {
            return window->findChild<QWidget*>(QString::fromLatin1(name));
        };
        const auto grid = [](QWidget* window, const char* name) {
            return window->findChild<QTableWidget*>(QString::fromLatin1(name));
        };
        struct Case {
            std::function<QWidget*()> control;
            // A grid's cell, or -1 for a control clicked where it is bare.
            int row;
            int column;
            const char* key;
        };
        const Case cases[] = {
            {[&] { return main.findChild<QToolBar*>(QStringLiteral("ToolBar1")); }, -1, -1, "Tool Bar Main Menu:"},
            {[&] { return named(&main, "Parameters"); }, -1, -1, "Parameters:"},
            {[&] { return named(&main, "LumberCost"); }, -1, -1, "Board Cost:"},
            {[&] { return named(&main, "CabinetEditingBox"); }, -1, -1, "Cabinet Editing:"},
            {[&] { return grid(&main, "SectionalArea"); }, 3, 1, "Shelve:Upper"},
            {[&] { return grid(&main, "CutListData"); }, 0, 2, "Viewer Width:"},
            {[&] { return grid(&main, "WoodCostData"); }, 0, 1, "SqFt x Stock:"},
            {[&] { return named(shown(main.optionsWindow()), "GroupBox10"); }, -1, -1, "Front Cut:"},
            {[&] { return named(shown(main.optionsWindow()), "Label1"); }, -1, -1, "Nailers To Cut:"},
            {[&] { return named(shown(main.designer()), "FunctionName"); }, -1, -1, "Editing Box:"},
            {[&] { return grid(shown(main.designer()), "FrontViewData"); }, 0, 0, "Viewer Parts:"},
            {[&] { return shown(main.editingWindow()); }, -1, -1, "Cabinet Editing:"},
            {[&] { return named(shown(main.cutListEditor()), "ToolBar1"); }, -1, -1, "Tool Bar Cutlist Editor:"},
            {[&] { return named(shown(main.woodEstimator()), "ToolBar1"); }, -1, -1, "Wood Estimator:"},
            {[&] { return named(view(ViewKind::Shell), "ToolBar1"); }, -1, -1, "Tool Bar Front/Shell Construction:"},
            {[&] { return named(view(ViewKind::Side), "DataBox"); }, -1, -1, "Side Dimensions:"},
            {[&] { return grid(view(ViewKind::Top), "ViewData"); }, 0, 3, "Viewer Stock:"},
            {[&] { return named(view(ViewKind::Face), "DimensionOptions"); }, -1, -1, "Face Frame Dimension Options:"},
            {[&] { return named(view(ViewKind::Door), "Label1"); }, -1, -1, "Showing Doors:"},
            {[&] { return named(view(ViewKind::Drawer), "Label1"); }, -1, -1, "Showing Drawer:"},
            {[&] {
                 main.raisedPanelDesigner()->show();
                 return named(main.raisedPanelDesigner()->window(), "UpperPanels");
             },
             -1, -1, "Upper Panels:"},
            {[&] { return shown(main.printCommands()->optionsWindow()); }, -1, -1, "Print View Options:"},
        };
        THelpForm* help = main.help()->helpForm();
        for (const Case& test : cases) {
            help->hide();
            const QString key = QString::fromLatin1(test.key);
            QWidget* control = test.control();
            QVERIFY2(control, test.key);
            QVERIFY(QTest::qWaitForWindowExposed(control->window()));
            if (test.row < 0)
                DoubleClick(control,
                            qobject_cast<QLabel*>(control) ? control->rect().center() : UncoveredPoint(control));
            else
                DoubleClickCell(static_cast<QTableWidget*>(control), test.row, test.column);
            QVERIFY2(help->isVisible(), test.key);
            verifyShownAtKey(key);
            if (control->window() != &main)
                control->window()->hide();
        }
        QCOMPARE(m_fixture->prompter.shown.size(), std::size_t {0});

        // Every caption of every window asks for a heading the manual has.
        for (QWidget* widget : QApplication::allWidgets()) {
            const auto key = HelpKeyForDoubleClick(widget);
            if (key && !key->isEmpty())
                QVERIFY2(std::find(kHelpKeys.begin(), kHelpKeys.end(), key->toStdString()) != kHelpKeys.end(),
                         qPrintable(*key));
        }

        // Three of them as a person sees them.
        const std::pair<const char*, const char*> grabs[] = {{"Parameters:", "InformationIndex-Parameters"},
                                                             {"Viewer Width:", "InformationIndex-ViewerWidth"},
                                                             {"Double Panel:", "InformationIndex-DoublePanel"}};
        for (const auto& [key, name] : grabs) {
            main.help()->requestHelp(QString::fromLatin1(key));
            test::GuiFixture::grab(help, name);
        }
    }

    // The toggle reports in both directions; off, neither a double click
    // nor a menu topic shows anything, says anything or reads any file.
    void disabledHelpDoesNothingAtAll()
    {
        HelpCommands& commands = *m_fixture->window->help();
        QAction* toggle = commands.enableAction();
        QVERIFY(toggle->isChecked());
        toggle->trigger();
        QVERIFY(!toggle->isChecked());
        QCOMPARE(m_fixture->prompter.shown.size(), std::size_t {1});
        QCOMPARE(m_fixture->prompter.shown[0].text,
                 std::string("This will \"Disable\" the interface help system and the help contents on the menu. This "
                             "is the double click on the groups of Boxmill functions or certain text that returns help "
                             "on the subject."));

        // Even a help document that is missing goes unnoticed.
        std::filesystem::remove(m_fixture->folder.path() / "Cabhelp.rtf");
        auto* bar = m_fixture->window->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        DoubleClick(bar, UncoveredPoint(bar));
        m_fixture->window->findChild<QAction*>(QStringLiteral("AboutInformationIndex1"))->trigger();
        m_fixture->window->findChild<QAction*>(QStringLiteral("FractionTable1"))->trigger();
        QVERIFY(!commands.helpForm()->isVisible());
        QCOMPARE(m_fixture->prompter.shown.size(), std::size_t {1});

        toggle->trigger();
        QVERIFY(toggle->isChecked());
        QCOMPARE(m_fixture->prompter.shown.size(), std::size_t {2});
        QVERIFY(m_fixture->prompter.shown[1].text.starts_with("This will \"Enable\" the interface"));
    }

    // The document is read anew for each request; the first of two
    // occurrences is the one selected; a key or a file that is not there is
    // reported by name and shows no window.
    void requestsReadTheDocumentAndReportWhatIsMissing()
    {
        HelpCommands& commands = *m_fixture->window->help();
        const auto document = m_fixture->folder.path() / "Cabhelp.rtf";
        QVERIFY(WriteFileAtomic(document, "{\\rtf1 Intro: see Twice:\\par{\\b Twice:}\\par Text.}"));
        commands.requestHelp(QStringLiteral("Twice:"));
        QCOMPARE(commands.helpForm()->viewer()->textCursor().selectionStart(), 11);
        verifyShownAtKey(QStringLiteral("Twice:"));

        QVERIFY(WriteFileAtomic(document, "{\\rtf1 Changed Twice:\\par}"));
        commands.helpForm()->hide();
        commands.requestHelp(QString());
        QCOMPARE(commands.helpForm()->viewer()->textCursor().selectionStart(), 8);

        commands.helpForm()->hide();
        commands.requestHelp(QStringLiteral("Nowhere:"));
        QVERIFY(!commands.helpForm()->isVisible());
        QCOMPARE(m_fixture->prompter.shown.back().text, std::string("Could not find: Nowhere:"));
        QCOMPARE(m_fixture->prompter.shown.back().kind, MessageKind::Error);

        const QString folder = QDir::currentPath();
        for (const char* name : {"Cabhelp.rtf", "Readme.rtf"}) {
            QVERIFY(WriteFileAtomic(m_fixture->folder.path() / name, "{\\rtf1 {broken"));
            m_fixture->prompter.shown.clear();
            if (name[0] == 'C')
                commands.requestHelp(QStringLiteral("Parameters:"));
            else
                m_fixture->window->findChild<QAction*>(QStringLiteral("ReadMeBoxguide1"))->trigger();
            QCOMPARE(m_fixture->prompter.shown.size(), std::size_t {1});
            QVERIFY2(m_fixture->prompter.shown[0].text.find(name) != std::string::npos,
                     m_fixture->prompter.shown[0].text.c_str());
            QVERIFY(!commands.helpForm()->isVisible() && !commands.readMeForm()->isVisible());
            QCOMPARE(QDir::currentPath(), folder);
        }
    }

    // Both windows print their whole text, under their captions, through
    // the program's print dialog.
    void readMeShowsAndBothWindowsPrint()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed; scripts/install-deps.sh installs it");
        HelpCommands& commands = *m_fixture->window->help();
        const QString pdf = QString::fromStdString((m_fixture->folder.path() / "printed.pdf").string());
        QString jobName;
        m_fixture->window->printCommands()->setPrinterChooser([&](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            jobName = printer.docName();
            return true;
        });
        m_fixture->window->findChild<QAction*>(QStringLiteral("ReadMeBoxguide1"))->trigger();
        TReadMeForm* readMe = commands.readMeForm();
        QVERIFY(readMe->isVisible());
        QCOMPARE(readMe->windowTitle(), QStringLiteral("Read Me First (Boxguide)"));
        QVERIFY(!readMe->viewer()->document()->isEmpty());
        test::GuiFixture::grab(readMe, "ReadMe");

        const auto printedText = [&pdf] {
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
            pdftotext.waitForFinished(30000);
            return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        };
        readMe->printButton()->click();
        QCOMPARE(jobName, QStringLiteral("Read Me First (Boxguide)"));
        const QString firstLine = readMe->viewer()->document()->firstBlock().text().simplified();
        QVERIFY2(printedText().startsWith(firstLine), qPrintable(firstLine));

        commands.requestHelp(QStringLiteral("Zoom Toggle:"));
        commands.helpForm()->printButton()->click();
        QCOMPARE(jobName, QStringLiteral("Information Index"));
        const QString printed = printedText();
        // Words without ligatures: pdftotext gives "ff" back as one letter.
        QVERIFY(printed.contains(QStringLiteral("Cabinet Designer:")));
        QVERIFY(printed.contains(QStringLiteral("Zoom Toggle:")));
    }

private:
    // Shown, its first occurrence of `key` selected and in sight.
    void verifyShownAtKey(const QString& key)
    {
        THelpForm* help = m_fixture->window->help()->helpForm();
        QTextEdit* viewer = help->viewer();
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("Information Index"));
        QCOMPARE(viewer->textCursor().selectedText(), key);
        QCOMPARE(viewer->textCursor().selectionStart(), viewer->document()->toPlainText().indexOf(key));
        QVERIFY2(viewer->viewport()->rect().contains(viewer->cursorRect()), qPrintable(key));
        QVERIFY(!(help->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)));
    }

    std::unique_ptr<test::GuiFixture> m_fixture;
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
