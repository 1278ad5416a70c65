// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutListForm.h"

#include "paint/ListingFont.h"
#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/SessionController.h"
#include "ui/common/ToolIcons.h"

#include "cutlist/ShortDate.h"
#include "session/CabinetSession.h"
#include "session/CutListCommands.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolBar>

#include <algorithm>

namespace boxmill {

TCutListForm::TCutListForm(SessionController& controller, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , m_controller(controller)
{
    setWindowTitle(QStringLiteral("Cutlist Editor"));
    setObjectName(QStringLiteral("CutListForm"));
    // An edit builds the listing again; an open editor shows the new one.
    connect(&m_controller, &SessionController::cutListChanged, this, [this] {
        if (isVisible())
            showListing();
    });

    auto* bar = addToolBar(QStringLiteral("Tool Bar"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    SetHelpKey(bar, "Tool Bar Cutlist Editor:");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    struct Button {
        const char* name;
        const char* caption;
        const char* hint;
        ListingBuild build;
    };
    QAction* print =
        bar->addAction(ToolIcon(ToolGlyph::Print), QStringLiteral("Print"), this, &TCutListForm::printListing);
    print->setObjectName(QStringLiteral("PrintCutList"));
    print->setToolTip(QStringLiteral("Print Cutlist Editor"));
    const Button buttons[] = {{"CutAll", "All", "Show Complete Cutlist", ListingBuild::All},
                              {"Cabinet", "Cabinet", "Cabinet Cutlist Only", ListingBuild::Cabinet},
                              {"Face", "Face", "Face Frame Cutlist Only", ListingBuild::Face},
                              {"Drawers", "Drawers", "Drawers Cutlist Only", ListingBuild::Drawers},
                              {"Panels", "Doors", "Door Panels Cutlist Only", ListingBuild::Doors}};
    for (const auto& button : buttons) {
        QAction* action = bar->addAction(ToolIcon(ToolGlyph::SendToCutList), QString::fromLatin1(button.caption));
        action->setObjectName(QString::fromLatin1(button.name));
        action->setToolTip(QString::fromLatin1(button.hint));
        connect(action, &QAction::triggered, this, [this, build = button.build] { rebuild(build); });
    }
    QAction* diagrams =
        bar->addAction(ToolIcon(ToolGlyph::CuttingDiagram), QStringLiteral("Cutting Diagrams"), this, [this] {
            if (m_cuttingDiagrams)
                m_cuttingDiagrams();
        });
    diagrams->setObjectName(QStringLiteral("CuttingDiagrams"));
    diagrams->setToolTip(QStringLiteral("Cutting Diagrams Of The Cabinet On Screen"));
    bar->addSeparator();
    QAction* exit = bar->addAction(ToolIcon(ToolGlyph::Close), QStringLiteral("Close"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("ExitEditor"));
    exit->setToolTip(QStringLiteral("Exit Cutlist Editor"));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("CutList"));
    m_text->setFont(ListingFont());
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    setCentralWidget(m_text);

    m_showing = new QLabel(this);
    m_buildName = new QLabel(this);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(m_showing, 1);
    statusBar()->addWidget(m_buildName);

    // Wide enough for a listing line of 70 characters and its margins,
    const int columns = QFontMetrics(m_text->font()).horizontalAdvance(QString(76, QLatin1Char('M')));
    // and for every button of the tool bar.
    resize(std::max(columns + 40, bar->sizeHint().width()), 640);
}

bool TCutListForm::openWith(ListingBuild build)
{
    const bool passed = OpenCutlistEditor(m_controller.commands(), build, TodaysShortDate());
    m_controller.announceCutListChanged();
    if (!passed)
        return false;
    showListing();
    show();
    raise();
    activateWindow();
    return true;
}

void TCutListForm::rebuild(ListingBuild build)
{
    RunListingBuild(m_controller.commands(), build, TodaysShortDate());
    m_controller.announceCutListChanged();
    showListing();
}

void TCutListForm::showListing()
{
    const auto& listing = m_controller.session().cutList().listing;
    if (!listing)
        return;
    QStringList lines;
    for (const auto& line : listing->lines)
        lines << ToQt(line);
    m_text->setPlainText(lines.join(QLatin1Char('\n')));
    m_showing->setText(ToQt(listing->showing));
    m_buildName->setText(ToQt(listing->buildName));
    // The caret goes to the date line, the head of the listing.
    const QTextBlock todays = m_text->document()->find(QStringLiteral("Todays")).block();
    QTextCursor cursor(todays.isValid() ? todays : m_text->document()->firstBlock());
    m_text->setTextCursor(cursor);
}

void TCutListForm::printListing()
{
    if (!m_print)
        return;
    std::vector<std::string> lines;
    for (const QString& line : m_text->toPlainText().split(QLatin1Char('\n')))
        lines.push_back(FromQt(line));
    m_print(lines);
}

} // namespace boxmill
