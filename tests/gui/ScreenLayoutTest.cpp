// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a 1280x800 screen with a desktop's usual font, and the
// designer with a drawing far too large for any screen.
#include "GuiFixture.h"
#include "ToolWindows.h"

#include "app/DimensionSettingsPanel.h"
#include "app/DividerForm.h"
#include "app/HelpCommands.h"
#include "app/SectionalAreaPanel.h"
#include "core/ParameterIndex.h"
#include "cutlist/ui/CostCalculatorPanel.h"
#include "cutlist/ui/CostForm.h"
#include "cutlist/ui/CutListForm.h"
#include "cutlist/ui/CutlistViewerPanel.h"
#include "designer/ui/CabinetForm.h"
#include "designer/ui/FaceCanvas.h"
#include "help/ui/ReadMeForm.h"
#include "jobs/ui/CuttingDiagramForm.h"
#include "jobs/ui/JobForm.h"
#include "panels/ui/RaisedPanelDesigner.h"
#include "session/CabinetSession.h"
#include "sheets/ui/StockForm.h"
#include "views/ui/ConstructionViews.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>

#include <cstdlib>
#include <functional>

using namespace boxmill;

namespace {

// The whole of `widget` can be seen: no parent up to its window cuts any of
// it off, and it lies within the free area of the screen.
bool FullyVisible(const QWidget* widget)
{
    if (!widget->isVisible())
        return false;
    QRect shown = widget->rect();
    for (const QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget())
        shown &= QRect(widget->mapFrom(parent, QPoint(0, 0)), parent->size());
    const QRect global(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    return shown == widget->rect() && widget->screen()->availableGeometry().contains(global);
}

bool WithinScreen(const QWidget* window)
{
    return window->screen()->availableGeometry().contains(window->frameGeometry());
}

} // namespace

class ScreenLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<test::GuiFixture>();
        m_fixture->window->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(m_fixture->window.get()));
        QCOMPARE(m_fixture->window->screen()->availableGeometry().size(), QSize(1280, 800));
    }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    void theMainWindowShowsEveryViewerColumnAndTheJobTotal()
    {
        auto* window = m_fixture->window.get();
        QTRY_VERIFY2(WithinScreen(window), qPrintable(Describe(window->frameGeometry()) + QStringLiteral(" least ") +
                                                      Describe(QRect(QPoint(), window->minimumSizeHint()))));
        window->sendToCutlistViewer(CutListKind::Complete);
        QVERIFY(!window->costCalculator()->jobTotal()->text().isEmpty());
        checkViewerAndTotal("maximised");
        if (QTest::currentTestFailed())
            return;
        // What is left of the screen under a title bar and a panel.
        window->showNormal();
        window->resize(1276, 730);
        window->move(window->screen()->availableGeometry().topLeft());
        checkViewerAndTotal("under a title bar and a panel");
        test::GuiFixture::grab(window, "main-1280x800");
    }

    // A huge cabinet once made a window of 32767 pixels square and 4 GB.
    void theDesignerStaysWithinTheScreenAndScrollsAHugeCabinet()
    {
        auto* designer = m_fixture->window->designer();
        auto* canvas = designer->canvas();
        m_fixture->window->showCabinetDesigner();
        QVERIFY(QTest::qWaitForWindowExposed(designer));
        QTRY_VERIFY(WithinScreen(designer));
        // An ordinary cabinet fills its area, many times the pixel a unit it
        // once was, without scrolling.
        QVERIFY(canvas->scale() > 3);
        QCOMPARE(canvas->horizontalScrollBar()->maximum() + canvas->verticalScrollBar()->maximum(), 0);
        checkStatusBar();
        test::GuiFixture::grab(designer, "designer-1280x800");

        // Redrawn while open, then opened again. The parameter boxes stop at
        // 999 inches; a cabinet file holds any width.
        const QSize opened = designer->size();
        QVERIFY(m_fixture->session->edit("Cabinet Width",
                                         [](CabinetModel& model, LayoutResult&) {
                                             model.record.setParamText(Param::Width, "10000");
                                             model.rebuildParamValues();
                                         },
                                         {Recalc::AfterEntry}));
        QCOMPARE(designer->size(), opened);
        m_fixture->window->showCabinetDesigner();
        for (const int zoom : {1, 2}) {
            if (zoom == 2)
                m_fixture->window->toggleZoom();
            QTRY_VERIFY(WithinScreen(designer));
            checkStatusBar();
            QVERIFY(canvas->scale() >= 1);
            // The far end is reached by scrolling, and a click there still
            // lands on the part under the pointer.
            QVERIFY(canvas->horizontalScrollBar()->maximum() > 0);
            canvas->horizontalScrollBar()->setValue(canvas->horizontalScrollBar()->maximum());
            const Shape* stile = canvas->shapes().find("RightStile");
            QVERIFY(stile && stile->visible);
            const QPoint at =
                canvas->mapFromDrawing(QPoint(stile->left + stile->width / 2, stile->top + stile->height / 2));
            QVERIFY(canvas->viewport()->rect().contains(at));
            QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, at);
            QCOMPARE(m_fixture->window->dimensionSettings()->selectedParameter(), Param::RightStile);
            test::GuiFixture::grab(designer, zoom == 1 ? "designer-huge" : "designer-huge-zoomed");
        }
    }

    // Each window the main menu opens shows its frame, title bar included,
    // within the screen, however it was placed and sized.
    void everyWindowOpensWithinTheScreen()
    {
        auto* main = m_fixture->window.get();
        QVERIFY(m_fixture->openTestCabinet("Busy.cab"));
        std::vector<test::ToolWindow> windows = test::MenuToolWindows(main);
        windows.push_back({"Read Me First (Boxguide)", [main] { return main->help()->readMeForm(); }});
        for (const auto& [entry, opened] : windows) {
            QAction* action = nullptr;
            for (QAction* candidate : main->menuBar()->findChildren<QAction*>())
                if (candidate->text() == QLatin1String(entry) && !candidate->menu())
                    action = candidate;
            QVERIFY2(action, entry);
            action->trigger();
            QWidget* window = opened();
            QVERIFY2(window && window->isVisible(), entry);
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QTest::qWait(100);
            QVERIFY2(WithinScreen(window),
                     qPrintable(QString::fromLatin1(entry) + QStringLiteral(": ") + Describe(window->frameGeometry())));
            // The whole screen, frames and all, where the window system draws
            // them.
            if (const QByteArray folder = qgetenv("BOXMILL_GRAB_DIR"); !folder.isEmpty())
                QVERIFY(window->screen()->grabWindow(0).save(
                    QString::fromLocal8Bit(folder) + QStringLiteral("/screen-") +
                    QString::fromLatin1(entry).remove(QLatin1Char('.')).replace(QLatin1Char('/'), QLatin1Char('-')) +
                    QStringLiteral(".png")));
            window->close();
        }
    }

    // At the desktop's 11 point font, every row and column of the grids
    // shows whole.
    void theGridsShowEveryRowAndColumnWhole()
    {
        QVERIFY(m_fixture->openTestCabinet("Busy.cab"));
        auto* sectional = m_fixture->window->sectionalArea()->grid();
        QVERIFY(FullyVisible(sectional));
        checkCells(sectional, sectional->rowCount(), 2, "Sectional Dimensions");
        for (int row = 0; row < sectional->rowCount(); ++row) {
            const QString title = sectional->verticalHeaderItem(row)->text();
            QVERIFY2(sectional->fontMetrics().horizontalAdvance(title) + 8 <= sectional->verticalHeader()->width(),
                     qPrintable(title));
        }

        auto* designer = m_fixture->window->designer();
        m_fixture->window->showCabinetDesigner();
        QVERIFY(QTest::qWaitForWindowExposed(designer));
        auto* front = designer->frontDimensions();
        QVERIFY(FullyVisible(front));
        QVERIFY(front->rowCount() >= 6);
        checkCells(front, 6, front->columnCount(), "Front Dimensions");
        test::GuiFixture::grab(designer, "designer-11pt");

        ViewWindow* shell = m_fixture->window->constructionViews()->open(ViewKind::Shell);
        QVERIFY(QTest::qWaitForWindowExposed(shell));
        QVERIFY(FullyVisible(shell->dataBox()));
        checkCells(shell->dataBox(), shell->dataBox()->rowCount(), 4, "Front/Shell Dimensions");
        test::GuiFixture::grab(m_fixture->window.get(), "main-11pt");
    }

private:
    static QString Describe(const QRect& rect)
    {
        return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
    }

    // The first `rows` rows and `columns` columns lie whole in the grid's
    // viewport, each as high as its text and as wide as its entries.
    static void checkCells(QTableWidget* grid, int rows, int columns, const char* name)
    {
        QApplication::processEvents();
        const QRect viewport = grid->viewport()->rect();
        for (int row = 0; row < rows; ++row) {
            const QByteArray where = QByteArray(name) + " row " + QByteArray::number(row);
            QVERIFY2(grid->rowHeight(row) >= grid->fontMetrics().height(), where.constData());
            for (int column = 0; column < columns; ++column)
                QVERIFY2(viewport.contains(grid->visualRect(grid->model()->index(row, column))), where.constData());
        }
        for (int column = 0; column < columns; ++column) {
            const QByteArray where = QByteArray(name) + " column " + QByteArray::number(column);
            QVERIFY2(static_cast<QAbstractItemView*>(grid)->sizeHintForColumn(column) <= grid->columnWidth(column),
                     where.constData());
        }
    }

    void checkViewerAndTotal(const char* how)
    {
        auto* window = m_fixture->window.get();
        QApplication::processEvents();
        auto* grid = window->viewer()->grid();
        auto* header = grid->horizontalHeader();
        QVERIFY2(!grid->horizontalScrollBar()->isVisible(), how);
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QByteArray name = grid->horizontalHeaderItem(column)->text().toUtf8() + ' ' + how;
            const int left = header->sectionViewportPosition(column);
            QVERIFY2(left >= 0 && left + header->sectionSize(column) <= grid->viewport()->width(), name.constData());
            // The widest entry and the title fit without being cut.
            QVERIFY2(static_cast<QAbstractItemView*>(grid)->sizeHintForColumn(column) <= header->sectionSize(column),
                     name.constData());
            QVERIFY2(header->sectionSizeHint(column) <= header->sectionSize(column), name.constData());
        }
        QVERIFY2(FullyVisible(grid), how);
        QVERIFY2(FullyVisible(window->costCalculator()->jobTotal()), how);
    }

    void checkStatusBar()
    {
        auto* designer = m_fixture->window->designer();
        for (int panel = 0; panel < 4; ++panel) {
            const QLabel* label = designer->statusPanel(panel);
            QVERIFY2(FullyVisible(label), qPrintable(label->text()));
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        }
    }

    std::unique_ptr<test::GuiFixture> m_fixture;
};

// The offscreen platform makes one screen of 800x800 unless it is told
// otherwise; these tests need the size they are about.
int main(int argc, char** argv)
{
    test::TempFolder config;
    if (const QByteArray platform = qgetenv("QT_QPA_PLATFORM"); platform.isEmpty() || platform == "offscreen") {
        QFile json(QString::fromStdString((config / "screen.json").string()));
        if (!json.open(QIODevice::WriteOnly) ||
            json.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1280, "height": 800,)"
                       R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
            return EXIT_FAILURE;
        json.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + json.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    // Desktops commonly set an 11 point font; the offscreen platform's own
    // is smaller and would hide a crowded layout.
    QFont font = QApplication::font();
    font.setPointSize(11);
    QApplication::setFont(font);
    ScreenLayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScreenLayoutTest.moc"
