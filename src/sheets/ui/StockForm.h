// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Measure.h"
#include "sheets/Stock.h"

#include <QStringList>
#include <QWidget>

#include <filesystem>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace boxmill {

class SessionController;

// "Stock Listing": the entries of Stock.txt in a grid, edited here and
// written only by Save. The file is read again whenever the window is shown
// without unsaved edits, so a change made to it by hand shows up.
class TStockForm : public QWidget {
    Q_OBJECT

public:
    explicit TStockForm(SessionController& controller, QWidget* parent = nullptr);
    ~TStockForm() override;

    // Lines the file had that could not be read are dropped by a save, so
    // the user is asked first. False when nothing was written.
    bool save();
    void revert();
    void addEntry(StockKind kind);
    void removeSelected();
    bool hasUnsavedChanges() const { return m_entries != m_saved; }

    const std::vector<StockEntry>& entries() const { return m_entries; }
    QTableWidget* grid() const { return m_grid; }
    QLabel* problems() const { return m_problems; }
    QLabel* woodsWithoutStock() const { return m_withoutStock; }

signals:
    // Stock.txt now holds what the window shows.
    void stockSaved();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::filesystem::path stockFile() const;
    QStringList listedWoodNames() const;
    void load();
    void showEntries();
    void showRow(int row);
    void showNotes();
    void cellEdited(QTableWidgetItem* item);

    SessionController& m_controller;
    std::vector<StockEntry> m_entries;
    std::vector<StockEntry> m_saved;
    // The lines of the file as read that the grid does not hold.
    std::vector<std::string> m_unread;
    // Kept through a save: the file is meant to be edited by hand too.
    std::vector<std::string> m_comments;
    bool m_unreadable = false; // the file is there but could not be read
    UnitMode m_shownUnits = UnitMode::Inches;
    QTableWidget* m_grid = nullptr;
    QLabel* m_problems = nullptr;
    QLabel* m_withoutStock = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_revert = nullptr;
};

} // namespace boxmill
