// SPDX-License-Identifier: GPL-3.0-or-later
#include "JobForm.h"

#include "CuttingDiagramForm.h"
#include "JobFiguresPanel.h"

#include "paint/QtText.h"
#include "ui/common/OpenEditors.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/SessionController.h"
#include "ui/common/ShownTexts.h"
#include "ui/common/TableFit.h"
#include "ui/common/ToolBars.h"

#include "core/FileDialogs.h"
#include "core/NumberText.h"
#include "core/Prompter.h"
#include "session/CabinetSession.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QMenuBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QToolBar>

#include <algorithm>
#include <utility>

namespace boxmill {

namespace {

namespace fs = std::filesystem;

enum Column { FileColumn, QuantityColumn, LabelColumn };
constexpr const char* kCabinetWidest[] = {"kitchen/Base 30 left.cab", "999", "Base 30 left"};

// The file is chosen by adding it, and the quantity takes a spin box so
// that only a count the job file can hold is offered.
class CabinetCellDelegate : public PlainCellDelegate {
public:
    using PlainCellDelegate::PlainCellDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.column() == FileColumn)
            return nullptr;
        if (index.column() != QuantityColumn)
            return PlainCellDelegate::createEditor(parent, option, index);
        auto* spin = new QSpinBox(parent);
        spin->setRange(1, kMostOfOneCabinet);
        spin->setFrame(false);
        return spin;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        if (auto* spin = qobject_cast<QSpinBox*>(editor))
            spin->setValue(index.data().toString().toInt());
        else
            PlainCellDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
            spin->interpretText();
            model->setData(index, QString::number(spin->value()));
        } else {
            PlainCellDelegate::setModelData(editor, model, index);
        }
    }
};

// Typed text becomes a count the document can refuse with its own words.
Status SetQuantityText(JobDocument& document, std::size_t index, std::string_view text)
{
    const auto quantity = ParseInteger(TrimBlanks(text));
    if (!quantity) {
        return Status::failure("The quantity must be a whole number from 1 to " + std::to_string(kMostOfOneCabinet) +
                               ".");
    }
    const long long bounded = std::clamp<long long>(*quantity, 0, kMostOfOneCabinet + 1);
    return document.setQuantity(index, static_cast<int>(bounded));
}

} // namespace

TJobForm::TJobForm(SessionController& controller, std::function<TCuttingDiagramForm*()> cuttingDiagrams,
                   QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_controller(controller)
    , m_cuttingDiagrams(std::move(cuttingDiagrams))
{
    setObjectName(QStringLiteral("JobForm"));

    QMenu* files = menuBar()->addMenu(QStringLiteral("&Files"));
    files->addAction(QStringLiteral("New Job"), this, &TJobForm::newJob)->setShortcut(QKeySequence::New);
    files->addAction(QStringLiteral("Open Job..."), this, &TJobForm::chooseJob)->setShortcut(QKeySequence::Open);
    files->addAction(QStringLiteral("Save Job"), this, &TJobForm::saveJob)->setShortcut(QKeySequence::Save);
    files->addAction(QStringLiteral("Save Job As..."), this, &TJobForm::saveJobAs)->setShortcut(QKeySequence::SaveAs);
    files->addSeparator();
    files->addAction(QStringLiteral("Close"), this, &QWidget::close);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    m_undo = edit->addAction(QStringLiteral("Undo"), this, &TJobForm::undo);
    m_undo->setShortcut(QKeySequence::Undo);
    m_redo = edit->addAction(QStringLiteral("Redo"), this, &TJobForm::redo);
    m_redo->setShortcut(QKeySequence::Redo);
    edit->addSeparator();
    edit->addAction(QStringLiteral("Move Up"), this, [this] { moveCabinet(-1); });
    edit->addAction(QStringLiteral("Move Down"), this, [this] { moveCabinet(1); });

    QToolBar* bar = AddWindowToolBar(this, 24, nullptr);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    AddTool(bar, ToolGlyph::OpenLibrary, "AddCabinets", "Add Cabinets...", [this] { addCabinets(); });
    AddTool(bar, ToolGlyph::Designer, "AddCabinetOnScreen", "Add Cabinet On Screen", [this] { addCabinetOnScreen(); });
    AddTool(bar, ToolGlyph::Close, "RemoveCabinet", "Remove", [this] { removeCabinet(); });
    bar->addSeparator();
    AddTool(bar, ToolGlyph::CuttingDiagram, "CuttingDiagrams", "Cutting Diagrams", [this] { showCuttingDiagrams(); });

    auto* split = new QSplitter(Qt::Vertical, this);
    m_grid = new QTableWidget(0, 3, split);
    m_grid->setObjectName(QStringLiteral("JobCabinets"));
    m_grid->setItemDelegate(new CabinetCellDelegate(m_grid));
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("Cabinet file"), QStringLiteral("Quantity"), QStringLiteral("Label")});
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    FitTableColumns(m_grid, kCabinetWidest);
    m_figures = new JobFiguresPanel(split);
    split->addWidget(m_grid);
    split->addWidget(m_figures);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    setCentralWidget(split);
    resize(1000, 720);

    connect(m_grid, &QTableWidget::cellChanged, this, &TJobForm::cellEdited);
    // The figures price the cabinets with the program's units and wood
    // listing, and read the cabinet files as they were last saved.
    connect(&m_controller, &SessionController::cabinetReplaced, this, &TJobForm::showFigures);
    connect(&m_controller, &SessionController::cabinetFileChanged, this, [this] {
        const bool modified = m_controller.session().modified();
        if (std::exchange(m_cabinetModified, modified) && !modified)
            showFigures();
    });
    m_cabinetModified = m_controller.session().modified();
    jobChanged();
}

// An editor still open commits its text when the window goes, after the
// job it would change is gone.
TJobForm::~TJobForm()
{
    disconnect(m_grid, nullptr, this, nullptr);
}

void TJobForm::showEvent(QShowEvent* event)
{
    // The cabinet files may have changed while the window was away.
    jobChanged();
    QMainWindow::showEvent(event);
}

void TJobForm::closeEvent(QCloseEvent* event)
{
    if (!offerToSave()) {
        event->ignore();
        return;
    }
    // Still modified after the question: the user let the edits go.
    if (m_document.modified()) {
        m_document.clear();
        jobChanged();
    }
    QMainWindow::closeEvent(event);
}

bool TJobForm::offerToSave()
{
    CommitOpenEditor(*m_grid);
    if (!m_document.modified())
        return true;
    switch (m_controller.session().prompter().askToSave("Save the changes to the job " + m_document.fileName() + "?")) {
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
    case SaveChoice::Save: break;
    }
    return saveJob();
}

fs::path TJobForm::startFolder() const
{
    return m_document.file() ? m_document.file()->parent_path() : m_controller.model().folders.cabinetFolder;
}

bool TJobForm::newJob()
{
    if (!offerToSave())
        return false;
    m_document.clear();
    jobChanged();
    return true;
}

bool TJobForm::chooseJob()
{
    if (!offerToSave())
        return false;
    const auto chosen = m_controller.session().dialogs().openFile(JobFileRequest("Open Job", startFolder()));
    return chosen && load(*chosen);
}

bool TJobForm::openJob(const fs::path& file)
{
    return offerToSave() && load(file);
}

bool TJobForm::load(const fs::path& file)
{
    const Status opened = m_document.open(file);
    edited(opened);
    return opened.ok();
}

bool TJobForm::saveJob()
{
    if (!m_document.file())
        return saveJobAs();
    const Status saved = m_document.save();
    edited(saved);
    return saved.ok();
}

bool TJobForm::saveJobAs()
{
    FileDialogRequest request = JobFileRequest("Save Job As", startFolder());
    request.fileName = m_document.fileName();
    request.confirmOverwrite = true;
    const auto chosen = m_controller.session().dialogs().saveFile(request);
    if (!chosen)
        return false;
    const Status saved = m_document.saveAs(*chosen);
    edited(saved);
    return saved.ok();
}

void TJobForm::addCabinets()
{
    FileDialogRequest request;
    request.title = "Add Cabinets";
    request.filter = kCabinetFilter;
    request.defaultExtension = "cab";
    request.initialFolder = startFolder();
    const auto chosen = m_controller.session().dialogs().openFiles(request);
    if (!chosen.empty())
        edited(m_document.add(chosen));
}

void TJobForm::addCabinetOnScreen()
{
    const CabinetSession& session = m_controller.session();
    const fs::path& file = session.model().folders.cabinetPath;
    std::error_code error;
    // A new cabinet is named Untitled.cab before it has a file of its own.
    const bool untitled = !session.model().saveCabinetEnabled && file.filename() == "Untitled.cab";
    if (file.empty() || untitled || !fs::is_regular_file(file, error)) {
        session.prompter().message(MessageKind::Information,
                                   "The cabinet on screen has not been saved yet: save it, then add it to the job.");
        return;
    }
    const Status added = m_document.add({file});
    edited(added);
    if (added && session.modified()) {
        session.prompter().message(MessageKind::Information,
                                   "The job reads " + file.filename().string() +
                                       " as it was last saved; save the cabinet to bring its changes into the job.");
    }
}

int TJobForm::currentCabinet() const
{
    const int row = m_grid->currentRow();
    return row >= 0 && row < static_cast<int>(m_document.job().cabinets.size()) ? row : -1;
}

void TJobForm::removeCabinet()
{
    const int row = currentCabinet();
    if (row < 0)
        return;
    edited(m_document.remove(static_cast<std::size_t>(row)));
    const int left = m_grid->rowCount();
    if (left > 0)
        m_grid->setCurrentCell(std::min(row, left - 1), LabelColumn);
}

void TJobForm::moveCabinet(int by)
{
    const int row = currentCabinet();
    const int target = row + by;
    if (row < 0 || target < 0 || target >= m_grid->rowCount())
        return;
    edited(m_document.move(static_cast<std::size_t>(row), static_cast<std::size_t>(target)));
    m_grid->setCurrentCell(target, m_grid->currentColumn());
}

void TJobForm::undo()
{
    m_document.undo();
    jobChanged();
}

void TJobForm::redo()
{
    m_document.redo();
    jobChanged();
}

void TJobForm::showCuttingDiagrams()
{
    TCuttingDiagramForm* form = m_cuttingDiagrams ? m_cuttingDiagrams() : nullptr;
    if (!form || !form->showJob(m_document.job(), m_document.jobFile(), this))
        return;
    m_diagramsShown = true;
    form->show();
    form->raise();
}

void TJobForm::cellEdited(int row, int column)
{
    if (m_filling || row < 0 || row >= static_cast<int>(m_document.job().cabinets.size()))
        return;
    const auto index = static_cast<std::size_t>(row);
    const std::string text = FromQt(m_grid->item(row, column)->text());
    if (column == QuantityColumn)
        edited(SetQuantityText(m_document, index, text));
    else if (column == LabelColumn)
        edited(m_document.setLabel(index, text));
    else
        jobChanged();
}

void TJobForm::edited(const Status& status)
{
    if (!status)
        m_controller.session().prompter().message(MessageKind::Error, status.error());
    // A refused entry is put back as the job has it.
    jobChanged();
}

void TJobForm::showCabinets()
{
    const auto& cabinets = m_document.job().cabinets;
    const int count = static_cast<int>(cabinets.size());
    m_filling = true;
    const bool changed = ShowTableText(
        m_grid, count, count,
        [&](int row, int column) {
            const JobEntry& entry = cabinets[static_cast<std::size_t>(row)];
            return column == FileColumn       ? ToQt(entry.path)
                   : column == QuantityColumn ? QString::number(entry.quantity)
                                              : ToQt(entry.label);
        },
        [](int column) -> Qt::Alignment {
            return column == QuantityColumn ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter;
        });
    m_filling = false;
    if (changed)
        FitTableColumns(m_grid, kCabinetWidest);
}

void TJobForm::jobChanged()
{
    showCabinets();
    setWindowTitle(QStringLiteral("Job - ") + ToQt(m_document.fileName()) +
                   (m_document.modified() ? QStringLiteral("*") : QString()));
    m_undo->setEnabled(m_document.canUndo());
    m_undo->setText(m_document.canUndo() ? QStringLiteral("Undo ") + ToQt(m_document.undoName())
                                         : QStringLiteral("Undo"));
    m_redo->setEnabled(m_document.canRedo());
    m_redo->setText(m_document.canRedo() ? QStringLiteral("Redo ") + ToQt(m_document.redoName())
                                         : QStringLiteral("Redo"));
    showFigures();
    if (m_diagramsShown) {
        if (TCuttingDiagramForm* form = m_cuttingDiagrams())
            form->followJob(m_document.job(), m_document.jobFile(), this);
    }
}

void TJobForm::showFigures()
{
    // Hidden, the figures wait for the window to show: each reading opens
    // every cabinet file.
    if (isVisible())
        m_figures->showJob(m_controller.session(), m_document.job(), m_document.jobFile());
}

} // namespace boxmill
