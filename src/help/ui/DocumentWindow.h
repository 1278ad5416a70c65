// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Result.h"

#include <QWidget>

#include <filesystem>
#include <functional>

class QPushButton;
class QTextDocument;
class QTextEdit;

namespace boxmill {

class Prompter;

// What the information index and the read-me share: a read-only view of an
// RTF document of the program folder, with "Print" and "Close". Closing
// only hides the window.
class DocumentWindow : public QWidget {
    Q_OBJECT

public:
    using PrintCommand = std::function<void(const QTextDocument& document, const QString& title)>;
    void setPrintCommand(PrintCommand print) { m_print = std::move(print); }
    void print();

    QTextEdit* viewer() const { return m_viewer; }
    QPushButton* printButton() const { return m_printButton; }
    QPushButton* closeButton() const { return m_closeButton; }

protected:
    struct Names {
        const char* caption;
        const char* objectName;
        const char* viewer;
        const char* printButton;
        const char* printHint;
        const char* closeButton;
        const char* closeHint;
    };
    DocumentWindow(std::filesystem::path document, Prompter& prompter, const Names& names, QWidget* parent);

    // Reads the document from disk into the viewer, so an edited file shows
    // without a restart. A file that cannot be read leaves the viewer as it
    // was and is reported, naming the file; false then.
    bool reload();
    // Shown, in front, neither minimised nor maximised, the viewer focused.
    void bringUp();

    Prompter& m_prompter;

private:
    std::filesystem::path m_document;
    QTextEdit* m_viewer = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    PrintCommand m_print;
};

} // namespace boxmill
