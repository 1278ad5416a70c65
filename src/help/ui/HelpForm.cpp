// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpForm.h"

#include "core/Prompter.h"
#include "paint/QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace boxmill {

THelpForm::THelpForm(const std::filesystem::path& programFolder, Prompter& prompter, QWidget* parent)
    : DocumentWindow(programFolder / "Cabhelp.rtf", prompter,
                     {"Information Index", "HelpForm", "HelpViewer", "BitBtn1", "Print Information Index", "BitBtn2",
                      "Exit Information Index"},
                     parent)
{
}

void THelpForm::requestHelp(const QString& key)
{
    if (!key.isEmpty())
        m_currentKey = key;
    showHelp();
}

void THelpForm::showHelp()
{
    if (!m_enabled || !reload())
        return;
    QTextDocument& document = *viewer()->document();
    const qsizetype found =
        m_currentKey.isEmpty() ? -1 : document.toPlainText().indexOf(m_currentKey, 0, Qt::CaseSensitive);
    if (found < 0) {
        m_prompter.message(MessageKind::Error, FromQt(QStringLiteral("Could not find: ") + m_currentKey));
        return;
    }
    QTextCursor selection(&document);
    selection.setPosition(static_cast<int>(found));
    selection.setPosition(static_cast<int>(found + m_currentKey.size()), QTextCursor::KeepAnchor);
    viewer()->setTextCursor(selection);
    bringUp();
    // The heading at the top, its explanation below it.
    const QRectF block = document.documentLayout()->blockBoundingRect(selection.block());
    viewer()->verticalScrollBar()->setValue(static_cast<int>(block.top()));
}

} // namespace boxmill
