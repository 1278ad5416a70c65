// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutForm.h"

#include "ToolIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace boxmill {

TAboutForm::TAboutForm(Kind kind, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
{
    const bool about = kind == Kind::About;
    setWindowTitle(about ? QStringLiteral("About Boxmill") : QStringLiteral("Boxmill v4.0"));
    setObjectName(about ? QStringLiteral("AboutForm") : QStringLiteral("RoutineForm"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setPixmap(ToolIcon(ToolGlyph::Designer).pixmap(96, 96));
    auto* text = new QLabel(this);
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral("<h2>Boxmill</h2><p>Face-frame cabinets, from the design to the cut list.</p>"
                                 "<p>Version 4.0.6</p>"));
    auto* row = new QHBoxLayout;
    row->addWidget(picture);
    row->addWidget(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

} // namespace boxmill
