// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What pdftotext reads back from a PDF the program wrote.

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>

#include <vector>

namespace boxmill::test {

// Every word of a PDF with its box, in points from the page's top left.
struct PdfWord {
    int page = 0;
    QRectF box;
    QString text;
    QSizeF pageSize;
};

inline std::vector<PdfWord> PdfWords(const QString& file)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    static const QRegularExpression pageTag(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordTag(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    int page = 0;
    QSizeF size;
    for (const QString& line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (const auto found = pageTag.match(line); found.hasMatch()) {
            ++page;
            size = QSizeF(found.captured(1).toDouble(), found.captured(2).toDouble());
        } else if (const auto word = wordTag.match(line); word.hasMatch()) {
            words.push_back({page,
                             QRectF(QPointF(word.captured(1).toDouble(), word.captured(2).toDouble()),
                                    QPointF(word.captured(3).toDouble(), word.captured(4).toDouble())),
                             word.captured(5), size});
        }
    }
    return words;
}

} // namespace boxmill::test
