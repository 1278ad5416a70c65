// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutForm.h"

#include "ui/common/ToolIcons.h"

#include "core/Version.h"

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
    setWindowTitle(about ? QStringLiteral("About Boxmill") : QString::fromLatin1(kProgramTitle));
    setObjectName(about ? QStringLiteral("AboutForm") : QStringLiteral("RoutineForm"));
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setPixmap(ToolIcon(ToolGlyph::Designer).pixmap(96, 96));
    auto* text = new QLabel(this);
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral("<h2>Boxmill</h2><p>Face-frame cabinets, from the design to the cut list.</p>"
                                 "<p>Version %1</p>")
                      .arg(QString::fromLatin1(kVersion)));
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
