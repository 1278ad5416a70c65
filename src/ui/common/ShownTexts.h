// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <Qt>

#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QTableWidget;

namespace boxmill {

// The text of a cell, counted from row 0 below the titles.
using CellText = std::function<QString(int row, int column)>;

// Shows `rowCount` rows in `grid`: rows below `filledRows` take their text
// from `cell`, the rest are blank. Only cells whose text differs are
// touched, so an edit that changes one figure repaints that cell and not
// the whole table. New cells take `alignment(column)` when given. Returns
// true when any text changed.
bool ShowTableText(QTableWidget* grid, int rowCount, int filledRows, const CellText& cell,
                   Qt::Alignment (*alignment)(int column) = nullptr);

// True when `list` holds exactly `texts`, in order: a list refilled only
// when this is false keeps its selection and is not painted again.
bool ListShows(const QListWidget* list, const std::vector<std::string>& texts);

// A cell of a part row (part, width, length, stock), as the designer's
// front dimensions and the views' data grids show them.
QString PartRowText(const std::string& part, const std::string& width, const std::string& length,
                    const std::string& stock, int column);
template <typename Row> QString PartRowCell(const Row& row, int column)
{
    return PartRowText(row.part, row.width, row.length, row.stock, column);
}

} // namespace boxmill
