// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DocumentWindow.h"

namespace boxmill {

// "Information Index": the user manual, Cabhelp.rtf, opened at the heading
// that a control's double click or a help menu item asks for.
class THelpForm : public DocumentWindow {
    Q_OBJECT

public:
    THelpForm(const std::filesystem::path& programFolder, Prompter& prompter, QWidget* parent = nullptr);

    // Tools > "Enable Information Index (Help)". Off, every request does
    // nothing at all.
    void setHelpEnabled(bool enabled) { m_enabled = enabled; }
    bool helpEnabled() const { return m_enabled; }

    // Makes `key` the current key and shows it; an empty key shows the
    // current key again.
    void requestHelp(const QString& key);
    // The document read anew, its first occurrence of the current key
    // selected and scrolled to the top.
    void showHelp();
    const QString& currentKey() const { return m_currentKey; }

private:
    bool m_enabled = true;
    QString m_currentKey;
};

} // namespace boxmill
