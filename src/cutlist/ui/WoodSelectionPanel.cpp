// SPDX-License-Identifier: GPL-3.0-or-later
#include "WoodSelectionPanel.h"

#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/SessionController.h"
#include "ui/common/ShownTexts.h"

#include "cutlist/WoodListingEditor.h"
#include "session/CabinetSession.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace boxmill {

namespace {

QLabel* Caption(const char* text, const char* name, const char* helpKey, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    SetHelpKey(label, helpKey);
    return label;
}

QLineEdit* Edit(const char* name, int maxLength, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    return edit;
}

} // namespace

WoodSelectionPanel::WoodSelectionPanel(SessionController& controller, QWidget* parent)
    : QGroupBox(QStringLiteral("Wood Selection Editor"), parent)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("WoodSelectionBox"));
    SetHelpKey(this, "Wood Selection Editor:");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Caption("Listing Index", "ListingIndex", "Listing Index:", this));
    m_list = new QListWidget(this);
    UsePlainCells(m_list);
    m_list->setObjectName(QStringLiteral("WoodList"));
    m_list->setMinimumHeight(120);
    layout->addWidget(m_list, 1);

    auto* boxGrid = new QGridLayout;
    boxGrid->addWidget(Caption("Wood Type", "WoodTypeLabel", "Wood Type:", this), 0, 0);
    boxGrid->addWidget(Caption("Thickness", "ThicknessLabel", "Thickness:", this), 0, 1, 1, 3);
    m_lumberCost = Caption("CostSqFt", "LumberCost", "Board Cost:", this);
    boxGrid->addWidget(m_lumberCost, 0, 4);
    m_woodType = Edit("WoodType", 13, this);
    m_inchThick = Edit("InchThick", 1, this);
    m_fracThick = Edit("FracThick", 5, this);
    m_costSft = Edit("CostSft", 4, this);
    m_fracThick->setFixedWidth(52);
    m_costSft->setFixedWidth(52);
    m_millimetre = new QLabel(QStringLiteral("mm"), this);
    m_millimetre->setObjectName(QStringLiteral("MilliMeter1"));
    boxGrid->addWidget(m_woodType, 1, 0);
    boxGrid->addWidget(m_inchThick, 1, 1);
    boxGrid->addWidget(m_fracThick, 1, 2);
    boxGrid->addWidget(m_millimetre, 1, 3);
    boxGrid->addWidget(m_costSft, 1, 4);
    boxGrid->setColumnStretch(0, 1);
    layout->addLayout(boxGrid);

    auto* buttons = new QGridLayout;
    m_add = new QPushButton(QStringLiteral("Add"), this);
    m_add->setObjectName(QStringLiteral("AddToWood"));
    m_add->setToolTip(QStringLiteral("Add To Listing Index"));
    m_change = new QPushButton(QStringLiteral("Change"), this);
    m_change->setObjectName(QStringLiteral("ChangeListing"));
    m_change->setToolTip(QStringLiteral("Change Listing Index"));
    m_selectWood = new QPushButton(QStringLiteral("Change Wood Settings"), this);
    m_selectWood->setObjectName(QStringLiteral("SelectWood"));
    m_selectWood->setToolTip(QStringLiteral("Change Wood Settings"));
    buttons->addWidget(m_add, 0, 0);
    buttons->addWidget(m_change, 0, 1);
    buttons->addWidget(m_selectWood, 1, 0, 1, 2);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::currentRowChanged, this, [this] { fillBoxesFromSelection(); });
    connect(m_add, &QPushButton::clicked, this, [this] {
        const auto typed = boxes();
        const auto result = m_controller.commands().editWoodListing(
            [&](WoodListingEditor& editor) { return editor.add(typed, selectedRow()); });
        if (result.outcome == WoodListingOutcome::Done)
            showList(result.selected);
    });
    connect(m_change, &QPushButton::clicked, this, [this] {
        const auto typed = boxes();
        const auto result = m_controller.commands().editWoodListing(
            [&](WoodListingEditor& editor) { return editor.change(typed, selectedRow()); });
        if (result.outcome == WoodListingOutcome::Done)
            showList(result.selected);
    });
    connect(m_selectWood, &QPushButton::clicked, this, [this] {
        if (m_selectWoodCommand)
            m_selectWoodCommand();
    });
}

void WoodSelectionPanel::applyUnitMode()
{
    const bool metric = m_controller.session().model().units == UnitMode::Metric;
    m_fracThick->setVisible(!metric);
    m_millimetre->setVisible(metric);
    m_inchThick->setMaxLength(metric ? 4 : 1);
    m_inchThick->setFixedWidth(metric ? 52 : 28);
    // Prices are shown per square metre in metric, about ten times the
    // figure per square foot; a box too short would cut a price it shows.
    m_costSft->setMaxLength(metric ? 7 : 5);
    m_lumberCost->setText(metric ? QStringLiteral("CostSqM") : QStringLiteral("CostSqFt"));
}

void WoodSelectionPanel::reload()
{
    applyUnitMode();
    showList(0);
}

void WoodSelectionPanel::showList(std::optional<int> selected)
{
    if (const auto& items = m_controller.session().data().woodItems; !ListShows(m_list, items)) {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const auto& item : items)
            m_list->addItem(ToQt(item));
    }
    if (selected && *selected < m_list->count())
        m_list->setCurrentRow(*selected);
    fillBoxesFromSelection();
}

std::optional<int> WoodSelectionPanel::selectedRow() const
{
    const int row = m_list->currentRow();
    return row >= 0 ? std::optional<int>(row) : std::nullopt;
}

void WoodSelectionPanel::fillBoxesFromSelection()
{
    const auto* item = m_list->currentItem();
    if (!item)
        return;
    const auto filled = EditBoxesFromItem(FromQt(item->text()), m_controller.session().model().units);
    m_woodType->setText(ToQt(filled.woodType));
    m_inchThick->setText(ToQt(filled.inchThick));
    m_fracThick->setText(ToQt(filled.fracThick));
    m_costSft->setText(ToQt(filled.costSft));
}

WoodEditBoxes WoodSelectionPanel::boxes() const
{
    const bool metric = m_controller.session().model().units == UnitMode::Metric;
    // In metric the hidden fraction box holds "0", as the listing expects.
    return {FromQt(m_woodType->text()), FromQt(m_inchThick->text()),
            metric ? std::string("0") : FromQt(m_fracThick->text()), FromQt(m_costSft->text())};
}

void WoodSelectionPanel::deleteSelected()
{
    const auto result = m_controller.commands().editWoodListing(
        [&](WoodListingEditor& editor) { return editor.remove(selectedRow()); });
    if (result.outcome == WoodListingOutcome::Done)
        showList(result.selected);
}

} // namespace boxmill
