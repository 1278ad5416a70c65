// SPDX-License-Identifier: GPL-3.0-or-later
#include "CuttingDiagramForm.h"

#include "ui/common/CuttingDiagramPages.h"
#include "ui/common/PrinterChoice.h"
#include "ui/common/QtText.h"
#include "ui/common/SessionController.h"
#include "ui/common/ShopDrawing.h"
#include "ui/common/ToolBars.h"

#include "core/FileDialogs.h"
#include "core/Measure.h"
#include "core/Money.h"
#include "core/Prompter.h"
#include "jobs/CuttingDiagramSvg.h"
#include "jobs/JobFile.h"
#include "jobs/JobLists.h"
#include "session/CabinetSession.h"
#include "session/JobCabinets.h"
#include "sheets/Stock.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace boxmill {

// One sheet as the printed page shows it, fitted to the window.
class DiagramPage : public QWidget {
public:
    explicit DiagramPage(QWidget* parent)
        : QWidget(parent)
    {
        setMinimumSize(480, 320);
    }
    void setDiagram(const CuttingDiagram* diagram)
    {
        m_diagram = diagram;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (m_diagram)
            PaintCuttingDiagram(painter, QRectF(rect()).adjusted(12, 12, -12, -12), *m_diagram);
    }

private:
    const CuttingDiagram* m_diagram = nullptr;
};

namespace {

// What the drawings cannot show: woods without stock, parts that could not
// be cut, and the lumber.
std::string PlanNotes(const std::vector<WoodGroupPlan>& plans, UnitMode units, bool fromJob)
{
    std::string notes;
    const auto name = [fromJob](const std::string& part) { return ShownPartName(part, fromJob); };
    for (const auto& plan : plans) {
        const std::string group = plan.group.wood + " " + plan.group.stockText;
        if (!plan.stock) {
            notes += group + ": no entry in " + std::string(kStockFileName) + "; not planned:";
            for (const auto& part : plan.group.parts)
                notes += " " + std::to_string(part.quantity) + " " + name(part.name) + ",";
            notes.back() = '\n';
            continue;
        }
        if (plan.lumber) {
            notes += group + ": " + CountText(plan.lumber->boards.size(), "board") + " of " +
                     DiagramLength(plan.stock->length, units) + "\n";
            for (const auto& part : plan.lumber->unplaced)
                notes +=
                    "  Not cut: " + std::to_string(part.quantity) + " " + name(part.name) + ", " + part.reason + "\n";
        }
        if (plan.sheets) {
            const SheetPlan& sheets = *plan.sheets;
            notes += group + ": " + CountText(sheets.sheets.size(), "sheet") + " (fewest possible " +
                     std::to_string(std::max(sheets.lowerBound, sheets.sizeBound)) + "), " + FormatMoney(plan.cost) +
                     " in whole sheets" +
                     (plan.areaCost ? ", " + FormatMoney(*plan.areaCost) + " by area" : std::string()) + "\n";
            for (const auto& part : plan.sheets->unplaced)
                notes += group + ": not cut: " + std::to_string(part.quantity) + " " + name(part.name) + ", " +
                         part.reason + "\n";
        }
    }
    return notes;
}

} // namespace

TCuttingDiagramForm::TCuttingDiagramForm(SessionController& controller, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_controller(controller)
    , m_choosePrinter(AskForPrinter)
{
    setObjectName(QStringLiteral("CuttingDiagramForm"));
    setWindowTitle(QStringLiteral("Cutting Diagrams"));
    QToolBar* bar = AddWindowToolBar(this, 24, nullptr);
    AddTool(bar, ToolGlyph::Designer, "ShowCabinet", "Diagrams Of The Cabinet On Screen", [this] { showCabinet(); });
    AddTool(bar, ToolGlyph::OpenLibrary, "OpenJob", "Open Job...", [this] { chooseJob(); });
    AddTool(bar, ToolGlyph::Export, "ExportDiagrams", "Export Diagrams...", [this] { exportDiagrams(); });
    AddTool(bar, ToolGlyph::Print, "PrintDiagrams", "Print...", [this] { print(); })->setShortcut(QKeySequence::Print);
    AddTool(bar, ToolGlyph::Exit, "ExitCuttingDiagrams", "Exit Cutting Diagrams", [this] { close(); });

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    auto* side = new QVBoxLayout;
    m_source = new QLabel(central);
    m_source->setObjectName(QStringLiteral("DiagramSource"));
    m_source->setWordWrap(true);
    m_sheets = new QListWidget(central);
    m_sheets->setObjectName(QStringLiteral("SheetList"));
    m_notes = new QPlainTextEdit(central);
    m_notes->setObjectName(QStringLiteral("PlanNotes"));
    m_notes->setReadOnly(true);
    side->addWidget(m_source);
    side->addWidget(m_sheets, 2);
    side->addWidget(m_notes, 1);
    auto* sideWidget = new QWidget(central);
    sideWidget->setLayout(side);
    sideWidget->setFixedWidth(300);
    m_page = new DiagramPage(central);
    row->addWidget(sideWidget);
    row->addWidget(m_page, 1);
    setCentralWidget(central);
    resize(1100, 700);

    connect(m_sheets, &QListWidget::currentRowChanged, this, [this](int chosen) {
        m_page->setDiagram(chosen >= 0 && chosen < static_cast<int>(m_diagrams.size())
                               ? &m_diagrams[static_cast<std::size_t>(chosen)]
                               : nullptr);
    });
    // A job's cabinets are read from their files; only the cabinet on
    // screen follows the edits.
    connect(&m_controller, &SessionController::layoutChanged, this, [this] {
        if (isVisible() && !m_job)
            refresh();
    });
}

void TCuttingDiagramForm::showEvent(QShowEvent* event)
{
    if (!std::exchange(m_plannedHidden, false))
        refresh();
    QMainWindow::showEvent(event);
}

void TCuttingDiagramForm::stockChanged()
{
    // A hidden window plans afresh when shown.
    if (isVisible())
        refresh();
}

void TCuttingDiagramForm::showCabinet()
{
    m_job.reset();
    refresh();
}

void TCuttingDiagramForm::chooseJob()
{
    CabinetSession& session = m_controller.session();
    if (const auto chosen = session.dialogs().openFile(JobFileRequest("Open Job", session.model.folders.cabinetFolder)))
        openJob(*chosen);
}

bool TCuttingDiagramForm::openJob(const std::filesystem::path& jobFile)
{
    const auto job = ReadJobFile(jobFile);
    if (!job) {
        m_controller.session().prompter().message(MessageKind::Error, job.error());
        return false;
    }
    return showJob(*job, jobFile);
}

bool TCuttingDiagramForm::showJob(const Job& job, const std::filesystem::path& jobFile, const QObject* editor)
{
    std::optional<ShownJob> shown = std::move(m_job);
    m_job = ShownJob {job, jobFile, editor};
    if (refresh(true))
        return true;
    m_job = std::move(shown);
    return false;
}

void TCuttingDiagramForm::followJob(const Job& job, const std::filesystem::path& jobFile, const QObject* editor)
{
    if (!isVisible() || !m_job || m_job->editor != editor)
        return;
    m_job = ShownJob {job, jobFile, editor};
    refresh();
}

std::string TCuttingDiagramForm::title() const
{
    return m_job ? m_job->file.filename().string() : m_controller.model().folders.cabinetName;
}

bool TCuttingDiagramForm::refresh(bool opening)
{
    CabinetSession& session = m_controller.session();
    const auto stock = ReadStockFile(session.model.folders.programFolder / kStockFileName);
    std::string notes;
    if (!stock)
        notes = stock.error() + "\n";
    std::vector<JobCabinet> cabinets;
    const std::string source =
        m_job ? "Job: " + m_job->file.filename().string() : "Cabinet on screen: " + session.model.folders.cabinetName;
    if (m_job) {
        // What the cabinets' lists say was said when the job was opened.
        KeptMessages quiet;
        auto loaded = LoadJobCabinets(session, opening ? session.prompter() : static_cast<Prompter&>(quiet), m_job->job,
                                      m_job->file);
        if (!loaded && opening) {
            // The job on screen, if any, stays; the caller takes it back.
            session.prompter().message(MessageKind::Error, loaded.error());
            return false;
        }
        if (!loaded) {
            // A cabinet file moved or spoiled since: say so in place of
            // diagrams that no longer hold.
            showDiagrams({}, notes + loaded.error() + "\n", source);
            return true;
        }
        cabinets = std::move(loaded).value();
    } else {
        // The window refreshes after every edit: what the list builders say
        // was said when the user asked for a list, not for every drawing.
        KeptMessages quiet;
        cabinets.push_back(ListJobCabinet(session.model, session.layout, quiet, session.model.folders.cabinetName, 1));
    }
    std::vector<CuttingDiagram> diagrams;
    if (stock) {
        for (const auto& problem : stock->problems)
            notes += problem + "\n";
        const UnitMode units = session.model.units;
        const auto plans = PlanJobSheets(cabinets, units, *stock, CutSettings {});
        notes += PlanNotes(plans, units, m_job.has_value());
        diagrams = MakeCuttingDiagrams(plans, units, m_job.has_value());
    }
    showDiagrams(std::move(diagrams), notes, source);
    if (!isVisible()) {
        // Only for the show that follows at once; a later one plans afresh.
        m_plannedHidden = true;
        QTimer::singleShot(0, this, [this] { m_plannedHidden = false; });
    }
    return true;
}

void TCuttingDiagramForm::showDiagrams(std::vector<CuttingDiagram> diagrams, const std::string& notes,
                                       const std::string& source)
{
    const int row = std::max(m_sheets->currentRow(), 0);
    m_page->setDiagram(nullptr);
    m_diagrams = std::move(diagrams);
    {
        const QSignalBlocker blocker(m_sheets);
        m_sheets->clear();
        for (const auto& diagram : m_diagrams)
            m_sheets->addItem(ToQt(diagram.title));
    }
    if (!m_diagrams.empty())
        m_sheets->setCurrentRow(std::min(row, static_cast<int>(m_diagrams.size()) - 1));
    m_page->setDiagram(m_diagrams.empty() ? nullptr : &m_diagrams[static_cast<std::size_t>(m_sheets->currentRow())]);
    m_notes->setPlainText(ToQt(notes));
    m_source->setText(ToQt(source));
    setWindowTitle(QStringLiteral("Cutting Diagrams - ") + ToQt(title()));
}

void TCuttingDiagramForm::exportDiagrams()
{
    ExportPdfOrSvg(m_controller.session(), "Export Cutting Diagrams", [this](bool svg) {
        if (svg)
            return CuttingDiagramsSvg(m_diagrams);
        const QByteArray pdf = CuttingDiagramsPdf(m_diagrams, LocalePageSize(), title() + " - Cutting Diagrams");
        return std::string(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    });
}

void TCuttingDiagramForm::print()
{
    Prompter& prompter = m_controller.session().prompter();
    if (m_diagrams.empty()) {
        prompter.message(MessageKind::Information, "There are no sheets to print.");
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ToQt(title() + " - Cutting Diagrams"));
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!m_choosePrinter(printer, this))
        return;
    if (!PaintCuttingDiagrams(printer, m_diagrams))
        prompter.message(MessageKind::Error, kPrinterFailed);
}

} // namespace boxmill
