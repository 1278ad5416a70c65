// SPDX-License-Identifier: GPL-3.0-or-later
#include "MisfitLabel.h"

#include "SessionController.h"
#include "paint/QtText.h"

#include "geometry/OpeningFit.h"

#include <QStringList>

namespace boxmill {

MisfitLabel::MisfitLabel(SessionController& controller, QWidget* parent)
    : QLabel(parent)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("OpeningMisfits"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The colour of a warning, so that it is seen among the figures.
    setStyleSheet(QStringLiteral("QLabel { color: #b00000; }"));
    connect(&m_controller, &SessionController::layoutChanged, this, &MisfitLabel::refresh);
    connect(&m_controller, &SessionController::cabinetReplaced, this, &MisfitLabel::refresh);
    refresh();
}

void MisfitLabel::refresh()
{
    const auto& session = m_controller.session();
    QStringList lines;
    for (const auto& misfit : OpeningMisfits(session.model(), session.layout()))
        lines.append(ToQt(misfit));
    const QString text = lines.join(QLatin1Char('\n'));
    if (text != this->text())
        setText(text);
    setVisible(!lines.isEmpty());
}

} // namespace boxmill
