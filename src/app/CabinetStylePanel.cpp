// SPDX-License-Identifier: GPL-3.0-or-later
#include "CabinetStylePanel.h"

#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/SessionController.h"

#include "core/ParameterIndex.h"
#include "session/CabinetSession.h"
#include "session/EditCommands.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace boxmill {

CabinetStylePanel::CabinetStylePanel(SessionController& controller, QWidget* parent)
    : QWidget(parent)
    , m_controller(controller)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    auto* styleBox = new QGroupBox(QStringLiteral("Cabinet Style"), this);
    styleBox->setObjectName(QStringLiteral("CabinetStyleBox"));
    SetHelpKey(styleBox, "Cabinet Style:");
    auto* styleLayout = new QVBoxLayout(styleBox);
    m_cabinetStyle = new QLineEdit(ToQt(kInitialCabinetStyle), styleBox);
    m_cabinetStyle->setObjectName(QStringLiteral("CabinetStyle"));
    m_cabinetStyle->setReadOnly(true);
    styleLayout->addWidget(m_cabinetStyle);
    layout->addWidget(styleBox);

    auto* optionsBox = new QGroupBox(QStringLiteral("Cabinet Options Settings"), this);
    optionsBox->setObjectName(QStringLiteral("CabinetOptionsBox"));
    SetHelpKey(optionsBox, "Cabinet Options Settings:");
    auto* optionsLayout = new QVBoxLayout(optionsBox);
    m_detachedBase = new QCheckBox(QStringLiteral("Detached Base"), optionsBox);
    m_detachedBase->setObjectName(QStringLiteral("DetachedBase"));
    m_blindCorner = new QCheckBox(QStringLiteral("Blind Corner"), optionsBox);
    m_blindCorner->setObjectName(QStringLiteral("BlindCorner"));
    m_adjustableShelves = new QCheckBox(QStringLiteral("Adjustable Shelves"), optionsBox);
    m_adjustableShelves->setObjectName(QStringLiteral("AdjustableShelves"));
    for (auto* box : {m_detachedBase, m_blindCorner, m_adjustableShelves}) {
        optionsLayout->addWidget(box);
        box->installEventFilter(this);
    }
    layout->addWidget(optionsBox);

    for (const auto& [box, offset] : {std::pair {m_detachedBase, RecordOffset::DetachedBase},
                                      std::pair {m_adjustableShelves, RecordOffset::AdjustableShelves}})
        connect(box, &QCheckBox::clicked, this, [this, box = box, offset = offset](bool checked) {
            EditRecordFlag(m_controller.commands(), offset, checked, FromQt(box->text()));
        });
    connect(m_blindCorner, &QCheckBox::clicked, this,
            [this](bool checked) { EditBlindCorner(m_controller.commands(), checked); });
    // The options window may clear "Blind Corner" through "Mate".
    connect(&m_controller, &SessionController::layoutChanged, this, &CabinetStylePanel::reload);
}

bool CabinetStylePanel::eventFilter(QObject* watched, QEvent* event)
{
    // Pressing on a check box shows the size that goes with it, before the
    // click changes anything.
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_blindCorner)
            m_controller.requestParameter(Param::BlindPanel);
        else if (watched == m_adjustableShelves)
            m_controller.requestParameter(Param::ShelfLengthAllowance);
    }
    return QWidget::eventFilter(watched, event);
}

void CabinetStylePanel::reload()
{
    const auto& record = m_controller.session().model().record;
    m_detachedBase->setChecked(record.flag(RecordOffset::DetachedBase));
    m_blindCorner->setChecked(record.flag(RecordOffset::BlindCorner));
    m_adjustableShelves->setChecked(record.flag(RecordOffset::AdjustableShelves));
}

void CabinetStylePanel::showCabinetName()
{
    m_cabinetStyle->setText(ToQt(m_controller.session().model().folders.cabinetStyle));
}

} // namespace boxmill
