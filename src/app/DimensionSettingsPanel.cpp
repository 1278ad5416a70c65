// SPDX-License-Identifier: GPL-3.0-or-later
#include "DimensionSettingsPanel.h"

#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/SessionController.h"
#include "ui/common/ShownTexts.h"

#include "core/ParameterEntry.h"
#include "session/CabinetSession.h"
#include "session/EditCommands.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace boxmill {

DimensionSettingsPanel::DimensionSettingsPanel(SessionController& controller, QWidget* parent)
    : QGroupBox(QStringLiteral("Dimension Settings"), parent)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("DimensionSettingsBox"));
    SetHelpKey(this, "Dimension Settings:");
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("Parameters"), this);
    caption->setObjectName(QStringLiteral("Parameters"));
    SetHelpKey(caption, "Parameters:");
    layout->addWidget(caption);
    m_parameterList = new QListWidget(this);
    UsePlainCells(m_parameterList);
    m_parameterList->setObjectName(QStringLiteral("ParameterList"));
    m_parameterList->setMinimumWidth(200);
    layout->addWidget(m_parameterList, 1);
    auto* valueCaption = new QLabel(QStringLiteral("Parameter Value"), this);
    valueCaption->setObjectName(QStringLiteral("ParameterValue"));
    SetHelpKey(valueCaption, "Parameter Value:");
    layout->addWidget(valueCaption);

    auto* entry = new QHBoxLayout;
    m_inches = new QLineEdit(this);
    m_inches->setObjectName(QStringLiteral("Inches"));
    m_fraction = new QLineEdit(this);
    m_fraction->setObjectName(QStringLiteral("Fraction"));
    m_fraction->setMaxLength(5);
    m_fraction->setFixedWidth(60);
    m_millimetre = new QLabel(QStringLiteral("mm"), this);
    m_millimetre->setObjectName(QStringLiteral("MilliMeter"));
    m_enter = new QPushButton(QStringLiteral("Enter"), this);
    m_enter->setObjectName(QStringLiteral("EnterParameter"));
    m_enter->setToolTip(QStringLiteral("Enter Parameter"));
    entry->addWidget(m_inches);
    entry->addWidget(m_fraction);
    entry->addWidget(m_millimetre);
    entry->addStretch();
    entry->addWidget(m_enter);
    layout->addLayout(entry);

    connect(m_parameterList, &QListWidget::currentRowChanged, this, [this] { showSelectedParameter(); });
    connect(m_enter, &QPushButton::clicked, this, [this] { enterParameter(); });
    connect(m_fraction, &QLineEdit::returnPressed, this, [this] { enterParameter(); });
    connect(m_inches, &QLineEdit::returnPressed, this, [this] { enterParameter(); });
    connect(&m_controller, &SessionController::parameterRequested, this,
            [this](int index) { selectParameterByPosition(index); });
}

void DimensionSettingsPanel::applyUnitMode()
{
    const bool metric = m_controller.session().model().units == UnitMode::Metric;
    m_fraction->setVisible(!metric);
    m_millimetre->setVisible(metric);
    m_inches->setMaxLength(metric ? 4 : 3);
    m_inches->setFixedWidth(metric ? 56 : 44);
}

void DimensionSettingsPanel::reload()
{
    applyUnitMode();
    const int selected = m_parameterList->count() > 0 ? selectedParameter() : -1;
    // The names change with the data files only; most cabinets replaced
    // find the list as it was.
    const auto& names = m_controller.session().data().vocabulary.sortedParameters();
    if (!ListShows(m_parameterList, names)) {
        {
            const QSignalBlocker blocker(m_parameterList);
            m_parameterList->clear();
            for (const auto& name : names)
                m_parameterList->addItem(ToQt(name));
        }
        if (selected >= 0)
            selectParameterByPosition(selected);
    }
    if (m_parameterList->currentRow() < 0 && m_parameterList->count() > 0)
        m_parameterList->setCurrentRow(0);
    showSelectedParameter();
}

int DimensionSettingsPanel::selectedParameter() const
{
    const auto* item = m_parameterList->currentItem();
    if (!item)
        return -1;
    return m_controller.session().data().vocabulary.parameterIndexOfName(FromQt(item->text())).value_or(-1);
}

void DimensionSettingsPanel::selectParameterByPosition(int index)
{
    if (const auto row = m_controller.session().data().vocabulary.sortedRowOfParameter(index)) {
        m_parameterList->setCurrentRow(*row);
        showSelectedParameter();
    }
}

void DimensionSettingsPanel::showSelectedParameter()
{
    m_inches->clear();
    m_fraction->clear();
    const int index = selectedParameter();
    if (index < 0)
        return;
    const auto text = ShowParameter(m_controller.session().model(), index);
    m_inches->setText(ToQt(text.inches));
    m_fraction->setText(ToQt(text.fraction));
}

void DimensionSettingsPanel::enterParameter()
{
    const int index = selectedParameter();
    if (index < 0)
        return;
    EditParameter(m_controller.commands(), index, {FromQt(m_inches->text()), FromQt(m_fraction->text())});
    showSelectedParameter();
}

} // namespace boxmill
