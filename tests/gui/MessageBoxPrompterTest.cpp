// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes show what a message quotes as it is spelled: no
// control or direction-changing character, no markup, Latin-1 as itself.

#include "ui/common/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace boxmill;

class MessageBoxPrompterTest : public QObject {
    Q_OBJECT

private slots:
    void everyBoxShowsTheTextCleanAndPlain()
    {
        const QString replacement(QChar(0xFFFD));
        const std::string text = "<b>Oak</b>\x1b]0;owned\x07 in \"/jobs/\xE2\x80\xAEpdf.job\": H\xEAtre";
        const QString shown = QStringLiteral("<b>Oak</b>") + replacement + QStringLiteral("]0;owned") + replacement +
                              QStringLiteral(" in \"/jobs/") + replacement + QStringLiteral("pdf.job\": H") +
                              QChar(0xEA) + QStringLiteral("tre");
        MessageBoxPrompter prompter;
        const std::function<void()> shows[] = {
            [&] { prompter.message(MessageKind::Error, text); },
            [&] { prompter.ask(MessageKind::Confirmation, text, QuestionButtons::YesNo); },
            [&] { prompter.askToSave(text); },
        };
        for (const auto& show : shows) {
            QString seen;
            Qt::TextFormat format = Qt::AutoText;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box != nullptr);
                seen = box->text();
                format = box->textFormat();
                box->reject();
            });
            show();
            QCOMPARE(seen, shown);
            QCOMPARE(format, Qt::PlainText);
        }
    }
};

QTEST_MAIN(MessageBoxPrompterTest)
#include "MessageBoxPrompterTest.moc"
