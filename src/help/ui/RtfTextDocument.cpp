// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfTextDocument.h"

#include "help/RtfReader.h"
#include "paint/QtText.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace boxmill {

namespace {

// Twips are 1/1440 inch; the layout counts pixels of a 96 dpi screen.
qreal Pixels(int twips)
{
    return twips / 15.0;
}

QTextBlockFormat BlockFormat(const RtfParagraph& paragraph)
{
    QTextBlockFormat format;
    switch (paragraph.alignment) {
    case RtfAlignment::Left: format.setAlignment(Qt::AlignLeft); break;
    case RtfAlignment::Center: format.setAlignment(Qt::AlignHCenter); break;
    case RtfAlignment::Right: format.setAlignment(Qt::AlignRight); break;
    case RtfAlignment::Justify: format.setAlignment(Qt::AlignJustify); break;
    }
    format.setLeftMargin(Pixels(paragraph.leftIndent));
    format.setTextIndent(Pixels(paragraph.firstLineIndent));
    QList<QTextOption::Tab> tabs;
    for (const int stop : paragraph.tabStops)
        tabs.append(QTextOption::Tab(Pixels(stop), QTextOption::LeftTab));
    format.setTabPositions(tabs);
    format.setTopMargin(Pixels(paragraph.spaceBefore));
    format.setBottomMargin(Pixels(paragraph.spaceAfter));
    format.setHeadingLevel(paragraph.headingLevel);
    return format;
}

QTextCharFormat CharFormat(const RtfRun& run)
{
    QTextCharFormat format;
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run.italic);
    format.setFontUnderline(run.underline);
    format.setFontPointSize(run.halfPoints / 2.0);
    return format;
}

} // namespace

void FillTextDocument(QTextDocument& target, const RtfDocument& document)
{
    target.clear();
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    bool first = true;
    for (const RtfParagraph& paragraph : document.paragraphs) {
        if (first)
            cursor.setBlockFormat(BlockFormat(paragraph));
        else
            cursor.insertBlock(BlockFormat(paragraph));
        first = false;
        for (const RtfRun& run : paragraph.runs) {
            QString text = ToQt(run.text);
            // A line break stays inside its paragraph.
            text.replace(QLatin1Char('\n'), QChar::LineSeparator);
            cursor.insertText(text, CharFormat(run));
        }
    }
    cursor.endEditBlock();
}

} // namespace boxmill
