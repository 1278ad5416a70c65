// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiFixture.h"

#include "app/CabinetStylePanel.h"
#include "app/DimensionSettingsPanel.h"
#include "app/DividerForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QListWidget>

using namespace boxmill;
using O = CabinetOption;

class DividerFormTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<test::GuiFixture>(); }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    void mirrorsTheModelAndKeepsRadioGroupsExclusive()
    {
        auto* form = m_fixture->window->optionsWindow();
        m_fixture->window->showCabinetOptions(true);
        auto& options = m_fixture->session->model().options;
        QCOMPARE(form->button(O::TopRabbit)->isChecked(), options[O::TopRabbit]);

        test::GuiFixture::clickMark(form->button(O::TopDado));
        QVERIFY(options[O::TopDado]);
        QVERIFY(!options[O::TopRabbit]);
        QVERIFY(!form->button(O::TopRabbit)->isChecked());
        QVERIFY(m_fixture->session->modified());
    }

    void setDividerEnablesItsPlacementButtonsOnly()
    {
        auto* form = m_fixture->window->optionsWindow();
        m_fixture->window->showCabinetOptions(true);
        auto& options = m_fixture->session->model().options;
        if (!options[O::SetDivider1])
            test::GuiFixture::clickMark(form->button(O::SetDivider1));
        QVERIFY(form->button(O::Center1)->isEnabled());
        const bool centred = options[O::Center1];
        test::GuiFixture::clickMark(form->button(O::SetDivider1));
        QVERIFY(!options[O::SetDivider1]);
        QVERIFY(!form->button(O::Center1)->isEnabled());
        QCOMPARE(options[O::Center1], centred);
        QVERIFY(form->button(O::Center2)->isEnabled() == options[O::SetDivider2]);
    }

    void mateClearsBlindCornerButNotTheOtherWay()
    {
        auto* form = m_fixture->window->optionsWindow();
        auto* blindCorner = m_fixture->window->cabinetStyle()->blindCorner();
        test::GuiFixture::clickMark(blindCorner);
        QVERIFY(blindCorner->isChecked());
        m_fixture->window->showCabinetOptions(true);
        test::GuiFixture::clickMark(form->button(O::BlindMate));
        QVERIFY(m_fixture->session->model().options[O::BlindMate]);
        QVERIFY(!m_fixture->session->model().record.flag(RecordOffset::BlindCorner));
        form->close();
        QVERIFY(!blindCorner->isChecked());
    }

    void pressingAnOptionShowsItsParameter()
    {
        auto* form = m_fixture->window->optionsWindow();
        m_fixture->window->showCabinetOptions(true);
        QTest::mousePress(form->button(O::LeftScribe), Qt::LeftButton);
        QTest::mouseRelease(form->button(O::LeftScribe), Qt::LeftButton);
        QCOMPARE(m_fixture->window->dimensionSettings()->selectedParameter(), 68);
    }

    void nailerCountFollowsTheList()
    {
        auto* form = m_fixture->window->optionsWindow();
        m_fixture->window->showCabinetOptions(true);
        auto* list = form->nailerCount();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        QCOMPARE(m_fixture->session->model().options.nailerCount, std::optional<int>(3));
        // The keys move the choice as well as the mouse.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(m_fixture->session->model().options.nailerCount, std::optional<int>(2));
        test::GuiFixture::grab(form, "options-window");
    }

private:
    std::unique_ptr<test::GuiFixture> m_fixture;
};

QTEST_MAIN(DividerFormTest)
#include "DividerFormTest.moc"
