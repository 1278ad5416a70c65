// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolBars.h"

#include "HelpRequests.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>

namespace boxmill {

QToolBar* AddWindowToolBar(QMainWindow* window, int iconSize, const char* helpKey)
{
    QToolBar* bar = window->addToolBar(QStringLiteral("Tool Bar"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    if (helpKey)
        SetHelpKey(bar, helpKey);
    bar->setMovable(false);
    bar->setIconSize(QSize(iconSize, iconSize));
    return bar;
}

QAction* AddTool(QToolBar* bar, ToolGlyph glyph, const char* name, const char* hint, std::function<void()> command)
{
    QAction* action = bar->addAction(ToolIcon(glyph), QString::fromLatin1(hint));
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(QString::fromLatin1(hint));
    QObject::connect(action, &QAction::triggered, action, [command = std::move(command)] {
        if (command)
            command();
    });
    return action;
}

} // namespace boxmill
