// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewForms.h"

#include "views/DoorView.h"
#include "views/DrawerView.h"
#include "views/FaceView.h"
#include "views/ShellView.h"
#include "views/SideView.h"
#include "views/TopView.h"

#include "core/CabinetModel.h"
#include "ui/common/SessionController.h"

#include <QLabel>

#include <algorithm>

namespace boxmill {

namespace {

// The drawings hold a section number to the cabinet's sections; the window
// holds its own state there too, so that its label says what is drawn.
int HeldSection(const CabinetModel& model, int section)
{
    return std::clamp(section, 1, std::max(model.sectionCount, 1));
}

} // namespace

TShellViewForm::TShellViewForm(SessionController& controller, const ViewCommands& commands, QWidget* parent)
    : ViewWindow(controller, commands, "Front/Shell Construction View", "ShellViewForm", "Front/Shell Dimensions",
                 parent)
{
    addCommand(ToolGlyph::NextSection, "NextSection", "Next Section", [this] { nextSection(); });
    addCutListCommand(CutListKind::Complete);
    addOptionsCommand();
    addExitCommand("ExitShellView", "Exit Front/Shell Construction View");
    setHelpKeys("Tool Bar Front/Shell Construction:", "Front/Shell Dimensions:");
    m_section = addLabel("Showing Section...", "Label2", "SectionNumber", "Editing/Showing Section:");
    connect(&controller, &SessionController::designerSectionChanged, this, [this] {
        if (isVisible())
            refresh();
    });
}

int TShellViewForm::section() const
{
    return HeldSection(model(), designerSection());
}

void TShellViewForm::nextSection()
{
    controller().showDesignerSection(NextShellSection(model(), section()));
    refresh();
}

ConstructionView TShellViewForm::draw()
{
    return DrawShellView(model(), layout(), section(), width());
}

void TShellViewForm::showState()
{
    m_section->setText(QString::number(section()));
}

TSideViewForm::TSideViewForm(SessionController& controller, const ViewCommands& commands, QWidget* parent)
    : ViewWindow(controller, commands, "Side Construction View", "SideViewForm", "Side Dimensions", parent)
{
    addCutListCommand(CutListKind::Complete);
    addOptionsCommand();
    addExitCommand("ExitSideView", "Exit Side View");
    setHelpKeys("Tool Bar Side Construction View:", "Side Dimensions:");
}

ConstructionView TSideViewForm::draw()
{
    return DrawSideView(model(), layout());
}

TTopForm::TTopForm(SessionController& controller, const ViewCommands& commands, QWidget* parent)
    : ViewWindow(controller, commands, "Top Construction View", "TopForm", "Top Dimensions", parent)
{
    addCutListCommand(CutListKind::Complete);
    addOptionsCommand();
    addExitCommand("ExitView", "Exit Top View");
    setHelpKeys("Tool Bar Top Construction View:", "Top Dimensions:");
}

ConstructionView TTopForm::draw()
{
    return DrawTopView(model(), layout(), width(), height());
}

TFaceForm::TFaceForm(SessionController& controller, const ViewCommands& commands, QWidget* parent)
    : ViewWindow(controller, commands, "Face Frame Construction", "FaceForm", "Face Frame Dimensions", parent)
{
    setGrowingTable(kFaceViewMinGridRows);
    addCommand(ToolGlyph::NextSection, "NextSection", "Next Section", [this] {
        m_state = NextSection(model(), m_state);
        refresh();
    });
    addCutListCommand(CutListKind::FaceFrame);
    addOptionsCommand();
    addExitCommand("ExitFaceView", "Exit Face Construction View");
    setHelpKeys("Tool Bar Face Construction:", "Face Frame Dimensions:");
    m_section = addLabel("Showing Section...", "Label2", "SectionNumber", "Editing/Showing Section:");
    addListingChoice("DimensionOptions", "Face Frame Dimension Options:", {"Show Section", "Show Complete"},
                     {"ShowSection", "ShowComplete"}, [this](int choice) {
                         m_state.listing = choice == 0 ? FaceListing::Section : FaceListing::Complete;
                         refresh();
                     });
}

void TFaceForm::goToSection(int section)
{
    m_state = GoToSection(model(), m_state, section);
}

ConstructionView TFaceForm::draw()
{
    m_state.section = HeldSection(model(), m_state.section);
    return FaceFrameView(model(), layout(), m_state, width());
}

void TFaceForm::showState()
{
    m_section->setText(QString::number(m_state.section));
}

TPanelForm::TPanelForm(SessionController& controller, const ViewCommands& commands, QWidget* parent)
    : ViewWindow(controller, commands, "Door Construction View", "PanelForm", "Door Dimensions", parent)
{
    setGrowingTable(kDoorViewMinGridRows);
    addCommand(ToolGlyph::NextSection, "NextSection", "Next Section", [this] {
        m_state = NextSection(model(), m_state);
        refresh();
    });
    addCommand(ToolGlyph::UpperLower, "UpperLowerToggle", "Upper/Lower Toggle", [this] {
        m_state = ToggleUpperLower(model(), m_state);
        refresh();
    });
    addCommand(ToolGlyph::Print, "PrintDoorPanelView", "Print Door Panel View", [this] {
        if (this->commands().printDoorView)
            this->commands().printDoorView(m_state);
    });
    addCutListCommand(CutListKind::Doors);
    addExitCommand("ExitDoorView", "Exit Door Construction View");
    setHelpKeys("Tool Bar Door Construction:", "Door Dimensions:");
    m_section = addLabel("Showing Section...", "Label2", "SectionNumber", "Editing/Showing Section:");
    m_opening = addLabel("Showing Doors......", "Label1", "PanelStatus", "Showing Doors:");
    addListingChoice("DimensionOptions", "Door Dimension Options:", {"Show Selected", "Show Section"},
                     {"ShowSelected", "ShowSection"}, [this](int choice) {
                         m_state = ChooseListing(m_state, choice == 0 ? DoorListing::Selected : DoorListing::Section);
                         refresh();
                     });
}

void TPanelForm::startShowing()
{
    m_state.opening = Opening::Lower;
}

void TPanelForm::goToSection(int section)
{
    m_state = GoToSection(model(), m_state, section);
}

ConstructionView TPanelForm::draw()
{
    m_state.section = HeldSection(model(), m_state.section);
    // An edit may take away the partition whose opening is shown.
    if (model().sectionItem(m_state.section - 1, SectionItem::Partition) == 0)
        m_state.opening = Opening::Lower;
    return DoorView(model(), layout(), m_state, width(), height());
}

void TPanelForm::showState()
{
    m_section->setText(QString::number(m_state.section));
    m_opening->setText(m_state.opening == Opening::Upper ? QStringLiteral("Upper") : QStringLiteral("Lower"));
}

TDrawerForm::TDrawerForm(SessionController& controller, const ViewCommands& commands, QWidget* parent)
    : ViewWindow(controller, commands, "Drawer Construction View", "DrawerForm", "Drawer Dimensions", parent)
{
    setGrowingTable(kDrawerViewMinGridRows);
    addCommand(ToolGlyph::NextDrawer, "NextDrawer", "Next Drawer In Section", [this] {
        m_state = NextDrawer(model(), m_state);
        refresh();
    });
    addCommand(ToolGlyph::NextSection, "NextSection", "Next Section", [this] {
        m_state = NextSection(model(), m_state);
        refresh();
    });
    addCommand(ToolGlyph::Print, "PrintDrawerView", "Print Drawer View", [this] {
        if (this->commands().printDrawerView)
            this->commands().printDrawerView(m_state);
    });
    addCutListCommand(CutListKind::Drawers);
    addExitCommand("ExitDrawerView", "Exit Drawer Construction View");
    setHelpKeys("Tool Bar Drawer Construction:", "Drawer Dimensions:");
    m_section = addLabel("Showing Section...", "Label2", "SectionNumber", "Editing/Showing Section:");
    m_drawer = addLabel("Showing Drawer...", "Label1", "DrawerNumber", "Showing Drawer:");
    addListingChoice("DimensionOptions", "Drawer Dimension Options:", {"Show Selected", "Show Section"},
                     {"SeeSelected", "SeeAll"}, [this](int choice) {
                         m_state.listing = choice == 0 ? DrawerListing::Selected : DrawerListing::Section;
                         refresh();
                     });
}

void TDrawerForm::startShowing()
{
    m_state.drawer = 1;
}

void TDrawerForm::goToSection(int section)
{
    m_state = GoToSection(model(), m_state, section);
}

ConstructionView TDrawerForm::draw()
{
    m_state.section = HeldSection(model(), m_state.section);
    return DrawerView(model(), layout(), m_state, width(), height());
}

void TDrawerForm::showState()
{
    m_section->setText(QString::number(m_state.section));
    m_drawer->setText(QString::number(m_state.drawer));
}

} // namespace boxmill
