// SPDX-License-Identifier: GPL-3.0-or-later
#include "CuttingDiagramForm.h"

#include "CuttingPlanWorker.h"
#include "paint/CuttingDiagramPages.h"
#include "paint/QtText.h"
#include "paint/ShopDrawing.h"
#include "ui/common/DrawingExport.h"
#include "ui/common/PrinterChoice.h"
#include "ui/common/SessionController.h"
#include "ui/common/ToolBars.h"

#include "core/FileDialogs.h"
#include "core/Measure.h"
#include "core/Money.h"
#include "core/Prompter.h"
#include "jobs/CuttingDiagramSvg.h"
#include "jobs/JobCabinets.h"
#include "jobs/JobFile.h"
#include "session/CabinetSession.h"
#include "sheets/Stock.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
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

std::string NoteText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

} // namespace

TCuttingDiagramForm::TCuttingDiagramForm(SessionController& controller, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_controller(controller)
    , m_worker(new CuttingPlanWorker(this))
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
    auto* planRow = new QHBoxLayout;
    m_planState = new QLabel(central);
    m_planState->setObjectName(QStringLiteral("PlanState"));
    m_planState->setWordWrap(true);
    m_progress = new QProgressBar(central);
    m_progress->setObjectName(QStringLiteral("PlanProgress"));
    m_progress->setTextVisible(false);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), central);
    m_cancel->setObjectName(QStringLiteral("CancelPlan"));
    planRow->addWidget(m_progress, 1);
    planRow->addWidget(m_cancel);
    side->addWidget(m_planState);
    side->addLayout(planRow);
    // The list keeps its place whether or not a plan is under way.
    for (QWidget* widget : {static_cast<QWidget*>(m_progress), static_cast<QWidget*>(m_cancel)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    // Most plans take a moment: a bar and a button flashing up at every
    // edit would only distract.
    m_showPlanning = new QTimer(this);
    m_showPlanning->setSingleShot(true);
    m_showPlanning->setInterval(250);
    connect(m_showPlanning, &QTimer::timeout, this, [this] {
        if (m_worker->busy())
            showPlanState(QStringLiteral("Planning..."), true);
    });
    showPlanState({}, false);
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
    connect(m_cancel, &QPushButton::clicked, this, &TCuttingDiagramForm::cancelPlan);
    connect(m_worker, &CuttingPlanWorker::progressed, this, [this](int planned, int groups) {
        m_progress->setRange(0, groups);
        m_progress->setValue(planned);
    });
    connect(m_worker, &CuttingPlanWorker::planned, this, &TCuttingDiagramForm::showPlan);
    // A job's cabinets are read from their files; only the cabinet on
    // screen follows the edits.
    connect(&m_controller, &SessionController::layoutChanged, this, [this] {
        if (isVisible() && !m_job)
            refresh();
    });
}

void TCuttingDiagramForm::showEvent(QShowEvent* event)
{
    // Only what changed while hidden is planned again.
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
    const CabinetSession& session = m_controller.session();
    if (const auto chosen =
            session.dialogs().openFile(JobFileRequest("Open Job", session.model().folders.cabinetFolder)))
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

bool TCuttingDiagramForm::refresh(bool opening)
{
    const CabinetSession& session = m_controller.session();
    const CabinetModel& model = session.model();
    const auto stock = ReadStockFile(model.folders.programFolder / kStockFileName);
    const std::string stockNote = stock ? std::string() : stock.error() + "\n";
    const std::string title = m_job ? m_job->file.filename().string() : model.folders.cabinetName;
    m_asked = {(m_job ? "Job: " : "Cabinet on screen: ") + title, title};
    CuttingPlanInputs inputs;
    if (m_job) {
        auto loaded = LoadJobCabinets(model, session.data().vocabulary, m_job->job, m_job->file);
        // What the cabinets' lists say is told when the job is opened, not
        // again on every refresh.
        if (loaded && opening)
            Tell(session.prompter(), JobCabinetMessages(*loaded));
        if (!loaded && opening) {
            // The job on screen, if any, stays; the caller takes it back.
            session.prompter().message(MessageKind::Error, loaded.error());
            return false;
        }
        if (!loaded) {
            // A cabinet file moved or spoiled since: say so in place of
            // diagrams that no longer hold.
            showUnplanned(stockNote + loaded.error() + "\n");
            return true;
        }
        inputs.cabinets = std::move(loaded).value();
    } else {
        // The window refreshes after every edit: what the list builders say
        // was said when the user asked for a list, not for every drawing.
        inputs.cabinets.push_back(ListJobCabinet(model, session.layout(), model.folders.cabinetName, 1));
    }
    if (!stock) {
        showUnplanned(stockNote);
        return true;
    }
    inputs.stock = *stock;
    inputs.units = model.units;
    inputs.withCabinet = m_job.has_value();
    if (m_wanted && SamePlanInputs(*m_wanted, inputs)) {
        // The same diagrams; a cabinet saved under another name is still
        // named as it is now.
        if (!m_worker->busy())
            showHeading(m_asked);
        return true;
    }
    m_wanted = inputs;
    m_worker->plan(std::move(inputs));
    if (!m_progress->isHidden())
        m_progress->setRange(0, 0);
    else if (!m_showPlanning->isActive())
        m_showPlanning->start();
    return true;
}

bool TCuttingDiagramForm::isPlanning() const
{
    return m_worker->busy();
}

void TCuttingDiagramForm::waitForPlan()
{
    m_worker->wait();
}

void TCuttingDiagramForm::cancelPlan()
{
    if (!m_worker->busy())
        return;
    m_worker->cancel();
    m_wanted = m_shown;
    showPlanState(QStringLiteral("Planning cancelled: the diagrams shown are from before the last change."), false);
}

void TCuttingDiagramForm::showUnplanned(const std::string& notes)
{
    m_worker->cancel();
    m_wanted.reset();
    m_shown.reset();
    showPlanState({}, false);
    showDiagrams({}, notes);
    showHeading(m_asked);
}

void TCuttingDiagramForm::showPlan(const CuttingPlanInputs& inputs, const CuttingPlan& plan)
{
    m_shown = inputs;
    showPlanState({}, false);
    showDiagrams(plan.diagrams, NoteText(plan.notes));
    showHeading(m_asked);
}

void TCuttingDiagramForm::showPlanState(const QString& state, bool planning)
{
    if (!planning)
        m_showPlanning->stop();
    m_planState->setText(state);
    m_planState->setVisible(!state.isEmpty());
    if (planning)
        m_progress->setRange(0, 0);
    m_progress->setVisible(planning);
    m_cancel->setVisible(planning);
}

void TCuttingDiagramForm::showHeading(Heading heading)
{
    m_heading = std::move(heading);
    m_source->setText(ToQt(m_heading.source));
    setWindowTitle(QStringLiteral("Cutting Diagrams - ") + ToQt(m_heading.title));
}

void TCuttingDiagramForm::showDiagrams(std::vector<CuttingDiagram> diagrams, const std::string& notes)
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
}

void TCuttingDiagramForm::exportDiagrams()
{
    // What is written is of the cabinets as they are now, as a window that
    // planned at once would have written.
    waitForPlan();
    ExportPdfOrSvg(m_controller.session(), "Export Cutting Diagrams", [this](bool svg) {
        if (svg)
            return CuttingDiagramsSvg(m_diagrams);
        const QByteArray pdf =
            CuttingDiagramsPdf(m_diagrams, LocalePageSize(), m_heading.title + " - Cutting Diagrams");
        return std::string(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    });
}

void TCuttingDiagramForm::print()
{
    waitForPlan();
    Prompter& prompter = m_controller.session().prompter();
    if (m_diagrams.empty()) {
        prompter.message(MessageKind::Information, "There are no sheets to print.");
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ToQt(m_heading.title + " - Cutting Diagrams"));
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!m_choosePrinter(printer, this))
        return;
    if (!PaintCuttingDiagrams(printer, m_diagrams))
        prompter.message(MessageKind::Error, kPrinterFailed);
}

} // namespace boxmill
