// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintCommands.h"

#include "PrintForm.h"

#include "core/Prompter.h"
#include "cutlist/ShortDate.h"
#include "cutlist/StockSizeCheck.h"
#include "paint/RichTextPrinting.h"
#include "print/PrintDocuments.h"
#include "session/CabinetSession.h"
#include "session/CutListCommands.h"
#include "ui/common/PrinterChoice.h"
#include "ui/common/SessionController.h"

#include <QMenu>
#include <QPrinter>

namespace boxmill {

PrintCommands::PrintCommands(SessionController& controller, QWidget* parent)
    : QObject(parent)
    , m_controller(controller)
    , m_parent(parent)
    , m_choosePrinter(AskForPrinter)
{
    const CabinetSession& session = m_controller.session();
    m_options = new TPrintForm(session.model().folders.programFolder, session.prompter(), parent);
}

void PrintCommands::addMenuEntries(QMenu& menu)
{
    const std::pair<const char*, ListingBuild> lists[] = {{"Cutlist", ListingBuild::All},
                                                          {"Cabinet Cutlist", ListingBuild::Cabinet},
                                                          {"Face Frame Cutlist", ListingBuild::Face},
                                                          {"Drawers Cutlist", ListingBuild::Drawers},
                                                          {"Doors Cutlist", ListingBuild::Doors}};
    for (const auto& [caption, build] : lists)
        menu.addAction(QString::fromLatin1(caption), this, [this, which = build] { printCutlist(which); });
    menu.addSeparator();
    menu.addAction(QStringLiteral("Cabinet Construction Views"), this, [this] { printConstructionViews(false); });
    menu.addAction(QStringLiteral("Door/Drawer Construction Views"), this, &PrintCommands::printDoorDrawerViews);
    menu.addAction(QStringLiteral("Cutlist/Cabinet Construction"), this, [this] { printConstructionViews(true); });
}

void PrintCommands::showOptions()
{
    m_options->execWithSavedSettings();
}

bool PrintCommands::begin(QPrinter& printer, PrintSettings& settings)
{
    if (!m_choosePrinter(printer, m_parent))
        return false;
    const CabinetSession& session = m_controller.session();
    const auto saved = ReadPrintOptions(session.model().folders.programFolder);
    if (!saved) {
        session.prompter().message(MessageKind::Error, saved.error());
        return false;
    }
    settings = *saved;
    return true;
}

void PrintCommands::finish(QPrinter& printer, const PrintSettings& settings, const ComposeJob& compose)
{
    if (!PaintJob(printer, m_options->font(), settings, m_controller.model().folders.cabinetName, compose))
        m_controller.session().prompter().message(MessageKind::Error, kPrinterFailed);
}

bool PrintCommands::stockSizesAllowPrinting()
{
    const auto checked = CheckStockSizes(m_controller.model());
    Tell(m_controller.session().prompter(), checked.messages);
    return checked.value;
}

bool PrintCommands::buildListing(ListingBuild build)
{
    CabinetSession& session = m_controller.commands();
    session.recalculate();
    const bool built = RunListingBuild(session, build, TodaysShortDate());
    m_controller.announceCutListChanged();
    return built && session.cutList().listing;
}

void PrintCommands::printCutlist(ListingBuild build)
{
    if (!stockSizesAllowPrinting() || !buildListing(build))
        return;
    printListing(m_controller.session().cutList().listing->lines);
}

void PrintCommands::printListing(const std::vector<std::string>& lines)
{
    QPrinter printer(QPrinter::HighResolution);
    PrintSettings settings;
    if (!begin(printer, settings))
        return;
    finish(printer, settings, [&lines](PageComposer& pages) { pages.lines(lines); });
}

void PrintCommands::printConstructionViews(bool withCutlist)
{
    const CabinetSession& session = m_controller.session();
    if (withCutlist && !stockSizesAllowPrinting())
        return;
    QPrinter printer(QPrinter::HighResolution);
    PrintSettings settings;
    if (!begin(printer, settings))
        return;
    std::vector<std::string> listing;
    if (withCutlist) {
        if (!buildListing(ListingBuild::All))
            return;
        listing = session.cutList().listing->lines;
    }
    // The last chance to change the zoom and the space for these drawings.
    m_options->execWithSavedSettings();
    settings = m_options->settings();
    const int section = m_section ? m_section() : 1;
    const PrintCabinet cabinet = AtPrintScale(session.model(), session.layout());
    finish(printer, settings, [&](PageComposer& pages) {
        pages.lines(listing);
        ComposeConstructionViews(pages, cabinet.model, cabinet.layout, section);
    });
}

void PrintCommands::printDrawings(const std::function<void(PageComposer&, const PrintCabinet&)>& compose)
{
    QPrinter printer(QPrinter::HighResolution);
    PrintSettings settings;
    if (!begin(printer, settings))
        return;
    const CabinetSession& session = m_controller.session();
    const PrintCabinet cabinet = AtPrintScale(session.model(), session.layout());
    finish(printer, settings, [&](PageComposer& pages) { compose(pages, cabinet); });
}

void PrintCommands::printDoorDrawerViews()
{
    printDrawings([](PageComposer& pages, const PrintCabinet& cabinet) {
        ComposeDoorView(pages, cabinet.model, cabinet.layout, FirstDoorOpening(cabinet.model));
        ComposeDrawerView(pages, cabinet.model, cabinet.layout, FirstDrawer(cabinet.model));
    });
}

void PrintCommands::printDoorView(const DoorViewState& state)
{
    printDrawings([&state](PageComposer& pages, const PrintCabinet& cabinet) {
        ComposeDoorView(pages, cabinet.model, cabinet.layout, state);
    });
}

void PrintCommands::printDrawerView(const DrawerViewState& state)
{
    printDrawings([&state](PageComposer& pages, const PrintCabinet& cabinet) {
        ComposeDrawerView(pages, cabinet.model, cabinet.layout, state);
    });
}

void PrintCommands::printDocument(const QTextDocument& document, const QString& title)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    if (!m_choosePrinter(printer, m_parent))
        return;
    if (!PaintRichText(printer, document))
        m_controller.session().prompter().message(MessageKind::Error, kPrinterFailed);
}

} // namespace boxmill
