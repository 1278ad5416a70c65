// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <filesystem>

class QLabel;
class QTableWidget;

namespace boxmill {

class CabinetSession;
struct Job;

// What a job adds up to: the combined cut list, the wood cost of each wood,
// the labour and the job's total, read afresh from the cabinet files. A
// cabinet that cannot be read, or what the cabinets say while they are
// listed, is told in the note above the figures.
class JobFiguresPanel : public QWidget {
    Q_OBJECT

public:
    explicit JobFiguresPanel(QWidget* parent = nullptr);

    void showJob(const CabinetSession& session, const Job& job, const std::filesystem::path& jobFile);

    QLabel* note() const { return m_note; }
    QTableWidget* cutList() const { return m_rows; }
    QTableWidget* cost() const { return m_cost; }

private:
    void showNote(const QString& text);

    QLabel* m_note = nullptr;
    QTableWidget* m_rows = nullptr;
    QTableWidget* m_cost = nullptr;
};

} // namespace boxmill
