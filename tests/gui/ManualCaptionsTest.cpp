// SPDX-License-Identifier: GPL-3.0-or-later
// The manual and the read-me tell the user which window, menu entry or
// button to use by its caption: each must be one the program shows.

#include "GuiFixture.h"

#include "designer/ui/CabinetForm.h"
#include "panels/ui/DoorPanelForm.h"
#include "panels/ui/RaisedPanelDesigner.h"
#include "views/ui/ConstructionViews.h"
#include "views/ui/ViewWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>

#include <memory>
#include <set>

using namespace boxmill;

namespace {

// A caption as a person reads it: without its mnemonic mark and the dots
// of an entry that asks for more.
QString Plain(QString caption)
{
    caption.remove(QLatin1Char('&'));
    if (caption.endsWith(QStringLiteral("...")))
        caption.chop(3);
    return caption.trimmed();
}

QString DocsFolder()
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../docs"));
}

} // namespace

class ManualCaptionsTest : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionTheDocumentsNameIsShown()
    {
        test::GuiFixture fixture;
        TMainForm& main = *fixture.window;
        main.designer();
        main.cuttingDiagrams();
        main.jobWindow();
        main.stockListing();
        for (const ViewKind kind :
             {ViewKind::Shell, ViewKind::Side, ViewKind::Top, ViewKind::Face, ViewKind::Door, ViewKind::Drawer})
            main.constructionViews()->open(kind)->hide();
        main.raisedPanelDesigner()->show()->hide();

        std::set<QString> shown;
        for (QWidget* widget : QApplication::allWidgets()) {
            if (widget->isWindow()) {
                // "Job - Kitchen.job[*]" is the "Job" window.
                QString title = widget->windowTitle().remove(QStringLiteral("[*]"));
                shown.insert(Plain(title.section(QStringLiteral(" - "), 0, 0)));
                shown.insert(Plain(title));
            }
            if (const auto* button = qobject_cast<QAbstractButton*>(widget))
                shown.insert(Plain(button->text()));
            if (const auto* menu = qobject_cast<QMenu*>(widget))
                shown.insert(Plain(menu->title()));
            for (const QAction* action : widget->actions())
                shown.insert(Plain(action->text()));
        }
        for (const QAction* action : main.findChildren<QAction*>())
            shown.insert(Plain(action->text()));

        // The documents mark a caption of a window, a menu entry or a button
        // as bold quoted text: **"Save Cabinet As..."**.
        static const QRegularExpression quoted(QStringLiteral("\\*\\*\"([^\"\\n]+)\"\\*\\*"));
        // Where a menu path leads or a press goes, or what is called a
        // button, window or menu, is a caption and must be marked as one.
        static const QRegularExpression unmarked(
            QStringLiteral("(> |[Pp]ress )\"[^\"\\n]+\"|(?<!\\*)\"[^\"\\n]+\" (button|window|menu)\\b"));
        QStringList faults;
        QStringList documents;
        for (const QString& folder : {QStringLiteral("manual"), QStringLiteral("readme")})
            for (const QFileInfo& info : QDir(DocsFolder() + QLatin1Char('/') + folder)
                                             .entryInfoList({QStringLiteral("*.md")}, QDir::Files, QDir::Name))
                documents << info.filePath();
        QVERIFY(documents.size() > 10);
        for (const QString& document : documents) {
            QFile file(document);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (const auto& match : unmarked.globalMatch(text))
                faults << QFileInfo(file.fileName()).fileName() + QStringLiteral(": not marked as a caption: ") +
                              match.captured(0);
            for (const auto& match : quoted.globalMatch(text)) {
                const QString caption = Plain(match.captured(1));
                if (!shown.contains(caption))
                    faults << QFileInfo(file.fileName()).fileName() + QStringLiteral(": ") + caption;
            }
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        fixture.window->close();
    }
};

QTEST_MAIN(ManualCaptionsTest)
#include "ManualCaptionsTest.moc"
