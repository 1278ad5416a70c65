// SPDX-License-Identifier: GPL-3.0-or-later
#include "SectionalAreaPanel.h"

#include "ui/common/HelpRequests.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/QtText.h"
#include "ui/common/SessionController.h"
#include "ui/common/ShownTexts.h"

#include "session/CabinetSession.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace boxmill {

namespace {

constexpr int kColumnWidth = 64;
constexpr int kRowHeight = 20;
constexpr int kLabelWidth = 66;

} // namespace

SectionalAreaPanel::SectionalAreaPanel(SessionController& controller, QWidget* parent)
    : QGroupBox(QStringLiteral("Sectional Dimensions"), parent)
    , m_controller(controller)
{
    setObjectName(QStringLiteral("CabinetInfoBox"));
    SetHelpKey(this, "Sectional Dimensions:");
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    auto* captions = new QHBoxLayout;
    auto* area = new QLabel(QStringLiteral("Area"), this);
    area->setObjectName(QStringLiteral("StaticText13"));
    SetHelpKey(area, "Area:");
    area->setFixedWidth(kLabelWidth);
    m_section1 = new QLabel(QStringLiteral("Section 1"), this);
    m_section1->setObjectName(QStringLiteral("Section1"));
    m_section1->setFixedWidth(kColumnWidth);
    m_section2 = new QLabel(QStringLiteral("Section 2"), this);
    m_section2->setObjectName(QStringLiteral("Section2"));
    captions->addWidget(area);
    captions->addWidget(m_section1);
    captions->addWidget(m_section2);
    captions->addStretch();
    layout->addLayout(captions);

    m_grid = new QTableWidget(9, 3, this);

    UsePlainCells(m_grid);
    m_grid->setObjectName(QStringLiteral("SectionalArea"));
    SetGridHelpKeys(m_grid, HelpBy::Row,
                    {"Section Width:", "Upper:", "Lower:", "Shelve:Upper",
                     "Drawer 1:", "Drawer 2:", "Drawer 3:", "Drawer 4:", "Shelve:Lower"});
    m_grid->horizontalHeader()->hide();
    m_grid->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    m_grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setFixedWidth(kLabelWidth);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    QStringList titles;
    for (const auto title : kLayoutRowTitles)
        titles << ToQt(title);
    m_grid->setVerticalHeaderLabels(titles);
    // Two section columns at a time; the scroll bar brings in the third.
    const int frame = 2 * m_grid->frameWidth();
    m_grid->setFixedWidth(kLabelWidth + 2 * kColumnWidth + frame);
    m_grid->setFixedHeight(9 * kRowHeight + m_grid->horizontalScrollBar()->sizeHint().height() + frame);
    layout->addWidget(m_grid);

    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { updateSectionLabels(); });
    connect(&m_controller, &SessionController::layoutChanged, this, &SectionalAreaPanel::refresh);
}

void SectionalAreaPanel::refresh()
{
    const auto& grid = m_controller.session().layout.grid;
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
