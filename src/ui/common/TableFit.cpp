// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableFit.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

namespace boxmill {

namespace {
// Room either side of an entry inside its cell, and above and below it.
constexpr int kCellPadding = 12;
constexpr int kRowPadding = 4;
} // namespace

void FitTableColumns(QTableWidget* grid, std::span<const char* const> widestEntries)
{
    auto* header = grid->horizontalHeader();
    const auto* view = static_cast<const QAbstractItemView*>(grid);
    int total = 0;
    for (int column = 0; column < grid->columnCount(); ++column) {
        const auto c = static_cast<std::size_t>(column);
        const int entry =
            c < widestEntries.size()
                ? grid->fontMetrics().horizontalAdvance(QString::fromLatin1(widestEntries[c])) + kCellPadding
                : 0;
        const int width = std::max({header->sectionSizeHint(column), entry, view->sizeHintForColumn(column)});
        header->resizeSection(column, width);
        total += width;
    }
    grid->setMinimumWidth(total + grid->verticalScrollBar()->sizeHint().width() + 2 * grid->frameWidth());
}

int FitTableRows(QTableView* grid, int rowHeight)
{
    auto* rows = grid->verticalHeader();
    const int height = std::max({rowHeight, grid->fontMetrics().height() + kRowPadding, rows->minimumSectionSize()});
    rows->setDefaultSectionSize(height);
    return height;
}

int TableHeightFor(const QTableView* grid, int rows)
{
    int height = rows * grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth();
    if (!grid->horizontalHeader()->isHidden())
        height += grid->horizontalHeader()->sizeHint().height();
    if (grid->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
        height += grid->horizontalScrollBar()->sizeHint().height();
    return height;
}

} // namespace boxmill
