// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutlist/CutlistEditor.h"
#include "paint/PrintPainting.h"
#include "ui/common/PrinterChoice.h"
#include "views/ViewState.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QMenu;
class QTextDocument;
class QWidget;

namespace boxmill {

class SessionController;
class TPrintForm;
struct PrintCabinet;

// The print commands of the main window, the cutlist editor and the door
// and drawer views. Each asks for a printer, reads Printopt.dat, and prints
// its pages as one document; the views are drawn from the model, no window
// is shown for them.
class PrintCommands : public QObject {
    Q_OBJECT

public:
    PrintCommands(SessionController& controller, QWidget* parent);

    void setPrinterChooser(PrinterChooser chooser) { m_choosePrinter = std::move(chooser); }
    // The section whose face frame the construction views describe.
    void setSectionSource(std::function<int()> section) { m_section = std::move(section); }

    // The entries of Files > "Print Options".
    void addMenuEntries(QMenu& menu);

    TPrintForm* optionsWindow() const { return m_options; }
    // Tools > "Print View Options".
    void showOptions();

    // Files > "Print Options" > "Cutlist" ... "Doors Cutlist".
    void printCutlist(ListingBuild build);
    // The cutlist editor's "Print": its lines as the window shows them.
    void printListing(const std::vector<std::string>& lines);
    // "Cabinet Construction Views" and "Cutlist/Cabinet Construction".
    void printConstructionViews(bool withCutlist);
    void printDoorDrawerViews();
    // The door and drawer views' own "Print" buttons.
    void printDoorView(const DoorViewState& state);
    void printDrawerView(const DrawerViewState& state);
    // The information index and the read-me: the whole rich text, under
    // the window's caption as the job's name.
    void printDocument(const QTextDocument& document, const QString& title);

private:
    // The printer dialog, then the settings; false when the command stops.
    bool begin(QPrinter& printer, PrintSettings& settings);
    void finish(QPrinter& printer, const PrintSettings& settings, const ComposeJob& compose);
    // The listing of `build` built as the cutlist editor builds it; false
    // when it could not be.
    bool buildListing(ListingBuild build);
    // The stock size check before a cut list is printed, its messages shown.
    bool stockSizesAllowPrinting();
    // The door and drawer drawings of the cabinet at print scale.
    void printDrawings(const std::function<void(PageComposer&, const PrintCabinet&)>& compose);

    SessionController& m_controller;
    QWidget* m_parent;
    TPrintForm* m_options = nullptr;
    PrinterChooser m_choosePrinter;
    std::function<int()> m_section;
};

} // namespace boxmill
