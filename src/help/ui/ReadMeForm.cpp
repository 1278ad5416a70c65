// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadMeForm.h"

#include <QTextCursor>
#include <QTextEdit>

namespace boxmill {

TReadMeForm::TReadMeForm(const std::filesystem::path& programFolder, Prompter& prompter, QWidget* parent)
    : DocumentWindow(programFolder / "Readme.rtf", prompter,
                     {"Read Me First (Boxguide)", "ReadMeForm", "ReadMe", "PrintReadMe", "Print The Read Me Text",
                      "ExitReadMe", "Exit Read Me Help"},
                     parent)
{
}

void TReadMeForm::showReadMe()
{
    if (!reload())
        return;
    viewer()->moveCursor(QTextCursor::Start);
    bringUp();
}

} // namespace boxmill
