// SPDX-License-Identifier: GPL-3.0-or-later
// The six construction view windows on the busy three-section cabinet:
// opened from the designer and from the main window, their commands, part
// clicks, and the redraw that follows an edit.
#include "GuiFixture.h"

#include "app/DimensionSettingsPanel.h"
#include "app/DividerForm.h"
#include "core/ParameterIndex.h"
#include "designer/ui/CabinetForm.h"
#include "session/EditCommands.h"
#include "session/SessionAccess.h"
#include "ui/common/ShapeCanvas.h"
#include "views/ui/ConstructionViews.h"
#include "views/ui/ViewForms.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolBar>

using namespace boxmill;

namespace {

struct ViewCase {
    ViewKind kind;
    const char* designerButton;
    const char* mainCommand; // a View menu entry or a tool button
    const char* caption;
    const char* grab;
    // The part to click, after so many "Next Section"s, and what it selects.
    int nextSections;
    const char* part;
    int parameter;
};

const ViewCase kViews[] = {
    {ViewKind::Shell, "ViewInside", "ViewInside", "Front/Shell Construction View", "view-shell", 0, "ToeKick",
     Param::ToeKickHeight},
    {ViewKind::Side, "ViewSide", "SideConstruction1", "Side Construction View", "view-side", 0, "RightStile",
     Param::RightStile},
    {ViewKind::Top, "ViewTop", "ViewTop", "Top Construction View", "view-top", 0, "TopRail", Param::TopRail},
    {ViewKind::Face, "FaceFrame", "FaceConstruction1", "Face Frame Construction", "view-face", 0, "MidRail1A",
     Param::MidRail},
    {ViewKind::Door, "PanelDesigner", "DoorConstruction1", "Door Construction View", "view-door", 1, "LeftStile2",
     Param::DoorLeftStile},
    {ViewKind::Drawer, "DrawerView", "DrawerConstruction1", "Drawer Construction View", "view-drawer", 0, "Face",
     Param::FaceOverlay},
};

QString Texts(const QTableWidget* table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        if (const auto* item = table->item(row, column); item && !item->text().isEmpty())
            texts << item->text();
    return texts.join(QLatin1Char(','));
}

} // namespace

class ViewWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_fixture = std::make_unique<test::GuiFixture>();
        QVERIFY(m_fixture->openTestCabinet("Busy.cab"));
        auto& session = *m_fixture->session;
        QCOMPARE(session.model().sectionCount, 3);
        m_views = m_fixture->window->constructionViews();
    }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    void eachViewOpensFromBothWindowsAndItsPartsSelectTheirSizes()
    {
        auto* main = m_fixture->window.get();
        auto* designer = main->designer();
        const QRect screen = main->screen()->availableGeometry();
        for (const ViewCase& c : kViews) {
            const QString where = QString::fromLatin1(c.caption);
            QVERIFY2(!m_views->window(c.kind), qPrintable(where)); // made on first use
            click(main, c.mainCommand);
            ViewWindow* view = m_views->window(c.kind);
            QVERIFY2(view && view->isVisible(), qPrintable(where));
            QCOMPARE(view->windowTitle(), where);
            view->close();

            main->showCabinetDesigner();
            if (c.kind == ViewKind::Shell)
                grab(designer, "view-designer");
            click(designer, c.designerButton);
            QVERIFY(view->isVisible());
            QVERIFY2(screen.contains(view->frameGeometry()), qPrintable(where));
            // At the designer's corner, unless the screen ends before it.
            if (screen.contains(QRect(designer->pos(), view->frameGeometry().size())))
                QCOMPARE(view->pos(), designer->pos());
            for (int i = 0; i < c.nextSections; ++i)
                view->command("NextSection")->trigger();
            QVERIFY2(!Texts(view->dataBox(), 1).isEmpty(), qPrintable(where));
            QVERIFY(!view->statusPanel(0)->text().isEmpty());
            grab(view, c.grab);
            pressPart(view, c.part);
            QVERIFY2(main->dimensionSettings()->selectedParameter() == c.parameter, qPrintable(where));
            view->close();
            designer->close();
        }
    }

    void sectionOpeningAndDrawerCommandsStepThroughTheCabinet()
    {
        auto* designer = m_fixture->window->designer();
        m_fixture->window->showCabinetDesigner();

        // The front/shell view shows the designer's section, and moves it.
        auto* shell = static_cast<TShellViewForm*>(open(ViewKind::Shell));
        shell->command("NextSection")->trigger();
        QCOMPARE(shell->sectionNumber()->text(), QStringLiteral("2"));
        QCOMPARE(designer->sectionNumber()->text(), QStringLiteral("2"));
        QTest::mouseClick(designer->findChild<QPushButton*>(QStringLiteral("SectionToggle")), Qt::LeftButton);
        QCOMPARE(shell->sectionNumber()->text(), QStringLiteral("3"));
        shell->command("NextSection")->trigger();
        QCOMPARE(designer->state().shownSection, 1);

        // Face frame: 1, 2, 3, 1; the whole cabinet lists more rows.
        auto* face = static_cast<TFaceForm*>(open(ViewKind::Face));
        QString labels;
        for (int i = 0; i < 4; ++i) {
            labels += face->sectionNumber()->text();
            face->command("NextSection")->trigger();
        }
        QCOMPARE(labels, QStringLiteral("1231"));
        const QString section = Texts(face->dataBox(), 0);
        choose(face, "ShowComplete");
        QVERIFY(Texts(face->dataBox(), 0).size() > section.size());
        QVERIFY(Texts(face->dataBox(), 0).startsWith(section.section(QLatin1Char(','), 0, 3)));
        grab(face, "view-face-complete");

        // Doors: A has none; B has a pair above its partition and a pair
        // below; C has no partition, so the toggle stays on "Lower".
        auto* doors = static_cast<TPanelForm*>(open(ViewKind::Door));
        const auto door = [&] { return doors->canvas()->shapes().find("Panel1")->visible; };
        QVERIFY(!door());
        doors->command("NextSection")->trigger();
        QVERIFY(door() && doors->canvas()->shapes().find("Panel2")->visible);
        const int lowerHeight = doors->canvas()->shapes().find("Panel1")->height;
        doors->command("UpperLowerToggle")->trigger();
        QCOMPARE(doors->panelStatus()->text(), QStringLiteral("Upper"));
        QVERIFY(doors->canvas()->shapes().find("Panel1")->height != lowerHeight);
        QVERIFY(doors->canvas()->shapes().find("DoorRail1")->visible); // double panels above
        grab(doors, "view-door-upper");
        choose(doors, "ShowSection");
        QCOMPARE(doors->panelStatus()->text(), QStringLiteral("Lower"));
        QCOMPARE(Texts(doors->dataBox(), 0).count(QStringLiteral("L Stile")), 4);
        doors->command("UpperLowerToggle")->trigger(); // listing both: no toggle
        QCOMPARE(doors->panelStatus()->text(), QStringLiteral("Lower"));
        choose(doors, "ShowSelected");
        doors->command("NextSection")->trigger();
        doors->command("UpperLowerToggle")->trigger();
        QCOMPARE(doors->sectionNumber()->text() + doors->panelStatus()->text(), QStringLiteral("3Lower"));
        // A new showing starts on the first section again.
        doors->close();
        open(ViewKind::Door);
        QCOMPARE(doors->sectionNumber()->text() + doors->panelStatus()->text(), QStringLiteral("1Lower"));
        // An edit that takes away the partition shown takes its opening.
        doors->command("NextSection")->trigger();
        doors->command("UpperLowerToggle")->trigger();
        QCOMPARE(doors->panelStatus()->text(), QStringLiteral("Upper"));
        m_fixture->session->edit("Partition", [](CabinetModel& model, LayoutResult&) {
            model.record.setSectionItem(1, SectionItem::Partition, 0);
        });
        QCOMPARE(doors->panelStatus()->text(), QStringLiteral("Lower"));
        QVERIFY(!Texts(doors->dataBox(), 0).contains(QStringLiteral("Mid Rail")));

        // Drawers: three in A, round again; one in B.
        auto* drawers = static_cast<TDrawerForm*>(open(ViewKind::Drawer));
        labels.clear();
        for (int i = 0; i < 4; ++i) {
            labels += drawers->drawerNumber()->text();
            drawers->command("NextDrawer")->trigger();
        }
        QCOMPARE(labels, QStringLiteral("1231"));
        drawers->command("NextDrawer")->trigger();
        drawers->command("NextSection")->trigger();
        QCOMPARE(drawers->sectionNumber()->text() + drawers->drawerNumber()->text(), QStringLiteral("21"));
        QVERIFY(drawers->canvas()->shapes().find("DBottom")->visible);
        drawers->command("NextSection")->trigger(); // C has no drawers
        QVERIFY(!drawers->canvas()->shapes().find("Face")->visible);
        QVERIFY(Texts(drawers->dataBox(), 0).isEmpty());
        drawers->command("NextSection")->trigger();
        choose(drawers, "SeeAll");
        QCOMPARE(Texts(drawers->dataBox(), 0).count(QStringLiteral("Bottom")), 3);
    }

    void theViewsForwardTheirCutListAndOptionsCommands()
    {
        const std::pair<ViewKind, CutListKind> lists[] = {{ViewKind::Shell, CutListKind::Complete},
                                                          {ViewKind::Top, CutListKind::Complete},
                                                          {ViewKind::Face, CutListKind::FaceFrame},
                                                          {ViewKind::Door, CutListKind::Doors},
                                                          {ViewKind::Drawer, CutListKind::Drawers}};
        for (const auto& [kind, list] : lists) {
            SessionAccess::cutList(*m_fixture->session).viewerKind.reset();
            open(kind)->command("CutListViewer")->trigger();
            QCOMPARE(m_fixture->session->cutList().viewerKind, std::optional(list));
        }
        open(ViewKind::Side)->command("CabinetOptions")->trigger();
        QVERIFY(m_fixture->window->optionsWindow()->isVisible());
        open(ViewKind::Side)->command("ExitSideView")->trigger();
        QVERIFY(!m_views->window(ViewKind::Side)->isVisible());
    }

    void editsUndoAndZoomRedrawTheOpenViews()
    {
        std::vector<std::pair<ViewWindow*, ShapeSet>> before;
        for (const ViewCase& c : kViews) {
            ViewWindow* view = open(c.kind);
            if (c.kind == ViewKind::Door)
                view->command("NextSection")->trigger();
            before.emplace_back(view, view->canvas()->shapes());
        }
        // The side view draws no width, but says it.
        const auto changed = [&](std::size_t i) {
            if (before[i].first == m_views->window(ViewKind::Side))
                return !before[i].first->statusPanel(1)->text().startsWith(QStringLiteral("Width: 46"));
            const auto& was = before[i].second.shapes;
            const auto& now = before[i].first->canvas()->shapes().shapes;
            return !std::equal(was.begin(), was.end(), now.begin(), now.end(), [](const Shape& a, const Shape& b) {
                return a.left == b.left && a.width == b.width && a.visible == b.visible;
            });
        };
        QVERIFY(EditParameter(*m_fixture->session, Param::Width, {"36", "0"}));
        for (std::size_t i = 0; i < before.size(); ++i)
            QVERIFY2(changed(i), qPrintable(before[i].first->windowTitle()));
        QVERIFY(before[0].first->statusPanel(1)->text().startsWith(QStringLiteral("Width: 36")));

        m_fixture->controller->undo();
        QVERIFY(before[0].first->statusPanel(1)->text().startsWith(QStringLiteral("Width: 46")));
        for (std::size_t i = 0; i < before.size(); ++i)
            QVERIFY2(!changed(i), qPrintable(before[i].first->windowTitle()));

        m_fixture->window->toggleZoom();
        QCOMPARE(before[0].first->statusPanel(3)->text(), QStringLiteral("Zoom Toggle x2"));
        QCOMPARE(before[0].first->canvas()->zoom(), 2);
        grab(before[0].first, "view-shell-zoomed");
    }

    void aHugeCabinetOpensInWindowsWithinTheScreen()
    {
        QVERIFY(EditParameter(*m_fixture->session, Param::Width, {"240", "0"}));
        QVERIFY(EditParameter(*m_fixture->session, Param::Height, {"120", "0"}));
        const QRect screen = m_fixture->window->screen()->availableGeometry();
        for (const ViewCase& c : kViews) {
            ViewWindow* view = open(c.kind);
            QVERIFY2(screen.contains(view->frameGeometry()), c.caption);
            view->close();
        }
    }

    void comingBackToTheMainWindowKeepsTheViews()
    {
        m_fixture->window->showCabinetDesigner();
        ViewWindow* view = open(ViewKind::Drawer);
        QVERIFY(QTest::qWaitForWindowActive(view));
        m_fixture->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_fixture->window.get()));
        QTest::qWait(50);
        QVERIFY(view->isVisible());
    }

    // The designer's section is where the views of one section start, and
    // what the front/shell view moves, whether or not the designer's window
    // was ever opened.
    void theViewsStartOnTheDesignersSection()
    {
        auto* main = m_fixture->window.get();
        const auto shown = [this](ViewKind kind) {
            return m_views->window(kind)->findChild<QLabel*>(QStringLiteral("SectionNumber"))->text();
        };
        click(main, "ViewInside");
        m_views->window(ViewKind::Shell)->command("NextSection")->trigger();
        QCOMPARE(shown(ViewKind::Shell), QStringLiteral("2"));
        const ViewCase* sectionViews[] = {&kViews[3], &kViews[4], &kViews[5]};
        for (const ViewCase* c : sectionViews) {
            click(main, c->mainCommand);
            QVERIFY2(shown(c->kind) == QStringLiteral("2"), c->caption);
        }
        auto* designer = main->designer();
        main->showCabinetDesigner();
        QCOMPARE(designer->sectionNumber()->text(), QStringLiteral("2"));

        // Opened again from the designer on another section, the views still
        // open go there too.
        QTest::mouseClick(designer->findChild<QPushButton*>(QStringLiteral("SectionToggle")), Qt::LeftButton);
        QCOMPARE(shown(ViewKind::Shell), QStringLiteral("3"));
        for (const ViewCase* c : sectionViews) {
            QVERIFY(m_views->window(c->kind)->isVisible());
            click(designer, c->designerButton);
            QVERIFY2(shown(c->kind) == QStringLiteral("3"), c->caption);
        }
    }

private:
    ViewWindow* open(ViewKind kind) { return m_views->open(kind); }

    // Once the window has laid itself out, as the user sees it.
    static void grab(QWidget* window, const char* name)
    {
        QCoreApplication::processEvents();
        test::GuiFixture::grab(window, name);
    }

    // Clicks a tool button of the main window or the designer by name, or
    // chooses a menu entry. The designer has buttons of the same names.
    static void click(QMainWindow* window, const char* name)
    {
        auto* bar = window->findChild<QToolBar*>(QStringLiteral("ToolBar1"), Qt::FindDirectChildrenOnly);
        for (QAction* action : bar->actions())
            if (action->objectName() == QLatin1String(name))
                return QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
        auto* entry = window->menuBar()->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(entry, name);
        entry->trigger();
    }

    static void choose(ViewWindow* view, const char* name)
    {
        test::GuiFixture::clickMark(view->findChild<QRadioButton*>(QString::fromLatin1(name)));
    }

    // Presses the middle of a part, scrolled into view first.
    void pressPart(ViewWindow* view, const char* name)
    {
        auto* canvas = view->canvas();
        const Shape* shape = canvas->shapes().find(name);
        QVERIFY2(shape && shape->visible, name);
        const QPoint centre(shape->left + shape->width / 2, shape->top + shape->height / 2);
        const QPoint off = canvas->mapFromDrawing(centre) - canvas->viewport()->rect().center();
        canvas->horizontalScrollBar()->setValue(canvas->horizontalScrollBar()->value() + off.x());
        canvas->verticalScrollBar()->setValue(canvas->verticalScrollBar()->value() + off.y());
        m_fixture->window->dimensionSettings()->selectParameterByPosition(Param::Height);
        QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, canvas->mapFromDrawing(centre));
    }

    std::unique_ptr<test::GuiFixture> m_fixture;
    ConstructionViews* m_views = nullptr;
};

QTEST_MAIN(ViewWindowsTest)
#include "ViewWindowsTest.moc"
