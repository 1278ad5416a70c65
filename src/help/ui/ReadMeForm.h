// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DocumentWindow.h"

namespace boxmill {

// "Read Me First (Boxguide)": the getting-started guide, Readme.rtf.
class TReadMeForm : public DocumentWindow {
    Q_OBJECT

public:
    TReadMeForm(const std::filesystem::path& programFolder, Prompter& prompter, QWidget* parent = nullptr);

    // Reads the guide anew and shows it from its start.
    void showReadMe();
};

} // namespace boxmill
