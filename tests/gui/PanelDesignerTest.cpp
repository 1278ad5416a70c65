// SPDX-License-Identifier: GPL-3.0-or-later
// The raised panel designer driven as a user drives it: its controls open
// and close with the sections and the double panels, the designer's and the
// door view's mid rails follow every click, and the main menu's entries run
// its file commands.
#include "GuiFixture.h"
#include "RecordFixtures.h"

#include "app/DimensionSettingsPanel.h"
#include "core/ParameterIndex.h"
#include "designer/ui/CabinetForm.h"
#include "designer/ui/FaceCanvas.h"
#include "panels/ui/RaisedPanelDesigner.h"
#include "session/PanelDesigner.h"
#include "views/ui/ConstructionViews.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>

using namespace boxmill;

namespace {

constexpr Opening L = Opening::Lower;
constexpr Opening U = Opening::Upper;

QAction* MenuEntry(QMainWindow* window, const char* caption)
{
    for (QAction* menu : window->menuBar()->actions())
        if (menu->menu())
            for (QAction* entry : menu->menu()->actions())
                if (entry->text() == QString::fromLatin1(caption))
                    return entry;
    return nullptr;
}

// The rail's rectangle in a drawing, or an empty one when it is not drawn.
QRect Rail(const ShapeCanvas* canvas, const char* name)
{
    const Shape* shape = canvas->shapes().find(name);
    return shape && shape->visible ? QRect(shape->left, shape->top, shape->width, shape->height) : QRect();
}

} // namespace

class PanelDesignerTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<test::GuiFixture>(); }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    void clicksOpenTheControlsAndTheMidRailsFollow()
    {
        auto* main = m_fixture->window.get();
        // The default cabinet's doors are too narrow for the 2" panel offset:
        // the second panel would show nothing and the door would be left
        // out. A wider cabinet keeps both panels of each door.
        auto* dimensions = main->dimensionSettings();
        dimensions->selectParameterByPosition(Param::Width);
        dimensions->inchesEdit()->setText(QStringLiteral("30"));
        dimensions->fractionEdit()->clear();
        dimensions->enterParameter();
        main->showCabinetDesigner();
        TCabinetForm* designer = main->designer();
        main->findChild<QAction*>(QStringLiteral("RaisedPanelDesigner"))->trigger();
        TDoorPanelForm* form = main->raisedPanelDesigner()->window();
        QVERIFY(form && form->isVisible());
        if (main->screen()->availableGeometry().contains(QRect(designer->pos(), form->frameGeometry().size())))
            QCOMPARE(form->pos(), designer->pos());
        QCOMPARE(form->panelStyleBox()->text(), QStringLiteral("Base\\Untitled.rpl"));
        QVERIFY(!form->savePanelButton()->isEnabled());
        // One section: only Section 1 may take a double panel.
        for (const Opening group : {L, U}) {
            QVERIFY(form->doublePanel(group, 0)->isEnabled());
            QVERIFY(!form->doublePanel(group, 1)->isEnabled() && !form->doublePanel(group, 2)->isEnabled());
            QVERIFY(!form->horizontal(group, 0)->isEnabled() && !form->negativeOffset(group, 0)->isEnabled());
        }
        test::GuiFixture::grab(form, "panel-designer-one-section");

        // The default cabinet has a drawer over two doors in its one section.
        QVERIFY(Rail(designer->canvas(), "DoorRail1A").isEmpty());
        test::GuiFixture::clickMark(form->doublePanel(L, 0));
        QVERIFY(form->horizontal(L, 0)->isEnabled() && !form->negativeOffset(L, 0)->isEnabled());
        const QRect across = Rail(designer->canvas(), "DoorRail1A");
        QVERIFY(across.width() > across.height());
        QVERIFY(m_fixture->session->modified());
        test::GuiFixture::grab(designer, "panel-designer-horizontal");

        form->findChild<QAction*>(QStringLiteral("ViewPanel"))->trigger();
        ViewWindow* doorView = main->constructionViews()->window(ViewKind::Door);
        QVERIFY(doorView && doorView->isVisible());
        const QRect doorAcross = Rail(doorView->canvas(), "DoorRail1");
        QVERIFY(doorAcross.width() > doorAcross.height());

        test::GuiFixture::clickMark(form->vertical(L, 0));
        QVERIFY(!form->horizontal(L, 0)->isChecked());
        const QRect upright = Rail(designer->canvas(), "DoorRail1A");
        QVERIFY(upright.height() > upright.width());
        const QRect doorUpright = Rail(doorView->canvas(), "DoorRail1");
        QVERIFY(doorUpright.height() > doorUpright.width());
        test::GuiFixture::grab(designer, "panel-designer-vertical");

        // The offset moves an upright rail right by parameter 46, a negative
        // one left.
        const int shift = m_fixture->session->model().paramUnits[Param::LowerPanelOffset];
        QVERIFY(shift > 0);
        test::GuiFixture::clickMark(form->panelsOffset(L));
        QCOMPARE(main->dimensionSettings()->selectedParameter(), Param::LowerPanelOffset);
        QVERIFY(form->negativeOffset(L, 0)->isEnabled() && !form->negativeOffset(U, 0)->isEnabled());
        QCOMPARE(Rail(designer->canvas(), "DoorRail1A").left(), upright.left() + shift);
        QVERIFY(Rail(doorView->canvas(), "DoorRail1").left() > doorUpright.left());
        test::GuiFixture::grab(designer, "panel-designer-offset");
        test::GuiFixture::clickMark(form->negativeOffset(L, 0));
        QCOMPARE(Rail(designer->canvas(), "DoorRail1A").left(), upright.left() - shift);
        test::GuiFixture::clickMark(form->panelsOffset(L));
        QVERIFY(!form->negativeOffset(L, 0)->isEnabled());
        QCOMPARE(Rail(designer->canvas(), "DoorRail1A"), upright);

        // Undo takes a click back like any other edit.
        m_fixture->controller->undo();
        QVERIFY(form->negativeOffset(L, 0)->isEnabled());

        test::GuiFixture::clickMark(form->panelsOffset(U));
        QCOMPARE(main->dimensionSettings()->selectedParameter(), Param::UpperPanelOffset);

        // Cancel on the closing question keeps the window and its panel.
        QAction* exit = form->findChild<QAction*>(QStringLiteral("ExitPanelDesigner"));
        m_fixture->prompter.saveChoices = {SaveChoice::Cancel, SaveChoice::Discard};
        exit->trigger();
        QVERIFY(form->isVisible());
        QVERIFY(m_fixture->prompter.asked.back().text == "Save panel before exiting raised panel designer?");
        exit->trigger();
        QVERIFY(!form->isVisible());
    }

    void threeSectionsOpenEveryDoublePanel()
    {
        QVERIFY(m_fixture->openTestCabinet("Busy.cab"));
        TDoorPanelForm* form = m_fixture->window->raisedPanelDesigner()->show();
        for (int s = 0; s < kSections; ++s)
            QVERIFY(form->doublePanel(L, s)->isEnabled() && form->doublePanel(U, s)->isEnabled());
        test::GuiFixture::grab(form, "panel-designer-three-sections");
        // Its section C has offset vertical double panels, B's upper doors
        // horizontal ones.
        m_fixture->window->showCabinetDesigner();
        QVERIFY(!Rail(m_fixture->window->designer()->canvas(), "DoorRail1C").isEmpty());
        QVERIFY(!Rail(m_fixture->window->designer()->canvas(), "DoorRail1BP").isEmpty());
        test::GuiFixture::grab(m_fixture->window->designer(), "panel-designer-three-sections-drawing");
    }

    void theMainMenuRunsTheFileCommands()
    {
        auto* main = m_fixture->window.get();
        TDoorPanelForm* form = main->raisedPanelDesigner()->show();
        test::GuiFixture::clickMark(form->doublePanel(L, 0));
        const auto file = m_fixture->folder.path() / "Base" / "Pair.rpl";
        m_fixture->dialogs.choices = {file};
        MenuEntry(main, "Save Raised Panel As...")->trigger();
        QCOMPARE(form->panelStyleBox()->text(), QStringLiteral("Base\\Pair.rpl"));
        QVERIFY(form->savePanelButton()->isEnabled());

        MenuEntry(main, "New Raised Panel")->trigger();
        QVERIFY(!form->doublePanel(L, 0)->isChecked());
        QVERIFY(!form->savePanelButton()->isEnabled());
        QCOMPARE(form->panelStyleBox()->text(), QStringLiteral("Base\\Untitled.rpl"));

        m_fixture->dialogs.choices = {file};
        MenuEntry(main, "Open Raised Panel Library")->trigger();
        QVERIFY(form->doublePanel(L, 0)->isChecked());
        QCOMPARE(form->panelStyleBox()->text(), QStringLiteral("Base\\Pair.rpl"));
        test::GuiFixture::clickMark(form->panelsOffset(L));
        MenuEntry(main, "Save Raised Panel")->trigger();
        QCOMPARE(test::ReadAllBytes(file).at(0), '\1');
    }

private:
    std::unique_ptr<test::GuiFixture> m_fixture;
};

QTEST_MAIN(PanelDesignerTest)
#include "PanelDesignerTest.moc"
