// SPDX-License-Identifier: GPL-3.0-or-later
#include "CostCalculatorPanel.h"

#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/SessionController.h"
#include "ui/common/ShownTexts.h"
#include "ui/common/TableFit.h"

#include "cutlist/JobTotal.h"
#include "session/CabinetSession.h"
#include "session/EditCommands.h"

#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace boxmill {

namespace {
// The widest entry each column usually holds: a wood's name and an area by
// a thickness.
constexpr const char* kWidestEntries[] = {"Birch Plywood", "000 x 0 0/00"};
} // namespace

CostCalculatorPanel::CostCalculatorPanel(SessionController& controller, QWidget* parent)
    : QGroupBox(QStringLiteral("Cost/SqFt Calculator"), parent)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("CostCalculatorBox"));
    SetHelpKey(this, "Cost/Ft Calculator:");
    auto* layout = new QVBoxLayout(this);
    m_grid = new QTableWidget(kWoodCostMinimumRows - 1, 2, this);
    UsePlainCells(m_grid);
    m_grid->setObjectName(QStringLiteral("WoodCostData"));
    SetGridHelpKeys(m_grid, HelpBy::Column, {"Wood:", "SqFt x Stock:"});
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_grid, 1);

    auto* labour = new QGridLayout;
    auto* caption = new QLabel(QStringLiteral("Labor Calculation"), this);
    caption->setObjectName(QStringLiteral("LaborCalculation"));
    SetHelpKey(caption, "Labor Calculation:");
    labour->addWidget(caption, 0, 0, 1, 3);
    const std::pair<const char*, const char*> captions[] = {
        {"Hours", "Hours:"}, {"Cost", "Cost:"}, {"Job Total", "Job Total:"}};
    for (int column = 0; column < 3; ++column) {
        auto* label = new QLabel(QString::fromLatin1(captions[column].first), this);
        SetHelpKey(label, captions[column].second);
        labour->addWidget(label, 1, column);
    }
    m_hours = new QLineEdit(this);
    m_hours->setObjectName(QStringLiteral("Hours"));
    m_hours->setMaxLength(4);
    m_cost = new QLineEdit(this);
    m_cost->setObjectName(QStringLiteral("Cost"));
    m_cost->setMaxLength(5);
    m_jobTotal = new QLineEdit(this);
    m_jobTotal->setObjectName(QStringLiteral("JobTotal"));
    m_jobTotal->setReadOnly(true);
    m_jobTotal->installEventFilter(this);
    // Room for a five-figure total and its cents.
    m_jobTotal->setMinimumWidth(m_jobTotal->fontMetrics().horizontalAdvance(QStringLiteral("000000.00")) + 12);
    labour->addWidget(m_hours, 2, 0);
    labour->addWidget(m_cost, 2, 1);
    labour->addWidget(m_jobTotal, 2, 2);
    labour->setColumnStretch(2, 1);
    layout->addLayout(labour);

    // The labour belongs to the cabinet and is saved with it; the typing of
    // one box is one step to undo.
    connect(m_hours, &QLineEdit::textEdited, this,
            [this](const QString& text) { labourTyped(text, ReadHours(FromQt(text)).ok(), EditHours); });
    connect(m_cost, &QLineEdit::textEdited, this,
            [this](const QString& text) { labourTyped(text, ReadLabourRate(FromQt(text)).ok(), EditCost); });
    connect(m_hours, &QLineEdit::editingFinished, this,
            [this] { labourFinished(m_hours, &CabinetRecord::hours, EditHours); });
    connect(m_cost, &QLineEdit::editingFinished, this,
            [this] { labourFinished(m_cost, &CabinetRecord::cost, EditCost); });
}

void CostCalculatorPanel::labourTyped(const QString& text, bool usable, LabourEdit edit)
{
    // A half-typed "1." or an emptied box is no reason for a message yet:
    // the total waits, and Enter or leaving the box decides.
    if (usable)
        edit(m_controller.commands(), FromQt(text));
    showJobTotal();
}

void CostCalculatorPanel::labourFinished(QLineEdit* box, std::string (CabinetRecord::*stored)() const, LabourEdit edit)
{
    const auto& session = m_controller.session();
    const std::string typed = FromQt(box->text());
    if (typed == (session.model().record.*stored)())
        return;
    // The kept value is back in the box before the message takes the focus
    // and so finishes the editing a second time.
    box->setText(ToQt((session.model().record.*stored)()));
    edit(m_controller.commands(), typed);
    box->setText(ToQt((session.model().record.*stored)()));
    showJobTotal();
}

void CostCalculatorPanel::showJobTotal()
{
    // The total belongs to the hours and rate of the cabinet; while a box
    // shows something else, no figure stands beside it.
    const auto& session = m_controller.session();
    const bool boxesShowCabinet = FromQt(m_hours->text()) == session.model().record.hours() &&
                                  FromQt(m_cost->text()) == session.model().record.cost();
    m_jobTotal->setText(boxesShowCabinet ? ToQt(session.cost().jobTotalText()) : QString());
}

void CostCalculatorPanel::applyUnitMode()
{
    const bool metric = m_controller.session().model().units == UnitMode::Metric;
    setTitle(metric ? QStringLiteral("Cost/SqM Calculator") : QStringLiteral("Cost/SqFt Calculator"));
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("Wood"), ToQt(WoodCostAreaTitle(m_controller.session().model().units))});
    fitColumns();
}

void CostCalculatorPanel::fitColumns()
{
    FitTableColumns(m_grid, kWidestEntries);
}

void CostCalculatorPanel::reload()
{
    applyUnitMode();
    const auto& record = m_controller.session().model().record;
    m_hours->setText(ToQt(record.hours()));
    m_cost->setText(ToQt(record.cost()));
    showCost();
}

void CostCalculatorPanel::showCost()
{
    const auto& calculator = m_controller.session().cost();
    const auto& rows = calculator.cost().rows;
    const bool changed =
        ShowTableText(m_grid, calculator.cost().gridRows() - 1, static_cast<int>(rows.size()), [&](int r, int c) {
            const auto& row = rows[static_cast<std::size_t>(r)];
            return ToQt(c == 0 ? row.woodText : row.areaText);
        });
    showJobTotal();
    if (changed)
        fitColumns();
}

bool CostCalculatorPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_jobTotal && event->type() == QEvent::MouseButtonRelease) {
        m_controller.commands().priceJob();
        showJobTotal();
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace boxmill
