// SPDX-License-Identifier: GPL-3.0-or-later
#include "JobFiguresPanel.h"

#include "paint/QtText.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/ShownTexts.h"
#include "ui/common/TableFit.h"

#include "core/Money.h"
#include "jobs/JobCabinets.h"
#include "jobs/JobLists.h"
#include "session/CabinetSession.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

namespace boxmill {

namespace {

constexpr std::array<const char*, 7> kListHeader = {"Cabinet", "Qty", "Part", "Width", "Length", "Stock", "Wood"};
constexpr const char* kListWidest[] = {"Base 30 left", "999",    "Dr Mid Rail(s)", "000 00/00",
                                       "000 00/00",    "0 0/00", "Birch Plywood"};
constexpr const char* kCostWidest[] = {"Birch Plywood", "000 x 0 0/00", "$00,000.00"};

QTableWidget* FigureGrid(QWidget* parent, const char* name, const QStringList& header)
{
    auto* grid = new QTableWidget(0, static_cast<int>(header.size()), parent);
    grid->setObjectName(QString::fromLatin1(name));
    UsePlainCells(grid);
    grid->setHorizontalHeaderLabels(header);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    return grid;
}

Qt::Alignment ListAlignment(int column)
{
    return column == 1 || column == 3 || column == 4 ? Qt::AlignRight | Qt::AlignVCenter
                                                     : Qt::AlignLeft | Qt::AlignVCenter;
}

Qt::Alignment CostAlignment(int column)
{
    return column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter;
}

QString ListCell(const JobRow& row, int column)
{
    switch (column) {
    case 0: return ToQt(row.label);
    case 1: return QString::number(row.row.quantity);
    case 2: return ToQt(row.partName);
    case 3: return ToQt(row.row.width);
    case 4: return ToQt(row.row.length);
    case 5: return ToQt(row.row.stock);
    default: return ToQt(row.row.material);
    }
}

// The wood rows, then the wood, labour and job totals.
std::vector<std::array<std::string, 3>> CostRows(const JobCost& cost)
{
    std::vector<std::array<std::string, 3>> rows;
    for (const auto& row : cost.wood.rows)
        rows.push_back({row.woodText, row.areaText, FormatMoney(row.cost)});
    rows.push_back({"Wood", "", FormatMoney(cost.wood.partsTotal)});
    rows.push_back({"Labour", "", FormatMoney(cost.labour)});
    rows.push_back({"Job Total", "", cost.total ? FormatMoney(*cost.total) : "not given"});
    return rows;
}

} // namespace

JobFiguresPanel::JobFiguresPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("JobFigures"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("JobNote"));
    m_note->setWordWrap(true);
    m_note->setTextFormat(Qt::PlainText);
    m_note->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_note);
    QStringList listHeader;
    for (const char* title : kListHeader)
        listHeader << QString::fromLatin1(title);
    m_rows = FigureGrid(this, "JobCutList", listHeader);
    m_cost = FigureGrid(this, "JobCost", {QStringLiteral("Wood"), QStringLiteral("Area"), QStringLiteral("Cost")});
    FitTableColumns(m_rows, kListWidest);
    FitTableColumns(m_cost, kCostWidest);
    auto* grids = new QHBoxLayout;
    grids->addWidget(m_rows, 3);
    grids->addWidget(m_cost, 2);
    layout->addLayout(grids, 1);
}

void JobFiguresPanel::showNote(const QString& text)
{
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}

void JobFiguresPanel::showJob(const CabinetSession& session, const Job& job, const std::filesystem::path& jobFile)
{
    if (job.cabinets.empty()) {
        ShowTableText(m_rows, 0, 0, nullptr);
        ShowTableText(m_cost, 0, 0, nullptr);
        showNote(QStringLiteral("Add cabinets to see the job's cut list and cost."));
        return;
    }
    // The cabinets' warnings are told once, beside the figures, rather than
    // in a box for every edit of the job.
    const auto loaded = LoadJobCabinets(session.model(), session.data().vocabulary, job, jobFile);
    if (!loaded) {
        // Figures without one of the cabinets would look right and be short.
        ShowTableText(m_rows, 0, 0, nullptr);
        ShowTableText(m_cost, 0, 0, nullptr);
        showNote(MessageToQt(loaded.error()));
        return;
    }
    const UnitMode units = session.model().units;
    const auto rows = CombinedRows(*loaded);
    const JobCost cost = CombinedCost(*loaded, units);
    const auto costRows = CostRows(cost);
    const int listCount = static_cast<int>(rows.size());
    const int costCount = static_cast<int>(costRows.size());
    const bool listChanged = ShowTableText(
        m_rows, listCount, listCount, [&](int r, int c) { return ListCell(rows[static_cast<std::size_t>(r)], c); },
        ListAlignment);
    const bool costChanged = ShowTableText(
        m_cost, costCount, costCount,
        [&](int r, int c) { return ToQt(costRows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]); },
        CostAlignment);
    if (const QString area = ToQt(WoodCostAreaTitle(units)); m_cost->horizontalHeaderItem(1)->text() != area)
        m_cost->horizontalHeaderItem(1)->setText(area);
    if (listChanged)
        FitTableColumns(m_rows, kListWidest);
    if (costChanged)
        FitTableColumns(m_cost, kCostWidest);
    std::vector<std::string> lines = cost.problems;
    for (const Message& message : JobCabinetMessages(*loaded))
        lines.push_back(message.text);
    QStringList shown;
    for (const auto& line : lines)
        shown << MessageToQt(line);
    showNote(shown.join(QLatin1Char('\n')));
}

} // namespace boxmill
