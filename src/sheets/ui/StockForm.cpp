// SPDX-License-Identifier: GPL-3.0-or-later
#include "StockForm.h"

#include "paint/QtText.h"
#include "ui/common/OpenEditors.h"
#include "ui/common/SessionController.h"
#include "ui/common/TableFit.h"

#include "core/Prompter.h"
#include "session/CabinetSession.h"
#include "sheets/StockEditing.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <system_error>

namespace boxmill {

namespace {

constexpr int kWood = static_cast<int>(StockColumn::Wood);
constexpr int kGrain = static_cast<int>(StockColumn::Grain);

// The wood cell offers the names of the wood listing and takes any other.
class WoodNameDelegate : public QStyledItemDelegate {
public:
    WoodNameDelegate(std::function<QStringList()> names, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_names(std::move(names))
    {
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("WoodChoice"));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(m_names());
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QComboBox*>(editor)->setCurrentText(index.data().toString());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText());
    }

private:
    std::function<QStringList()> m_names;
};

bool RightAligned(StockColumn column)
{
    return column != StockColumn::Kind && column != StockColumn::Wood && column != StockColumn::Grain;
}

QPushButton* Button(const char* caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLabel* Note(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

std::string Joined(const std::vector<std::string>& texts, std::string_view between)
{
    std::string joined;
    for (const auto& text : texts)
        joined += (joined.empty() ? "" : std::string(between)) + text;
    return joined;
}

} // namespace

TStockForm::TStockForm(SessionController& controller, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("StockForm"));
    setWindowTitle(QStringLiteral("Stock Listing[*]"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = Note("StockIntro", this);
    intro->setText(QStringLiteral("The sheets and boards each wood is bought in, kept in ") + ToQt(kStockFileName) +
                   QStringLiteral(". The cutting diagrams plan each wood and thickness on its stock; the "
                                  "thickness \"any\" serves every thickness without an entry of its own."));
    layout->addWidget(intro);

    m_grid = new QTableWidget(0, kStockColumnCount, this);
    m_grid->setObjectName(QStringLiteral("StockGrid"));
    QStringList titles;
    for (const auto title : kStockColumnTitles)
        titles << ToQt(title);
    m_grid->setHorizontalHeaderLabels(titles);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_grid->setItemDelegateForColumn(kWood, new WoodNameDelegate([this] { return listedWoodNames(); }, m_grid));
    m_grid->horizontalHeader()->setStretchLastSection(true);
    const char* const widest[kStockColumnCount] = {
        "Board", "Birch Plywood ___", "1 15/16", "999 31/32", "99 31/32", "Grain", "999.99", "100"};
    FitTableColumns(m_grid, widest);
    layout->addWidget(m_grid, 1);

    m_problems = Note("StockProblems", this);
    m_problems->setStyleSheet(QStringLiteral("color: #a00000"));
    layout->addWidget(m_problems);
    m_withoutStock = Note("WoodsWithoutStock", this);
    layout->addWidget(m_withoutStock);

    auto* buttons = new QHBoxLayout;
    auto* addSheet = Button("Add Sheet", "AddSheet", this);
    auto* addBoard = Button("Add Board", "AddBoard", this);
    auto* remove = Button("Remove", "RemoveStock", this);
    m_save = Button("Save", "SaveStock", this);
    m_revert = Button("Revert", "RevertStock", this);
    for (auto* button : {addSheet, addBoard, remove})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_revert);
    layout->addLayout(buttons);
    resize(m_grid->minimumWidth() + 24, 600);

    connect(addSheet, &QPushButton::clicked, this, [this] { addEntry(StockKind::Sheet); });
    connect(addBoard, &QPushButton::clicked, this, [this] { addEntry(StockKind::Board); });
    connect(remove, &QPushButton::clicked, this, &TStockForm::removeSelected);
    connect(m_save, &QPushButton::clicked, this, &TStockForm::save);
    connect(m_revert, &QPushButton::clicked, this, &TStockForm::revert);
    connect(m_grid, &QTableWidget::itemChanged, this, &TStockForm::cellEdited);
    // The lengths follow a switch of units; the notes name the woods of the
    // wood listing, which the main window edits.
    connect(&m_controller, &SessionController::changed, this, [this](SessionChanges changes) {
        if (!isVisible() || !(changes.has(SessionChange::Replaced) || changes.has(SessionChange::Layout) ||
                              changes.has(SessionChange::WoodListing)))
            return;
        if (m_shownUnits != m_controller.model().units)
            showEntries();
        else
            showNotes();
    });
}

// An editor still open commits its text when the window goes, after the
// entries it would change are gone.
TStockForm::~TStockForm()
{
    disconnect(m_grid, nullptr, this, nullptr);
}

QStringList TStockForm::listedWoodNames() const
{
    QStringList names;
    const auto& items = m_controller.session().data().woodItems;
    for (const auto& name : ListedWoodNames(ListedWoods(items, m_controller.model().units)))
        names << ToQt(name);
    return names;
}

std::filesystem::path TStockForm::stockFile() const
{
    return m_controller.model().folders.programFolder / kStockFileName;
}

void TStockForm::showEvent(QShowEvent* event)
{
    // Stock.txt is meant to be edited by hand too.
    if (hasUnsavedChanges())
        showEntries();
    else
        load();
    QWidget::showEvent(event);
}

void TStockForm::closeEvent(QCloseEvent* event)
{
    CommitOpenEditor(*m_grid);
    if (hasUnsavedChanges()) {
        switch (m_controller.session().prompter().askToSave("Save the changes to the stock listing in " +
                                                            std::string(kStockFileName) + "?")) {
        case SaveChoice::Save:
            if (!save()) {
                event->ignore();
                return;
            }
            break;
        case SaveChoice::Discard: load(); break;
        case SaveChoice::Cancel: event->ignore(); return;
        }
    }
    QWidget::closeEvent(event);
}

void TStockForm::load()
{
    const auto read = ReadStockFile(stockFile());
    m_unread.clear();
    m_entries.clear();
    m_comments.clear();
    if (read) {
        m_entries = read->entries;
        m_unread = read->problems;
        m_comments = read->comments;
    }
    // A file that is there but cannot be read at all is never replaced: a
    // save would put the listing on screen, empty, in place of all of it.
    std::error_code error;
    m_unreadable = !read && std::filesystem::exists(stockFile(), error);
    if (m_unreadable)
        m_unread.push_back(read.error());
    m_saved = m_entries;
    showEntries();
}

void TStockForm::showEntries()
{
    const int row = m_grid->currentRow();
    const int column = m_grid->currentColumn();
    m_shownUnits = m_controller.model().units;
    {
        const QSignalBlocker blocker(m_grid);
        // Rows are made afresh: a row taking another entry may change its
        // kind, and with it which cells can be edited.
        m_grid->setRowCount(0);
        m_grid->setRowCount(static_cast<int>(m_entries.size()));
    }
    for (int r = 0; r < m_grid->rowCount(); ++r)
        showRow(r);
    if (row >= 0 && row < m_grid->rowCount())
        m_grid->setCurrentCell(row, column);
    showNotes();
}

void TStockForm::showRow(int row)
{
    const QSignalBlocker blocker(m_grid);
    const StockEntry& entry = m_entries[static_cast<std::size_t>(row)];
    const UnitMode units = m_controller.model().units;
    for (int c = 0; c < kStockColumnCount; ++c) {
        const auto column = static_cast<StockColumn>(c);
        QTableWidgetItem* item = m_grid->item(row, c);
        if (!item) {
            item = new QTableWidgetItem;
            if (RightAligned(column))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(row, c, item);
        }
        item->setText(ToQt(StockCellText(entry, column, units)));
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (!StockColumnApplies(entry.kind, column)) {
            flags = Qt::ItemIsSelectable;
            item->setBackground(palette().window());
        } else if (column == StockColumn::Grain) {
            flags |= Qt::ItemIsUserCheckable;
            item->setCheckState(entry.grain ? Qt::Checked : Qt::Unchecked);
        } else if (column != StockColumn::Kind) {
            flags |= Qt::ItemIsEditable;
        }
        item->setFlags(flags);
    }
}

void TStockForm::showNotes()
{
    const bool unsaved = hasUnsavedChanges();
    setWindowModified(unsaved);
    m_save->setEnabled(!m_unreadable && (unsaved || !m_unread.empty()));
    m_revert->setEnabled(unsaved);
    m_problems->setVisible(!m_unread.empty());
    const QString heading = m_unreadable ? QStringLiteral("Cannot be saved until the file can be read:")
                                         : QStringLiteral("Left out of ") + ToQt(kStockFileName) +
                                               QStringLiteral(" (Save removes these lines):");
    m_problems->setText(heading + QLatin1Char('\n') + ToQt(Joined(m_unread, "\n")));
    const auto& items = m_controller.session().data().woodItems;
    const auto missing = WoodsWithoutStock(ListedWoods(items, m_controller.model().units), m_entries);
    m_withoutStock->setText(missing.empty() ? QStringLiteral("Every wood of the wood listing has stock.")
                                            : QStringLiteral("No stock for: ") + ToQt(Joined(missing, ", ")));
}

void TStockForm::cellEdited(QTableWidgetItem* item)
{
    const int row = item->row();
    auto& entry = m_entries[static_cast<std::size_t>(row)];
    const auto column = static_cast<StockColumn>(item->column());
    const UnitMode units = m_controller.model().units;
    if (item->column() == kGrain) {
        entry.grain = item->checkState() == Qt::Checked;
    } else {
        // A cell left as it showed keeps the exact value the file had.
        const std::string text = FromQt(item->text());
        if (text == StockCellText(entry, column, units))
            return;
        auto edited = EditStockCell(entry, column, text, units);
        if (!edited) {
            showRow(row);
            // Told once the editor has closed: a message box taking the
            // focus from an open editor would have it commit again.
            QMetaObject::invokeMethod(
                this,
                [this, message = edited.error()] {
                    m_controller.session().prompter().message(MessageKind::Error, message);
                },
                Qt::QueuedConnection);
            return;
        }
        entry = std::move(edited).value();
    }
    showRow(row);
    showNotes();
}

void TStockForm::addEntry(StockKind kind)
{
    const auto& items = m_controller.session().data().woodItems;
    m_entries.push_back(NewStockEntry(kind, ListedWoods(items, m_controller.model().units), m_entries));
    showEntries();
    m_grid->setCurrentCell(m_grid->rowCount() - 1, kWood);
    m_grid->scrollToBottom();
}

void TStockForm::removeSelected()
{
    const int row = m_grid->currentRow();
    if (row < 0 || row >= static_cast<int>(m_entries.size()))
        return;
    m_entries.erase(m_entries.begin() + row);
    showEntries();
}

bool TStockForm::save()
{
    Prompter& prompter = m_controller.session().prompter();
    if (m_unreadable) {
        prompter.message(MessageKind::Error, m_unread.front() + " Nothing was saved: mend or move " +
                                                 std::string(kStockFileName) + " first, so that none of it is lost.");
        return false;
    }
    if (!m_unread.empty() &&
        !prompter.ask(MessageKind::Warning,
                      std::string(kStockFileName) + " has " + std::to_string(m_unread.size()) +
                          (m_unread.size() == 1 ? " line" : " lines") +
                          " that could not be read, shown under the listing. Saving writes the listing as "
                          "shown and removes those lines from the file.",
                      QuestionButtons::OkCancel))
        return false;
    if (const Status written = WriteStockFile(stockFile(), m_entries, m_comments); !written) {
        prompter.message(MessageKind::Error,
                         written.error() + " Nothing was saved; " + std::string(kStockFileName) + " is as it was.");
        return false;
    }
    load();
    emit stockSaved();
    return true;
}

void TStockForm::revert()
{
    if (hasUnsavedChanges() &&
        !m_controller.session().prompter().ask(MessageKind::Confirmation,
                                               "Throw away the changes and show " + std::string(kStockFileName) +
                                                   " as it was saved?",
                                               QuestionButtons::OkCancel))
        return;
    load();
}

} // namespace boxmill
