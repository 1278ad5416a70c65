// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiFixture.h"

#include "app/IncludePartsPanel.h"
#include "designer/ui/EditingForm.h"

#include <QListWidget>
#include <QTimer>

using namespace boxmill;

class EditingFormTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<test::GuiFixture>(); }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    void listsCarryTheExactCaptions()
    {
        auto* form = m_fixture->window->editingWindow();
        QCOMPARE(form->drawerList()->item(0)->text(), QStringLiteral("Drawer1A Enabled"));
        QCOMPARE(form->faceList()->item(11)->text(), QStringLiteral("Face4C   Enabled"));
        QCOMPARE(form->panelList()->item(1)->text(), QStringLiteral("PanelsAP Enabled"));
        QCOMPARE(form->panelList()->item(4)->text(), QStringLiteral("PanelsC  Enabled"));
    }

    void uncheckingAFaceStoresItAndMarksTheCabinetModified()
    {
        auto* form = m_fixture->window->editingWindow();
        auto& model = m_fixture->session->model();
        QVERIFY(model.record.flag(RecordOffset::FaceEnabled + 1));
        form->faceList()->item(1)->setCheckState(Qt::Unchecked);
        QVERIFY(!model.record.flag(RecordOffset::FaceEnabled + 1));
        QVERIFY(m_fixture->session->modified());
    }

    void locatorStaysWithinThreeSections()
    {
        auto* form = m_fixture->window->editingWindow();
        form->show();
        QCOMPARE(form->locatorSection(), 1);
        form->backSection();
        QCOMPARE(form->locatorSection(), 1);
        form->nextSection();
        QCOMPARE(form->drawerList()->currentItem()->text(), QStringLiteral("Drawer4B Enabled"));
        QCOMPARE(form->faceList()->currentItem()->text(), QStringLiteral("Face4B   Enabled"));
        QCOMPARE(form->panelList()->currentItem()->text(), QStringLiteral("PanelsBP Enabled"));
        form->nextSection();
        form->nextSection();
        QCOMPARE(form->locatorSection(), 3);
        form->backSection();
        QCOMPARE(form->drawerList()->currentItem()->text(), QStringLiteral("Drawer1B Enabled"));
        QCOMPARE(form->panelList()->currentItem()->text(), QStringLiteral("PanelsB  Enabled"));
        test::GuiFixture::grab(form, "editing-window");
        form->close();
    }

    void drawerItemsOfTheIncludeListOpenIt()
    {
        auto* list = m_fixture->window->includeParts()->list();
        bool opened = false;
        QTimer::singleShot(0, this, [&] {
            auto* form = m_fixture->window->editingWindow();
            opened = form->isVisible();
            form->close();
        });
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(15)).center());
        QVERIFY(opened);
    }

private:
    std::unique_ptr<test::GuiFixture> m_fixture;
};

QTEST_MAIN(EditingFormTest)
#include "EditingFormTest.moc"
