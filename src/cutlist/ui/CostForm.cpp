// SPDX-License-Identifier: GPL-3.0-or-later
#include "CostForm.h"

#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/SessionController.h"
#include "ui/common/ShownTexts.h"
#include "ui/common/ToolIcons.h"

#include "cutlist/WoodEstimate.h"
#include "session/CabinetSession.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace boxmill {

namespace {

constexpr int kCostColumnWidth = 120;
constexpr int kTotalsColumnWidth = 160;

QTableWidget* Grid(int rows, int columns, int columnWidth, const char* name, QWidget* parent)
{
    auto* grid = new QTableWidget(rows, columns, parent);
    UsePlainCells(grid);
    grid->setObjectName(QString::fromLatin1(name));
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->horizontalHeader()->setDefaultSectionSize(columnWidth);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setShowGrid(true);
    grid->setFixedWidth(columns * columnWidth + 2 * grid->frameWidth() + 18);
    return grid;
}

} // namespace

TCostForm::TCostForm(SessionController& controller, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , m_controller(controller)
{
    setWindowTitle(QStringLiteral("Wood Estimator"));
    setObjectName(QStringLiteral("CostForm"));
    setModal(false);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    SetHelpKey(bar, "Wood Estimator:");
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const std::pair<const char*, CutListKind> lists[] = {{"All", CutListKind::Complete},
                                                         {"Cabinet", CutListKind::Cabinet},
                                                         {"Face", CutListKind::FaceFrame},
                                                         {"Drawers", CutListKind::Drawers},
                                                         {"Doors", CutListKind::Doors}};
    for (const auto& [caption, list] : lists) {
        QAction* action = bar->addAction(ToolIcon(ToolGlyph::SendToCutList), QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(caption));
        // The command announces the new list, which refills this window.
        connect(action, &QAction::triggered, this, [this, which = list] {
            if (m_listCommand)
                m_listCommand(which);
        });
    }
    bar->addSeparator();
    bar->addAction(ToolIcon(ToolGlyph::Close), QStringLiteral("Close"), this, &QDialog::close);

    m_costData = Grid(10, 4, kCostColumnWidth, "CostData", this);
    // The wood setting reads like "Birch Plywood*0-3/4": give it the room.
    m_costData->setColumnWidth(1, kCostColumnWidth + 60);
    m_costData->setFixedWidth(m_costData->width() + 60);
    m_costData->setMinimumHeight(11 * 20 + 30);
    m_totals = Grid(1, 2, kTotalsColumnWidth, "TotalsData", this);
    m_totals->setFixedHeight(20 + m_totals->horizontalHeader()->sizeHint().height() + 2 * m_totals->frameWidth());

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(m_costData, 1);
    layout->addWidget(m_totals, 0, Qt::AlignLeft);
    applyUnitMode();
}

void TCostForm::applyUnitMode()
{
    const bool metric = m_controller.session().model().units == UnitMode::Metric;
    m_costData->setHorizontalHeaderLabels({QStringLiteral("Cabinet Part"), QStringLiteral("Wood Type"),
                                           metric ? QStringLiteral("Square Meters") : QStringLiteral("Square Feet"),
                                           QStringLiteral("Part Cost")});
    m_totals->setHorizontalHeaderLabels(
        {metric ? QStringLiteral("Total Square Meters") : QStringLiteral("Total Square Feet"),
         QStringLiteral("Total Parts Cost")});
}

void TCostForm::refill()
{
    applyUnitMode();
    const auto& session = m_controller.session();
    const auto estimate = EstimateWood(session.model(), session.data().vocabulary.partNames(), session.woodSettings());
    const int count = static_cast<int>(estimate.rows.size());
    ShowTableText(m_costData, estimate.gridRows() - 1, count, [&](int r, int c) {
        const auto& row = estimate.rows[static_cast<std::size_t>(r)];
        const std::string* cells[] = {&row.partName, &row.woodSetting, &row.areaText, &row.costText};
        return ToQt(*cells[c]);
    });
    ShowTableText(m_totals, 1, 1,
                  [&](int, int c) { return ToQt(c == 0 ? estimate.totalAreaText : estimate.totalCostText); });
}

} // namespace boxmill
