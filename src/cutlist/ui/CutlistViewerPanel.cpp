// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutlistViewerPanel.h"

#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/SessionController.h"
#include "ui/common/ShownTexts.h"
#include "ui/common/TableFit.h"

#include "session/CabinetSession.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace boxmill {

namespace {
// The widest entry each column usually holds: a count, a part's name, and
// two lengths (millimetres are shorter).
constexpr const char* kWidestEntries[] = {"9999", "Dr Mid Rail(s)", "000 00/00", "000 00/00"};
static_assert(std::size(kWidestEntries) == kViewerHeader.size());
} // namespace

CutlistViewerPanel::CutlistViewerPanel(SessionController& controller, QWidget* parent)
    : QGroupBox(QStringLiteral("Cutlist Viewer"), parent)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("Box1"));
    SetHelpKey(this, "Cutlist Viewer:");
    auto* layout = new QVBoxLayout(this);
    m_grid = new QTableWidget(kViewerMinimumRows - 1, 4, this);
    UsePlainCells(m_grid);
    m_grid->setObjectName(QStringLiteral("CutListData"));
    SetGridHelpKeys(m_grid, HelpBy::Column, kViewerHelpKeys);
    QStringList header;
    for (const auto title : kViewerHeader)
        header << ToQt(title);
    m_grid->setHorizontalHeaderLabels(header);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(m_grid);
    fitColumns();
}

void CutlistViewerPanel::fitColumns()
{
    FitTableColumns(m_grid, kWidestEntries);
}

void CutlistViewerPanel::showGrid()
{
    const auto& viewer = m_controller.session().cutList().viewer;
    const bool changed = ShowTableText(
        m_grid, viewer.rowCount() - 1, static_cast<int>(viewer.rows.size()),
        [&](int r, int c) { return ToQt(viewer.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]); },
        [](int c) -> Qt::Alignment {
            return c == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter;
        });
    // Measuring every entry is the dearest part of showing the list.
    if (changed)
        fitColumns();
}

} // namespace boxmill
