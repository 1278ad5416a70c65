// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/PrintSettings.h"

#include <QDialog>
#include <QFont>

#include <filesystem>
#include <functional>
#include <optional>

class QComboBox;

namespace boxmill {

class Prompter;

// "Print View Options": the zoom of the drawings, the space between lines
// and the font of a print job. Showing it reads Printopt.dat, closing it
// (by "Close" or otherwise) writes the two lists back. The font lasts as
// long as the program runs.
class TPrintForm : public QDialog {
    Q_OBJECT

public:
    TPrintForm(std::filesystem::path programFolder, Prompter& prompter, QWidget* parent = nullptr);

    // The font dialog; tests answer in its place.
    using FontChooser = std::function<std::optional<QFont>(const QFont& current, QWidget* parent)>;
    void setFontChooser(FontChooser chooser) { m_chooseFont = std::move(chooser); }

    // Shows the window modally with the lists as Printopt.dat has them.
    void execWithSavedSettings();

    PrintSettings settings() const;
    const QFont& font() const { return m_font; }
    QComboBox* zoom() const { return m_zoom; }
    QComboBox* cabinetGap() const { return m_gap; }

    void selectFont();

    void done(int result) override;

private:
    std::filesystem::path m_programFolder;
    Prompter& m_prompter;
    QComboBox* m_zoom = nullptr;
    QComboBox* m_gap = nullptr;
    QFont m_font;
    FontChooser m_chooseFont;
};

} // namespace boxmill
