// SPDX-License-Identifier: GPL-3.0-or-later
// Doors left out for want of room are said to be, in the designer's status
// bar and in the main window, as soon as the edit that made them so.
#include "GuiFixture.h"

#include "designer/ui/CabinetForm.h"
#include "designer/ui/FaceCanvas.h"

#include <QLabel>
#include <QStatusBar>

using namespace boxmill;

class OpeningMisfitTest : public QObject {
    Q_OBJECT

private slots:
    void theDesignerAndTheMainWindowSayWhichDoorsDoNotFit()
    {
        test::GuiFixture fixture;
        TCabinetForm* designer = fixture.window->designer();
        fixture.window->showCabinetDesigner();
        const auto* inStatusBar = designer->statusBar()->findChild<QLabel*>(QStringLiteral("OpeningMisfits"));
        const auto* inMainWindow =
            fixture.window->centralWidget()->findChild<QLabel*>(QStringLiteral("OpeningMisfits"));
        QVERIFY(inStatusBar && inMainWindow);
        QVERIFY(!inStatusBar->isVisible() && !inMainWindow->isVisible());

        // Four drawers of the default cabinet take the whole opening above
        // its pair of doors.
        fixture.session->edit("Add Drawers", [](CabinetModel& model, LayoutResult&) {
            model.record.setSectionItem(0, SectionItem::DrawerCount, 4);
        });
        const QString said = QStringLiteral("Section 1: the drawers leave no room for the 2 doors");
        QVERIFY2(inStatusBar->isVisible() && inStatusBar->text().startsWith(said), qPrintable(inStatusBar->text()));
        QVERIFY2(inMainWindow->isVisible() && inMainWindow->text().startsWith(said), qPrintable(inMainWindow->text()));
        QVERIFY(!designer->canvas()->shapes().find("Door1A")->visible);
        test::GuiFixture::grab(designer, "opening-misfit-designer");
        test::GuiFixture::grab(fixture.window.get(), "opening-misfit-main");

        fixture.session->undo();
        QVERIFY(!inStatusBar->isVisible() && !inMainWindow->isVisible());
        QVERIFY(designer->canvas()->shapes().find("Door1A")->visible);
        QVERIFY2(fixture.surprises().empty(), fixture.surprises().c_str());
    }
};

QTEST_MAIN(OpeningMisfitTest)
#include "OpeningMisfitTest.moc"
