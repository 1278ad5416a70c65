// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuiFixture.h"

#include "core/FileIo.h"
#include "cutlist/ui/CostCalculatorPanel.h"
#include "cutlist/ui/WoodSelectionPanel.h"
#include "cutlist/ui/WoodSettingsPanel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

using namespace boxmill;

class WoodPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_fixture = std::make_unique<test::GuiFixture>(); }
    void cleanup()
    {
        const std::string surprises = m_fixture->surprises();
        m_fixture.reset();
        QVERIFY2(surprises.empty(), surprises.c_str());
    }

    void addChangeAndDeleteAWood()
    {
        auto* panel = m_fixture->window->woodSelection();
        auto* list = panel->woodList();
        const int before = list->count();
        fill(panel, "Teak", "0", "3/4", "19.5");
        m_fixture->prompter.answers = {true};
        QTest::mouseClick(panel->addButton(), Qt::LeftButton);
        QCOMPARE(list->count(), before + 1);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Teak*0 3/4*19.5"));
        QVERIFY(woodFile().find("Teak*0.75*19.5") != std::string::npos);

        // The same wood again is refused without a question.
        QTest::mouseClick(panel->addButton(), Qt::LeftButton);
        QCOMPARE(list->count(), before + 1);
        QCOMPARE(m_fixture->prompter.shown.back().kind, MessageKind::Error);

        panel->costSft()->setText(QStringLiteral("21"));
        m_fixture->prompter.answers = {true};
        QTest::mouseClick(panel->changeButton(), Qt::LeftButton);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Teak*0 3/4*21"));
        QCOMPARE(list->count(), before + 1);

        m_fixture->prompter.answers = {true};
        panel->deleteSelected();
        QCOMPARE(list->count(), before);
        QVERIFY(woodFile().find("Teak") == std::string::npos);
    }

    void assignAWoodToAPartRow()
    {
        auto* panel = m_fixture->window->woodSelection();
        auto* settings = m_fixture->window->woodSettings();
        fill(panel, "Walnut", "1", "0", "12");
        settings->grid()->setCurrentCell(2, 1); // left side
        QTest::mouseClick(panel->selectWoodButton(), Qt::LeftButton);
        auto& model = m_fixture->session->model();
        QCOMPARE(model.partWoodName[2], std::string("Walnut"));
        QCOMPARE(model.partStock[2], 1.0);
        QCOMPARE(model.partPrice[2], Money {120000});
        QCOMPARE(settings->grid()->item(2, 1)->text(), QStringLiteral("Walnut*1-0"));
        QVERIFY(m_fixture->session->modified());
    }

    void labourIsKeptWithTheCabinet()
    {
        auto* cost = m_fixture->window->costCalculator();
        cost->hours()->clear();
        QTest::keyClicks(cost->hours(), QStringLiteral("12345"));
        QCOMPARE(cost->hours()->text(), QStringLiteral("1234"));
        QCOMPARE(m_fixture->session->model().record.hours(), std::string("1234"));
        test::GuiFixture::grab(m_fixture->window.get(), "main-window");
    }

private:
    static void fill(WoodSelectionPanel* panel, const char* type, const char* inches, const char* fraction,
                     const char* cost)
    {
        panel->woodType()->setText(QString::fromLatin1(type));
        panel->inchThick()->setText(QString::fromLatin1(inches));
        panel->fracThick()->setText(QString::fromLatin1(fraction));
        panel->costSft()->setText(QString::fromLatin1(cost));
    }

    std::string woodFile() const { return ReadFileBytes(m_fixture->folder.path() / "Wood.dat").value(); }

    std::unique_ptr<test::GuiFixture> m_fixture;
};

QTEST_MAIN(WoodPanelsTest)
#include "WoodPanelsTest.moc"
