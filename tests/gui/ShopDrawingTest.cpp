// SPDX-License-Identifier: GPL-3.0-or-later
// Export from the view windows and the designer: the PDF shop drawing a
// PDF reader renders as one page, and the SVG of the shapes as drawn.

#include "GuiFixture.h"

#include "designer/ui/CabinetForm.h"
#include "paint/Page.h"
#include "paint/ShopDrawing.h"
#include "ui/common/ShapeCanvas.h"
#include "views/ui/ConstructionViews.h"
#include "views/ui/ViewWindow.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QToolBar>

#include <cmath>
#include <memory>
#include <utility>

using namespace boxmill;

class ShopDrawingTest : public QObject {
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

    void viewsAndDesignerExportOnePagePdfs()
    {
        auto* views = m_fixture->window->constructionViews();
        const struct {
            ViewKind kind;
            const char* file;
            int nextSections; // to a section with parts to show
        } cases[] = {
            {ViewKind::Shell, "shell.pdf", 0}, {ViewKind::Door, "door.pdf", 1}, {ViewKind::Side, "side.pdf", 0}};
        for (const auto& c : cases) {
            ViewWindow* view = views->open(c.kind);
            for (int i = 0; i < c.nextSections; ++i)
                view->command("NextSection")->trigger();
            const auto target = m_fixture->folder.path() / c.file;
            m_fixture->dialogs.choices = {target};
            QVERIFY(view->command("ExportDrawing"));
            view->command("ExportDrawing")->trigger();
            QCOMPARE(m_fixture->dialogs.requests.back().filter, std::string("PDF Files|*.pdf|SVG Files|*.svg"));
            expectOnePagePdf(target);
            view->close();
        }

        m_fixture->window->showCabinetDesigner();
        auto* designer = m_fixture->window->designer();
        const auto target = m_fixture->folder.path() / "designer.pdf";
        m_fixture->dialogs.choices = {target};
        designer->findChild<QAction*>(QStringLiteral("ExportDrawing"))->trigger();
        expectOnePagePdf(target);

        // A cancelled dialog writes nothing.
        m_fixture->dialogs.choices = {std::nullopt};
        designer->findChild<QAction*>(QStringLiteral("ExportDrawing"))->trigger();
        QCOMPARE(QDir(QString::fromStdString(m_fixture->folder.path().string()))
                     .entryList({QStringLiteral("*.pdf")}, QDir::Files)
                     .size(),
                 4);
    }

    void svgExportHoldsTheVisibleShapesAsDrawn()
    {
        ViewWindow* view = m_fixture->window->constructionViews()->open(ViewKind::Shell);
        const auto target = m_fixture->folder.path() / "shell.SVG";
        m_fixture->dialogs.choices = {target};
        view->command("ExportDrawing")->trigger();
        const QByteArray svg = read(target);
        QVERIFY(svg.contains("<svg"));
        int visible = 0;
        for (const auto& shape : view->canvas()->shapes().shapes) {
            if (!shape.visible || shape.width <= 0 || shape.height <= 0)
                continue;
            ++visible;
            QVERIFY2(svg.contains(QByteArray::fromStdString("id=\"" + shape.name + "\"")), shape.name.c_str());
        }
        QVERIFY(visible > 0);
        QCOMPARE(svg.count("<rect"), visible);
        QVERIFY(!svg.startsWith("%PDF"));
    }

    void emptyDrawingStillMakesAPageWithItsTitle()
    {
        ShopDrawingContent content;
        content.cabinetStyle = "Base\\Empty.cab";
        content.viewName = "Door Construction View";
        const QByteArray pdf = ShopDrawingPdf(content, QPageSize(QPageSize::A4));
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.size() > 500);
    }

    // Shop drawings and cutting diagrams share one page measure: a page
    // point prints as a point on A4 and no smaller on Letter, whatever the
    // device's resolution.
    void aPagePointPrintsAsAPointOnEitherPaper()
    {
        const std::pair<QPageSize::PageSizeId, double> papers[] = {{QPageSize::A4, 1.0}, {QPageSize::Letter, 1.029}};
        for (const auto& [paper, printed] : papers) {
            for (const int dotsPerInch : {72, 300, 1200}) {
                QByteArray bytes;
                QBuffer buffer(&bytes);
                buffer.open(QIODevice::WriteOnly);
                QPdfWriter writer(&buffer);
                writer.setResolution(dotsPerInch);
                writer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Landscape, QMarginsF()));
                QPainter painter(&writer);
                const Page page(painter, QRectF(writer.pageLayout().paintRectPixels(dotsPerInch)));
                QVERIFY2(std::abs(page.printedPoint() - printed) < 0.002, qPrintable(QString::number(dotsPerInch)));
                QVERIFY(std::abs(page.font(10).pointSizeF() - 10 * printed) < 0.02);
                QVERIFY(std::abs(page(72) * 72.0 / dotsPerInch - 72 * printed) < 0.2);
            }
        }
    }

private:
    static QByteArray read(const std::filesystem::path& path)
    {
        QFile file(QString::fromStdString(path.string()));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
    }

    void expectOnePagePdf(const std::filesystem::path& path)
    {
        const QByteArray bytes = read(path);
        QVERIFY2(bytes.startsWith("%PDF"), path.string().c_str());
        const QString renderer = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (renderer.isEmpty())
            QSKIP("pdftoppm is not installed");
        const QString prefix = QString::fromStdString((path.parent_path() / path.stem()).string());
        QProcess process;
        process.start(renderer, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                                 QString::fromStdString(path.string()), prefix});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QFileInfo file(prefix);
        const QStringList pages = file.dir().entryList({file.fileName() + QStringLiteral("-*.png")}, QDir::Files);
        QCOMPARE(pages.size(), 1);
        const QByteArray keep = qgetenv("BOXMILL_GRAB_DIR");
        if (!keep.isEmpty())
            QFile::copy(QString::fromStdString(path.string()),
                        QString::fromLocal8Bit(keep) + QLatin1Char('/') + file.fileName() + QStringLiteral(".pdf"));
    }

    std::unique_ptr<test::GuiFixture> m_fixture;
};

QTEST_MAIN(ShopDrawingTest)
#include "ShopDrawingTest.moc"
