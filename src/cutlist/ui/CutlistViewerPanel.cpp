// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutlistViewerPanel.h"

#include "ui/common/QtText.h"
#include "ui/common/SessionController.h"

#include "session/CabinetSession.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace boxmill {

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
    m_grid->horizontalHeader()->setDefaultSectionSize(80);
    m_grid->setColumnWidth(1, 110);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(m_grid);
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
}

} // namespace boxmill
