// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentWindow.h"

#include "RtfTextDocument.h"

#include "core/Prompter.h"
#include "help/RtfReader.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace boxmill {

DocumentWindow::DocumentWindow(std::filesystem::path document, Prompter& prompter, const Names& names, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_prompter(prompter)
    , m_document(std::move(document))
{
    setWindowTitle(QString::fromLatin1(names.caption));
    setObjectName(QString::fromLatin1(names.objectName));
    m_viewer = new QTextEdit(this);
    m_viewer->setObjectName(QString::fromLatin1(names.viewer));
    m_viewer->setReadOnly(true);
    // Keyboard selection keeps the found heading's highlight visible and
    // lets the user move on from it.
    m_viewer->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    const auto button = [this](const char* name, const char* caption, const char* hint) {
        auto* made = new QPushButton(QString::fromLatin1(caption), this);
        made->setObjectName(QString::fromLatin1(name));
        made->setToolTip(QString::fromLatin1(hint));
        made->setAutoDefault(false);
        return made;
    };
    m_printButton = button(names.printButton, "Print", names.printHint);
    m_closeButton = button(names.closeButton, "Close", names.closeHint);
    connect(m_printButton, &QPushButton::clicked, this, &DocumentWindow::print);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_printButton);
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_viewer, 1);
    layout->addLayout(buttons);
    resize(640, 560);
}

void DocumentWindow::print()
{
    if (m_print)
        m_print(*m_viewer->document(), windowTitle());
}

bool DocumentWindow::reload()
{
    const auto document = ReadRtfFile(m_document);
    if (!document) {
        m_prompter.message(MessageKind::Error, document.error());
        return false;
    }
    FillTextDocument(*m_viewer->document(), *document);
    return true;
}

void DocumentWindow::bringUp()
{
    show();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    raise();
    activateWindow();
    m_viewer->setFocus();
}

} // namespace boxmill
