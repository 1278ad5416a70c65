// SPDX-License-Identifier: GPL-3.0-or-later
#include "WoodSettingsPanel.h"

#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/SessionController.h"
#include "ui/common/ShownTexts.h"

#include "cutlist/WoodSettings.h"
#include "session/CabinetSession.h"
#include "session/EditCommands.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace boxmill {

WoodSettingsPanel::WoodSettingsPanel(SessionController& controller, QWidget* parent)
    : QGroupBox(QStringLiteral("Wood Settings"), parent)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("WoodSettingsBox"));
    SetHelpKey(this, "Wood Settings:");
    auto* layout = new QVBoxLayout(this);
    m_grid = new QTableWidget(kPartRows, 2, this);
    UsePlainCells(m_grid);
    m_grid->setObjectName(QStringLiteral("CabinetParts"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Cabinet Parts"), QStringLiteral("Wood Selection")});
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setDefaultSectionSize(124);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setMinimumWidth(2 * 124 + 24);
    layout->addWidget(m_grid);
    connect(m_grid, &QTableWidget::cellClicked, this, [this] { emit clicked(); });
}

void WoodSettingsPanel::reload()
{
    const auto& session = m_controller.session();
    const auto& names = session.data().vocabulary.partNames();
    ShowTableText(m_grid, kPartRows, kPartRows, [&](int row, int column) {
        const auto r = static_cast<std::size_t>(row);
        if (column == 0)
            return r < names.size() ? ToQt(names[r]) : QString();
        return ToQt(session.woodSettings()[r]);
    });
}

void WoodSettingsPanel::assignWood(const WoodEditBoxes& boxes)
{
    // Grid rows count from 1 below the title row, as the command expects.
    const int row = m_grid->currentRow();
    std::optional<std::string> cell;
    EditPartWood(m_controller.commands(), row >= 0 ? row + 1 : 0, boxes, &cell);
    if (!cell)
        return;
    m_grid->item(row, 1)->setText(ToQt(*cell));
}

} // namespace boxmill
