// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewWindow.h"

#include "paint/QtText.h"
#include "ui/common/DrawingExport.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/ScreenFit.h"
#include "ui/common/SessionController.h"
#include "ui/common/ShapeCanvas.h"
#include "ui/common/ShownTexts.h"
#include "ui/common/TableFit.h"
#include "ui/common/ToolBars.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace boxmill {

namespace {

constexpr int kSidePanelWidth = 300;
constexpr int kRowHeight = 20;
// The longest part name and lengths the views list.
constexpr const char* kWidestRow[] = {"Mid Rail(s)", "88 27/32", "88 27/32", "1 1/16"};
// The canvas leaves this much blank room on every side of its drawing.
constexpr int kCanvasMargins = 24;
// The scale beyond which a small drawing is not blown up when its window
// opens: about what the designer gives a kitchen cabinet on a usual screen,
// so that a drawer does not fill the screen.
constexpr double kMostPixelsPerInch = 24;

} // namespace

ViewWindow::ViewWindow(SessionController& controller, const ViewCommands& commands, const char* caption,
                       const char* objectName, const char* dataBoxCaption, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint)
    , m_controller(controller)
    , m_commands(commands)
{
    setWindowTitle(QString::fromLatin1(caption));
    setObjectName(QString::fromLatin1(objectName));

    m_toolBar = AddWindowToolBar(this, 24, nullptr);

    // The table keeps its width; the drawing takes the rest of the window.
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    m_sidePanel = new QWidget(central);
    m_sideLayout = new QVBoxLayout(m_sidePanel);
    m_sideLayout->setContentsMargins(4, 4, 4, 4);

    m_dataBox = new QGroupBox(QString::fromLatin1(dataBoxCaption), m_sidePanel);
    m_dataBox->setObjectName(QStringLiteral("DataBox"));
    auto* boxLayout = new QVBoxLayout(m_dataBox);
    m_table = new QTableWidget(0, 4, m_dataBox);
    UsePlainCells(m_table);
    m_table->setObjectName(QStringLiteral("ViewData"));
    SetGridHelpKeys(m_table, HelpBy::Column, kDimensionTableHelpKeys);
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("Part"), QStringLiteral("Width"), QStringLiteral("Length"), QStringLiteral("Stock")});
    m_table->verticalHeader()->hide();
    FitTableRows(m_table, kRowHeight);
    // Every part name and length shows whole, whatever the font.
    FitTableColumns(m_table, kWidestRow);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    boxLayout->addWidget(m_table);
    m_sideLayout->addWidget(m_dataBox, 1);
    m_sidePanel->setFixedWidth(std::max(kSidePanelWidth, m_sidePanel->minimumSizeHint().width()));
    row->addWidget(m_sidePanel);

    m_canvas = new ShapeCanvas(central);
    row->addWidget(m_canvas, 1);
    setCentralWidget(central);
    connect(m_canvas, &ShapeCanvas::parameterPressed, &m_controller, &SessionController::requestParameter);

    const int widths[] = {100, 100, 100, 50};
    for (std::size_t i = 0; i < m_status.size(); ++i) {
        m_status[i] = new QLabel(this);
        m_status[i]->setMinimumWidth(widths[i]);
        statusBar()->addWidget(m_status[i]);
    }

    // Whoever announces a new layout has recalculated it already: an edit,
    // Undo, the options window's closing, the zoom.
    connect(&m_controller, &SessionController::layoutChanged, this, [this] {
        if (isVisible())
            refresh();
    });
}

const CabinetModel& ViewWindow::model() const
{
    return m_controller.session().model();
}

const LayoutResult& ViewWindow::layout() const
{
    return m_controller.session().layout();
}

int ViewWindow::designerSection() const
{
    return m_controller.session().designer().shownSection;
}

QAction* ViewWindow::command(const char* name) const
{
    return m_toolBar->findChild<QAction*>(QString::fromLatin1(name));
}

QAction* ViewWindow::addCommand(ToolGlyph glyph, const char* name, const char* hint, std::function<void()> run)
{
    return AddTool(m_toolBar, glyph, name, hint, std::move(run));
}

void ViewWindow::addCutListCommand(CutListKind list)
{
    addCommand(ToolGlyph::SendToCutList, "CutListViewer", "Send To Cutlist Viewer", [this, list] {
        if (m_commands.sendToCutList)
            m_commands.sendToCutList(list);
    });
}

void ViewWindow::addOptionsCommand()
{
    addCommand(ToolGlyph::Options, "CabinetOptions", "Cabinet Options Settings", m_commands.cabinetOptions);
}

void ViewWindow::addExitCommand(const char* name, const char* hint)
{
    // Every view exports what it shows, just before the way out.
    addCommand(ToolGlyph::Export, "ExportDrawing", "Export Drawing...", [this] { exportDrawing(); });
    m_toolBar->addSeparator();
    addCommand(ToolGlyph::Exit, name, hint, [this] { close(); });
}

void ViewWindow::setHelpKeys(const char* toolBarKey, const char* dataBoxKey)
{
    SetHelpKey(m_toolBar, toolBarKey);
    SetHelpKey(m_dataBox, dataBoxKey);
}

QLabel* ViewWindow::addLabel(const char* caption, const char* captionName, const char* valueName, const char* helpKey)
{
    auto* line = new QHBoxLayout;
    auto* label = new QLabel(QString::fromLatin1(caption), m_sidePanel);
    label->setObjectName(QString::fromLatin1(captionName));
    SetHelpKey(label, helpKey);
    auto* value = new QLabel(m_sidePanel);
    value->setObjectName(QString::fromLatin1(valueName));
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    line->addWidget(label);
    line->addWidget(value);
    line->addStretch();
    m_sideLayout->insertLayout(m_sideLayout->indexOf(m_dataBox), line);
    return value;
}

std::array<QRadioButton*, 2> ViewWindow::addListingChoice(const char* groupName, const char* helpKey,
                                                          std::array<const char*, 2> captions,
                                                          std::array<const char*, 2> names,
                                                          std::function<void(int)> choose)
{
    auto* box = new QGroupBox(QStringLiteral("Dimension Options"), m_sidePanel);
    box->setObjectName(QString::fromLatin1(groupName));
    SetHelpKey(box, helpKey);
    auto* line = new QHBoxLayout(box);
    auto* group = new QButtonGroup(box);
    std::array<QRadioButton*, 2> buttons {};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = new QRadioButton(QString::fromLatin1(captions[i]), box);
        buttons[i]->setObjectName(QString::fromLatin1(names[i]));
        group->addButton(buttons[i], static_cast<int>(i));
        line->addWidget(buttons[i]);
    }
    buttons[0]->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [choose = std::move(choose)](int id) { choose(id); });
    m_sideLayout->insertWidget(m_sideLayout->indexOf(m_dataBox), box);
    return buttons;
}

void ViewWindow::open(std::optional<QPoint> corner)
{
    const bool wasHidden = !isVisible();
    if (wasHidden)
        startShowing();
    goToSection(designerSection());
    const ConstructionView view = draw();
    showView(view);
    if (wasHidden)
        fitToDrawing(view);
    if (corner)
        move(*corner);
    else if (wasHidden && !testAttribute(Qt::WA_Moved) && parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    show();
    KeepWithinScreen(this);
    raise();
    activateWindow();
}

void ViewWindow::refresh()
{
    const ConstructionView view = draw();
    showView(view);
    if (!m_fitted && isVisible()) {
        fitToDrawing(view);
        KeepWithinScreen(this);
    }
}

void ViewWindow::showView(const ConstructionView& view)
{
    m_shown = view;
    m_canvas->setShapes(view.shapes, model().drawScale);

    ShowTableText(m_table, static_cast<int>(view.rows.size()), static_cast<int>(view.rows.size()),
                  [&](int r, int c) { return PartRowCell(view.rows[static_cast<std::size_t>(r)], c); });
    // No cell is chosen until the user chooses one.
    m_table->setCurrentItem(nullptr);
    // A fixed table shows all its rows; a growing one its least number and
    // scrolls beyond that.
    const int shown = m_growingRows ? *m_growingRows - 1 : static_cast<int>(view.rows.size());
    m_table->setMinimumHeight(TableHeightFor(m_table, shown));

    for (std::size_t i = 0; i < m_status.size(); ++i)
        m_status[i]->setText(i < view.statusTexts.size() ? ToQt(view.statusTexts[i]) : QString());
    showState();
}

void ViewWindow::fitToDrawing(const ConstructionView& view)
{
    // As large as shows the drawing well, short of filling the screen; the
    // user may resize it, and the drawing follows.
    const DrawnExtent extent = ExtentOf(view.shapes);
    m_fitted = !extent.empty;
    const QSize largest = LargestClientSize(this);
    const QSize beside(m_sidePanel->width() + centralWidget()->layout()->spacing(),
                       m_toolBar->sizeHint().height() + statusBar()->sizeHint().height());
    QSize bound = QSize(largest.width(), largest.height() * 9 / 10) - beside;
    if (m_fitted && view.unitsPerInch > 0) {
        const double pixelsPerUnit = kMostPixelsPerInch / view.unitsPerInch;
        const auto pixels = [&](long long units) {
            return static_cast<int>(std::min<double>(units * pixelsPerUnit + kCanvasMargins, INT_MAX / 2));
        };
        bound = bound.boundedTo(QSize(pixels(extent.width()), pixels(extent.height())));
    }
    const QSize area = m_canvas->fittingSize(bound.expandedTo(m_canvas->minimumSize()));
    const QSize wanted(beside.width() + area.width(),
                       beside.height() + std::max(area.height(), m_sidePanel->sizeHint().height()));
    resize(wanted.expandedTo(minimumSizeHint()).boundedTo(largest));
}

void ViewWindow::exportDrawing()
{
    // A side view looks along the cabinet's width and a top view down its
    // height: the lengths are named as the view shows them.
    const QString name = objectName();
    const char* across = name == QLatin1String("SideViewForm") ? "Depth" : "Width";
    const char* down = name == QLatin1String("TopForm") ? "Depth" : "Height";
    ShopDrawingContent content =
        MakeShopDrawing(m_shown.shapes, m_shown.unitsPerInch, model(), FromQt(windowTitle()), across, down);
    for (const auto& row : m_shown.rows)
        content.rows.push_back({row.part, row.width, row.length, row.stock});
    for (int c = 0; c < 4; ++c)
        if (const QTableWidgetItem* header = m_table->horizontalHeaderItem(c))
            content.columnTitles[static_cast<std::size_t>(c)] = FromQt(header->text());
    ExportShopDrawing(m_controller.session(), content);
}

} // namespace boxmill
