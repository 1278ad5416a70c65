// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrinterChoice.h"

#include <QPrintDialog>
#include <QPrinter>

namespace boxmill {

bool AskForPrinter(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace boxmill
