// SPDX-License-Identifier: GPL-3.0-or-later
#include "SectionalAreaPanel.h"

#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/SessionController.h"
#include "ui/common/ShownTexts.h"
#include "ui/common/TableFit.h"

#include "session/CabinetSession.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace boxmill {

namespace {

constexpr int kColumnWidth = 64;
constexpr int kRowHeight = 20;
constexpr int kLabelWidth = 66;
// The widest length a section column commonly shows, and the room beside
// it and beside a row's title.
constexpr const char* kWidestLength = "88 27/32";
constexpr int kCellPadding = 8;
constexpr int kTitlePadding = 12;

} // namespace

SectionalAreaPanel::SectionalAreaPanel(SessionController& controller, QWidget* parent)
    : QGroupBox(QStringLiteral("Sectional Dimensions"), parent)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("CabinetInfoBox"));
    SetHelpKey(this, "Sectional Dimensions:");
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    m_grid = new QTableWidget(9, 3, this);
    // As wide and high as the font needs for every title and length.
    const QFontMetrics metrics = m_grid->fontMetrics();
    QStringList titles;
    int labelWidth = kLabelWidth;
    for (const auto title : kLayoutRowTitles) {
        titles << ToQt(title);
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(titles.back()) + kTitlePadding);
    }
    m_grid->setVerticalHeaderLabels(titles);
    const int columnWidth =
        std::max(kColumnWidth, metrics.horizontalAdvance(QLatin1String(kWidestLength)) + kCellPadding);

    auto* captions = new QHBoxLayout;
    auto* area = new QLabel(QStringLiteral("Area"), this);
    area->setObjectName(QStringLiteral("StaticText13"));
    SetHelpKey(area, "Area:");
    area->setFixedWidth(labelWidth);
    m_section1 = new QLabel(QStringLiteral("Section 1"), this);
    m_section1->setObjectName(QStringLiteral("Section1"));
    m_section1->setFixedWidth(columnWidth);
    m_section2 = new QLabel(QStringLiteral("Section 2"), this);
    m_section2->setObjectName(QStringLiteral("Section2"));
    captions->addWidget(area);
    captions->addWidget(m_section1);
    captions->addWidget(m_section2);
    captions->addStretch();
    layout->addLayout(captions);

    UsePlainCells(m_grid);
    m_grid->setObjectName(QStringLiteral("SectionalArea"));
    SetGridHelpKeys(m_grid, HelpBy::Row,
                    {"Section Width:", "Upper:", "Lower:", "Shelve:Upper",
                     "Drawer 1:", "Drawer 2:", "Drawer 3:", "Drawer 4:", "Shelve:Lower"});
    m_grid->horizontalHeader()->hide();
    m_grid->horizontalHeader()->setDefaultSectionSize(columnWidth);
    FitTableRows(m_grid, kRowHeight);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setFixedWidth(labelWidth);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    // Two section columns at a time; the scroll bar brings in the third.
    m_grid->setFixedWidth(labelWidth + 2 * columnWidth + 2 * m_grid->frameWidth());
    m_grid->setFixedHeight(TableHeightFor(m_grid, 9));
    layout->addWidget(m_grid);

    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { updateSectionLabels(); });
    connect(&m_controller, &SessionController::layoutChanged, this, &SectionalAreaPanel::refresh);
}

void SectionalAreaPanel::refresh()
{
    const auto& grid = m_controller.session().layout().grid;
    ShowTableText(
        m_grid, 9, 9,
        [&](int r, int c) { return ToQt(grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]); },
        [](int) -> Qt::Alignment { return Qt::AlignRight | Qt::AlignVCenter; });
}

void SectionalAreaPanel::updateSectionLabels()
{
    const int first = m_grid->horizontalScrollBar()->value() + 1;
    m_section1->setText(QStringLiteral("Section %1").arg(first));
    m_section2->setText(QStringLiteral("Section %1").arg(first + 1));
}

} // namespace boxmill
