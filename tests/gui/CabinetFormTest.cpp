// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiFixture.h"

#include "app/DimensionSettingsPanel.h"
#include "app/SectionalAreaPanel.h"
#include "core/ParameterIndex.h"
#include "designer/SectionEditor.h"
#include "designer/ui/CabinetForm.h"
#include "designer/ui/FaceCanvas.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolTip>

using namespace boxmill;

class CabinetFormTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<test::GuiFixture>();
        m_designer = m_fixture->window->designer();
        m_fixture->window->showCabinetDesigner();
    }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    void opensWithNoModeChosen()
    {
        QVERIFY(m_designer->isVisible());
        QCOMPARE(m_designer->functionName()->text(), QStringLiteral("Not Selected"));
        QCOMPARE(m_designer->sectionNumber()->text(), QStringLiteral("1"));
        QVERIFY(m_designer->statusPanel(0)->text().startsWith(QStringLiteral("Height: 34 1/2")));
        QVERIFY(m_designer->canvas()->shapes().find("LeftStile")->visible);
    }

    void enteringThreeDrawersRedrawsTheSection()
    {
        auto& model = m_fixture->session->model();
        QTest::mouseClick(m_designer->modeButton(ModeButton::AddDrawer), Qt::LeftButton);
        QCOMPARE(m_designer->functionName()->text(), QString::fromLatin1(kDrawersPrompt));
        pick(3);
        QTest::mouseClick(m_designer->enterButton(), Qt::LeftButton);
        QCOMPARE(model.sectionItem(0, SectionItem::DrawerCount), 3);
        const auto& shapes = m_designer->canvas()->shapes();
        QVERIFY(shapes.find("DrawerFace3A")->visible);
        QVERIFY(!shapes.find("DrawerFace4A")->visible);
        QCOMPARE(m_fixture->window->sectionalArea()->grid()->item(6, 0)->text().toStdString(),
                 m_fixture->session->layout().grid[6][0]);
        QVERIFY(!m_fixture->session->layout().grid[6][0].empty());
        QVERIFY(rowLabels().contains(QStringLiteral("Mid Rails")));
    }

    void undoAndRedoKeysFollowInTheDrawingAndTheGrid()
    {
        QVERIFY(QTest::qWaitForWindowActive(m_designer));
        edit(ModeButton::AddDrawer, 3);
        const auto& shapes = m_designer->canvas()->shapes();
        QVERIFY(shapes.find("DrawerFace3A")->visible);

        test::GuiFixture::grab(m_designer, "designer-before-undo");
        QTest::keyClick(m_designer, Qt::Key_Z, Qt::ControlModifier);
        test::GuiFixture::grab(m_designer, "designer-after-undo");
        QVERIFY(!m_designer->canvas()->shapes().find("DrawerFace3A")->visible);
        QVERIFY(m_fixture->session->model().sectionItem(0, SectionItem::DrawerCount) != 3);
        QCOMPARE(m_fixture->window->sectionalArea()->grid()->item(6, 0)->text().toStdString(),
                 m_fixture->session->layout().grid[6][0]);

        QTest::keyClick(m_designer, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(m_designer->canvas()->shapes().find("DrawerFace3A")->visible);
        QCOMPARE(m_fixture->session->model().sectionItem(0, SectionItem::DrawerCount), 3);
    }

    void refusedEntriesAreReportedAndTheDrawingStays()
    {
        edit(ModeButton::AddDrawer, 2);
        QTest::mouseClick(m_designer->modeButton(ModeButton::BankDrawers), Qt::LeftButton);
        pick(3);
        QTest::mouseClick(m_designer->enterButton(), Qt::LeftButton);
        QCOMPARE(m_fixture->prompter.shown.back().text, std::string(kBankTooLarge));
        QCOMPARE(m_fixture->session->model().sectionItem(0, SectionItem::DrawerBanks), 2);
    }

    // The count list offers only what the chosen mode allows.
    void theCountListOffersWhatTheModeAllows()
    {
        const struct {
            std::vector<ModeButton> buttons;
            const char* items;
        } cases[] = {
            {{}, "01234"},
            {{ModeButton::AddMullion}, "012"},
            {{ModeButton::AddDoor}, "012"},
            {{ModeButton::AddShelves}, "01234"},
            {{ModeButton::AddDrawer}, "01234"},
            {{ModeButton::BankDrawers}, "01234"},
            {{ModeButton::AddPartition}, "01"},
            {{ModeButton::AddPartition, ModeButton::AddDoor}, "012"},
            {{ModeButton::AddPartition, ModeButton::AddShelves}, "01234"},
        };
        for (const auto& c : cases) {
            for (const auto& mode : {ModeButton::AddMullion, ModeButton::AddShelves, ModeButton::BankDrawers,
                                     ModeButton::AddDrawer, ModeButton::AddDoor, ModeButton::AddPartition})
                if (m_designer->modeButton(mode)->isChecked())
                    QTest::mouseClick(m_designer->modeButton(mode), Qt::LeftButton);
            for (const ModeButton button : c.buttons)
                QTest::mouseClick(m_designer->modeButton(button), Qt::LeftButton);
            QString items;
            for (int i = 0; i < m_designer->dataInput()->count(); ++i)
                items += m_designer->dataInput()->itemText(i);
            QCOMPARE(items, QString::fromLatin1(c.items));
            QCOMPARE(m_designer->dataInput()->currentText(),
                     c.buttons.empty() ? QStringLiteral("0") : QStringLiteral("1"));
        }
    }

    void clickingAPartSelectsItsSizeAndShowsItsHintAtEitherZoom()
    {
        // Fitted to its area the drawing is several times the size of one
        // pixel a unit, and thin parts are easy to hit.
        QVERIFY(m_designer->canvas()->scale() > 2);
        for (const int zoom : {1, 2}) {
            if (zoom == 2)
                m_fixture->window->toggleZoom();
            clickAndExpect("DrawerFace1A", 14);
            clickAndExpect("LeftStile", Param::LeftStile);
            clickAndExpect("TopRail", Param::TopRail);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("at zoom %1").arg(zoom)));
        }
    }

    void zoomDoublesTheDrawingAndClosingResetsIt()
    {
        auto* canvas = m_designer->canvas();
        const int width = canvas->shapes().find("TopRail")->width;
        const int painted = paintedWidth("TopRail");
        const QSize window = m_designer->size();
        m_fixture->window->toggleZoom();
        QCOMPARE(m_fixture->session->model().drawScale, 2);
        QVERIFY(canvas->shapes().find("TopRail")->width > width + width / 2);
        // Twice the size on screen as well, in a window that stays as it
        // was and scrolls instead.
        QVERIFY(std::abs(paintedWidth("TopRail") - 2 * painted) <= painted / 20);
        QCOMPARE(m_designer->size(), window);
        QVERIFY(canvas->verticalScrollBar()->maximum() > 0);
        test::GuiFixture::grab(m_designer, "designer-zoomed");
        auto* zoom = m_fixture->window->findChild<QAction*>(QStringLiteral("CabinetZoom"));
        QVERIFY(zoom && zoom->isChecked());
        m_designer->close();
        QCOMPARE(m_fixture->session->model().drawScale, 1);
        QVERIFY(!zoom->isChecked());
    }

    void grabsOfTypicalCabinets()
    {
        if (qgetenv("BOXMILL_GRAB_DIR").isEmpty())
            QSKIP("set BOXMILL_GRAB_DIR to keep pictures of the designer");
        // A wider cabinet, in a window opened again to fit it.
        auto* dimensions = m_fixture->window->dimensionSettings();
        dimensions->selectParameterByPosition(1);
        dimensions->inchesEdit()->setText(QStringLiteral("48"));
        dimensions->fractionEdit()->clear();
        dimensions->enterParameter();
        m_fixture->window->showCabinetDesigner();
        test::GuiFixture::grab(m_designer, "designer-default");

        // Two sections: three drawers with the last two banked, and two
        // doors under a drawer.
        edit(ModeButton::AddMullion, 1);
        edit(ModeButton::AddDrawer, 3);
        edit(ModeButton::BankDrawers, 2);
        next();
        edit(ModeButton::AddDrawer, 1);
        edit(ModeButton::AddDoor, 2);
        test::GuiFixture::grab(m_designer, "designer-two-sections");

        // Three sections; the third has a partition with its own doors and
        // shelves, moved above centre.
        edit(ModeButton::AddMullion, 2);
        next(); // from the second section to the third
        QCOMPARE(m_designer->state().shownSection, 3);
        edit(ModeButton::AddDoor, 1);
        edit(ModeButton::AddShelves, 2);
        edit(ModeButton::AddPartition, 1); // stays down for the partition opening
        QTest::mouseClick(m_designer->modeButton(ModeButton::AddDoor), Qt::LeftButton);
        pick(2);
        QTest::mouseClick(m_designer->enterButton(), Qt::LeftButton);
        QTest::mouseClick(m_designer->modeButton(ModeButton::AddDoor), Qt::LeftButton);
        QTest::mouseClick(m_designer->modeButton(ModeButton::AddShelves), Qt::LeftButton);
        pick(1);
        QTest::mouseClick(m_designer->enterButton(), Qt::LeftButton);
        const auto& model = m_fixture->session->model();
        QCOMPARE(model.sectionItem(2, SectionItem::PartitionDoors), 2);
        QCOMPARE(model.sectionItem(2, SectionItem::PartitionShelves), 1);
        QVERIFY(m_designer->canvas()->shapes().find("Door2CP")->visible);
        test::GuiFixture::grab(m_designer, "designer-three-sections");
    }

private:
    void clickAndExpect(const char* name, int parameter)
    {
        auto* canvas = m_designer->canvas();
        const Shape* shape = canvas->shapes().find(name);
        QVERIFY(shape && shape->visible);
        const QPoint centre(shape->left + shape->width / 2, shape->top + shape->height / 2);
        // Scrolled into the middle of the view first, as a user would.
        const QPoint off = canvas->mapFromDrawing(centre) - canvas->viewport()->rect().center();
        canvas->horizontalScrollBar()->setValue(canvas->horizontalScrollBar()->value() + off.x());
        canvas->verticalScrollBar()->setValue(canvas->verticalScrollBar()->value() + off.y());
        const QPoint at = canvas->mapFromDrawing(centre);
        QVERIFY(canvas->viewport()->rect().contains(at));
        m_fixture->window->dimensionSettings()->selectParameterByPosition(0);
        QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(m_fixture->window->dimensionSettings()->selectedParameter(), parameter);
        QHelpEvent help(QEvent::ToolTip, at, canvas->viewport()->mapToGlobal(at));
        QApplication::sendEvent(canvas->viewport(), &help);
        QCOMPARE(QToolTip::text(), QString::fromStdString(shape->hint));
    }

    int paintedWidth(const char* name) const
    {
        const auto* canvas = m_designer->canvas();
        const Shape* shape = canvas->shapes().find(name);
        return canvas->mapFromDrawing(QPoint(shape->left + shape->width, 0)).x() -
               canvas->mapFromDrawing(QPoint(shape->left, 0)).x();
    }

    void pick(int count)
    {
        m_designer->dataInput()->setCurrentIndex(count);
        emit m_designer->dataInput()->activated(count);
    }

    void edit(ModeButton button, int count)
    {
        if (!m_designer->modeButton(button)->isChecked())
            QTest::mouseClick(m_designer->modeButton(button), Qt::LeftButton);
        pick(count);
        QTest::mouseClick(m_designer->enterButton(), Qt::LeftButton);
        if (button == ModeButton::AddPartition)
            return;
        QTest::mouseClick(m_designer->modeButton(button), Qt::LeftButton); // raise it again
    }

    void next()
    {
        QTest::mouseClick(m_designer->findChild<QPushButton*>(QStringLiteral("SectionToggle")), Qt::LeftButton);
    }

    QStringList rowLabels() const
    {
        QStringList labels;
        auto* grid = m_designer->frontDimensions();
        for (int row = 0; row < grid->rowCount(); ++row)
            if (auto* item = grid->item(row, 0))
                labels << item->text();
        return labels;
    }

    std::unique_ptr<test::GuiFixture> m_fixture;
    TCabinetForm* m_designer = nullptr;
};

QTEST_MAIN(CabinetFormTest)
#include "CabinetFormTest.moc"
