// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiFixture.h"

#include "app/DimensionSettingsPanel.h"
#include "app/SectionalAreaPanel.h"
#include "designer/SectionEditor.h"
#include "designer/ui/CabinetForm.h"
#include "designer/ui/FaceCanvas.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

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
        auto& model = m_fixture->session->model;
        QTest::mouseClick(m_designer->modeButton(ModeButton::AddDrawer), Qt::LeftButton);
        QCOMPARE(m_designer->functionName()->text(), QString::fromLatin1(kDrawersPrompt));
        pick(3);
        QTest::mouseClick(m_designer->enterButton(), Qt::LeftButton);
        QCOMPARE(model.sectionItem(0, SectionItem::DrawerCount), 3);
        const auto& shapes = m_designer->canvas()->shapes();
        QVERIFY(shapes.find("DrawerFace3A")->visible);
        QVERIFY(!shapes.find("DrawerFace4A")->visible);
        QCOMPARE(m_fixture->window->sectionalArea()->grid()->item(6, 0)->text().toStdString(),
                 m_fixture->session->layout.grid[6][0]);
        QVERIFY(!m_fixture->session->layout.grid[6][0].empty());
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
        QVERIFY(m_fixture->session->model.sectionItem(0, SectionItem::DrawerCount) != 3);
        QCOMPARE(m_fixture->window->sectionalArea()->grid()->item(6, 0)->text().toStdString(),
                 m_fixture->session->layout.grid[6][0]);

        QTest::keyClick(m_designer, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(m_designer->canvas()->shapes().find("DrawerFace3A")->visible);
        QCOMPARE(m_fixture->session->model.sectionItem(0, SectionItem::DrawerCount), 3);
    }

    void refusedEntriesAreReportedAndTheDrawingStays()
    {
        QTest::mouseClick(m_designer->modeButton(ModeButton::AddMullion), Qt::LeftButton);
        pick(3);
        QTest::mouseClick(m_designer->enterButton(), Qt::LeftButton);
        QCOMPARE(m_fixture->prompter.shown.back().text, std::string(kTooManyMullions));
        QCOMPARE(m_fixture->session->model.sectionCount, 1);
    }

    void clickingADrawerFaceSelectsItsHeight()
    {
        const Shape* face = m_designer->canvas()->shapes().find("DrawerFace1A");
        QVERIFY(face && face->visible);
        QTest::mouseClick(m_designer->canvas(), Qt::LeftButton, {},
                          QPoint(face->left + face->width / 2, face->top + face->height / 2));
        QCOMPARE(m_fixture->window->dimensionSettings()->selectedParameter(), 14);
    }

    void zoomDoublesTheDrawingAndClosingResetsIt()
    {
        const int width = m_designer->canvas()->shapes().find("TopRail")->width;
        m_fixture->window->toggleZoom();
        QCOMPARE(m_fixture->session->model.drawScale, 2);
        QVERIFY(m_designer->canvas()->shapes().find("TopRail")->width > width + width / 2);
        auto* zoom = m_fixture->window->findChild<QAction*>(QStringLiteral("CabinetZoom"));
        QVERIFY(zoom && zoom->isChecked());
        m_designer->close();
        QCOMPARE(m_fixture->session->model.drawScale, 1);
        QVERIFY(!zoom->isChecked());
    }

    void grabsOfTypicalCabinets()
    {
        if (qgetenv("BOXMILL_GRAB_DIR").isEmpty())
            QSKIP("set BOXMILL_GRAB_DIR to keep pictures of the designer");
        // A wider cabinet at double scale, so the parts can be told apart.
        auto* dimensions = m_fixture->window->dimensionSettings();
        dimensions->selectParameterByPosition(1);
        dimensions->inchesEdit()->setText(QStringLiteral("48"));
        dimensions->fractionEdit()->clear();
        dimensions->enterParameter();
        m_fixture->window->toggleZoom();
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
        const auto& model = m_fixture->session->model;
        QCOMPARE(model.sectionItem(2, SectionItem::PartitionDoors), 2);
        QCOMPARE(model.sectionItem(2, SectionItem::PartitionShelves), 1);
        QVERIFY(m_designer->canvas()->shapes().find("Door2CP")->visible);
        test::GuiFixture::grab(m_designer, "designer-three-sections");
    }

private:
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
