// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutlist/CutListBuild.h"
#include "ui/common/ToolIcons.h"
#include "views/ConstructionView.h"
#include "views/ViewState.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QRadioButton;
class QTableWidget;
class QToolBar;
class QVBoxLayout;

namespace boxmill {

class CabinetModel;
class SessionController;
class ShapeCanvas;
struct LayoutResult;

// What the construction views ask of the windows around them.
struct ViewCommands {
    // The main window's viewer commands.
    std::function<void(CutListKind)> sendToCutList;
    // Opens the options window.
    std::function<void()> cabinetOptions;
    // The door and drawer views' "Print": what the view shows, on paper.
    std::function<void(const DoorViewState&)> printDoorView;
    std::function<void(const DrawerViewState&)> printDrawerView;
};

// The frame every construction view shares: a drawing of named parts, a
// table of their finished sizes beside it with the view's labels and
// choices above it, a tool bar and a status bar of four panels. The view
// computes what it shows afresh from the model on every refresh and keeps
// only its own view state (shown section, listing, drawer...).
class ViewWindow : public QMainWindow {
    Q_OBJECT

public:
    // Shows the window drawn afresh, with its top-left corner at `corner`
    // when given (the designer's), on the designer's section. A window that
    // was hidden starts from its first showing's state and is fitted to its
    // drawing again.
    void open(std::optional<QPoint> corner);
    // Draws everything again from the model and the view state.
    void refresh();

    ShapeCanvas* canvas() const { return m_canvas; }
    QTableWidget* dataBox() const { return m_table; }
    QLabel* statusPanel(int index) const { return m_status[static_cast<std::size_t>(index)]; }
    // A tool bar command by its name ("NextSection", "CutListViewer"...).
    QAction* command(const char* name) const;

protected:
    ViewWindow(SessionController& controller, const ViewCommands& commands, const char* caption, const char* objectName,
               const char* dataBoxCaption, QWidget* parent);

    virtual ConstructionView draw() = 0;
    // The labels and choices of the view state, after each drawing.
    virtual void showState() { }
    // A hidden window about to be shown again.
    virtual void startShowing() { }
    // Views of one section start on the designer's at every opening.
    virtual void goToSection(int /*section*/) { }

    SessionController& controller() const { return m_controller; }
    const CabinetModel& model() const;
    const LayoutResult& layout() const;
    const ViewCommands& commands() const { return m_commands; }
    // The designer's section, which the views hold to the cabinet's
    // sections as they draw.
    int designerSection() const;

    // Builders for the views' constructors, in the order things appear.
    QAction* addCommand(ToolGlyph glyph, const char* name, const char* hint, std::function<void()> run);
    void addCutListCommand(CutListKind list);
    void addOptionsCommand();
    void addExitCommand(const char* name, const char* hint);
    // What a double click on the tool bar and on the table's box asks the
    // information index for.
    void setHelpKeys(const char* toolBarKey, const char* dataBoxKey);
    // A caption with its value in bold beside it, above the table; returns
    // the value.
    QLabel* addLabel(const char* caption, const char* captionName, const char* valueName, const char* helpKey);
    // The table's "Dimension Options": two exclusive choices, the first
    // chosen; `choose` gets 0 or 1.
    std::array<QRadioButton*, 2> addListingChoice(const char* groupName, const char* helpKey,
                                                  std::array<const char*, 2> captions, std::array<const char*, 2> names,
                                                  std::function<void(int)> choose);
    // Tables that grow with the parts they list keep at least `rows` rows
    // visible; fixed tables show every row.
    void setGrowingTable(int rows) { m_growingRows = rows; }

private:
    void showView(const ConstructionView& view);
    void fitToDrawing(const ConstructionView& view);
    void exportDrawing();

    SessionController& m_controller;
    ViewCommands m_commands;
    QToolBar* m_toolBar = nullptr;
    QWidget* m_sidePanel = nullptr;
    QVBoxLayout* m_sideLayout = nullptr;
    QGroupBox* m_dataBox = nullptr;
    QTableWidget* m_table = nullptr;
    ShapeCanvas* m_canvas = nullptr;
    std::array<QLabel*, 4> m_status {};
    std::optional<int> m_growingRows;
    // What the window shows now, which Export writes.
    ConstructionView m_shown;
    // Opened on an empty drawing (a view of an opening without doors): the
    // first drawing with parts fits the window to itself.
    bool m_fitted = false;
};

} // namespace boxmill
