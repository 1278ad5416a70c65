// SPDX-License-Identifier: GPL-3.0-or-later
#include "IncludePartsPanel.h"

#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/SessionController.h"
#include "ui/common/ShownTexts.h"

#include "core/IncludeParts.h"
#include "session/CabinetSession.h"
#include "session/EditCommands.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace boxmill {

IncludePartsPanel::IncludePartsPanel(SessionController& controller, QWidget* parent)
    : QGroupBox(QStringLiteral("Cabinet Editing"), parent)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("CabinetEditingBox"));
    SetHelpKey(this, "Cabinet Editing:");
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("Include Parts"), this);
    caption->setObjectName(QStringLiteral("IncludeParts"));
    SetHelpKey(caption, "Include Parts:");
    layout->addWidget(caption);
    m_list = new QListWidget(this);
    UsePlainCells(m_list);
    m_list->setObjectName(QStringLiteral("IncludePartsList"));
    m_list->setMinimumWidth(170);
    layout->addWidget(m_list, 1);
    connect(m_list, &QListWidget::itemChanged, this, &IncludePartsPanel::checkChanged);
    connect(m_list, &QListWidget::itemClicked, this, &IncludePartsPanel::clicked);
}

void IncludePartsPanel::reload()
{
    const auto& names = m_controller.session().data().vocabulary.includeNames();
    if (!ListShows(m_list, names)) {
        const int row = m_list->currentRow();
        {
            const QSignalBlocker blocker(m_list);
            m_list->clear();
            for (const auto& name : names) {
                auto* item = new QListWidgetItem(ToQt(name), m_list);
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            }
        }
        m_list->setCurrentRow(row >= 0 ? row : 0);
    }
    showChecks();
}

void IncludePartsPanel::showChecks()
{
    const QSignalBlocker blocker(m_list);
    const auto& model = m_controller.session().model();
    for (int i = 0; i < m_list->count(); ++i)
        m_list->item(i)->setCheckState(model.include(i) ? Qt::Checked : Qt::Unchecked);
}

void IncludePartsPanel::checkChanged(QListWidgetItem* item)
{
    const int index = m_list->row(item);
    const bool checked = item->checkState() == Qt::Checked;
    std::optional<int> parameter;
    // A check toggled with the keyboard brings no click: the top and the
    // carcass rail are kept apart here as well.
    EditInclude(m_controller.commands(), index, checked, &parameter);
    showChecks();
    if (parameter)
        m_controller.requestParameter(*parameter);
}

void IncludePartsPanel::clicked(QListWidgetItem* item)
{
    if (OpensEditingWindow(m_list->row(item)) && m_openEditingWindow)
        m_openEditingWindow();
    EditTopOrCarcassRail(m_controller.commands(), m_list->row(item));
    showChecks();
}

} // namespace boxmill
