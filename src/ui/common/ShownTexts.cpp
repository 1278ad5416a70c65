// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownTexts.h"

#include "paint/QtText.h"

#include <QListWidget>
#include <QTableWidget>

namespace boxmill {

bool ShowTableText(QTableWidget* grid, int rowCount, int filledRows, const CellText& cell,
                   Qt::Alignment (*alignment)(int column))
{
    bool changed = grid->rowCount() != rowCount;
    grid->setRowCount(rowCount);
    for (int row = 0; row < rowCount; ++row)
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QString text = row < filledRows ? cell(row, column) : QString();
            QTableWidgetItem* item = grid->item(row, column);
            if (!item) {
                // The blank rows of a grid that shows a least number of rows
                // stay without items, as a fresh grid has them.
                if (row >= filledRows)
                    continue;
                item = new QTableWidgetItem(text);
                if (alignment)
                    item->setTextAlignment(alignment(column));
                grid->setItem(row, column, item);
                changed = true;
            } else if (item->text() != text) {
                item->setText(text);
                changed = true;
            }
        }
    return changed;
}

bool ListShows(const QListWidget* list, const std::vector<std::string>& texts)
{
    if (list->count() != static_cast<int>(texts.size()))
        return false;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text() != ToQt(texts[static_cast<std::size_t>(row)]))
            return false;
    return true;
}

QString PartRowText(const std::string& part, const std::string& width, const std::string& length,
                    const std::string& stock, int column)
{
    const std::string* cells[] = {&part, &width, &length, &stock};
    return column >= 0 && column < 4 ? ToQt(*cells[column]) : QString();
}

} // namespace boxmill
