// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutlistViewerPanel.h"

#include "ui/common/QtText.h"
#include "ui/common/SessionController.h"
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
    auto* layout = new QVBoxLayout(this);
    m_grid = new QTableWidget(kViewerMinimumRows - 1, 4, this);
    m_grid->setObjectName(QStringLiteral("CutListData"));
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
    const auto& viewer = m_controller.session().cutList.viewer;
    m_grid->clearContents();
    m_grid->setRowCount(viewer.rowCount() - 1);
    for (std::size_t r = 0; r < viewer.rows.size(); ++r)
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(ToQt(viewer.rows[r][static_cast<std::size_t>(c)]));
            if (c != 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(static_cast<int>(r), c, item);
        }
    fitColumns();
}

} // namespace boxmill
