// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of edit the latency benchmark times, made through the windows
// with every window open: what each window then shows must be what a second
// set of the same windows, made afresh, shows of the model. A window that
// skipped a refresh to save time shows a stale value and fails here.
#include "LatencyWorld.h"

#include "app/MainForm.h"
#include "ui/common/ShapeCanvas.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include <map>

namespace boxmill::test {

namespace {

using Screen = std::map<QString, QString>;

QString TableText(const QTableWidget* table)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        if (const auto* header = table->horizontalHeaderItem(column))
            cells << header->text();
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column)
            cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return cells.join(QLatin1Char('|'));
}

QString ListText(const QListWidget* list)
{
    QStringList rows;
    for (int row = 0; row < list->count(); ++row)
        rows << list->item(row)->text() + QString::number(list->item(row)->checkState());
    return rows.join(QLatin1Char('|'));
}

QString ShapesText(const ShapeCanvas* canvas)
{
    QString text;
    for (const Shape& shape : canvas->shapes().shapes)
        text += QStringLiteral("%1 %2 %3 %4 %5 %6;")
                    .arg(QString::fromStdString(shape.name))
                    .arg(shape.left)
                    .arg(shape.top)
                    .arg(shape.width)
                    .arg(shape.height)
                    .arg(shape.visible);
    return text;
}

QString Shown(const QWidget* widget)
{
    if (!widget->isVisibleTo(widget->window()))
        return {};
    if (const auto* canvas = qobject_cast<const ShapeCanvas*>(widget))
        return ShapesText(canvas);
    if (const auto* table = qobject_cast<const QTableWidget*>(widget))
        return TableText(table);
    if (const auto* list = qobject_cast<const QListWidget*>(widget))
        return ListText(list);
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        // The wood listing's boxes show the wood selected in it, the
        // window's own state.
        if (edit->parentWidget()->objectName() == QLatin1String("WoodSelectionBox"))
            return {};
        return edit->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->objectName() == QLatin1String("FunctionName") ? QString() : label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    // The designer's mode buttons and count are the window's own state, not
    // the cabinet's.
    if (qobject_cast<const QToolButton*>(widget) || qobject_cast<const QComboBox*>(widget))
        return {};
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text() + (button->isChecked() ? QStringLiteral(" on") : QStringLiteral(" off")) +
               (button->isEnabled() ? QString() : QStringLiteral(" disabled"));
    return {};
}

// What a main window and its open windows show, widget by widget.
Screen ReadScreen(const QWidget* mainWindow)
{
    Screen screen;
    QList<const QWidget*> windows {mainWindow};
    for (const QWidget* child : mainWindow->findChildren<QWidget*>())
        if (child->isWindow() && child->isVisible())
            windows << child;
    for (const QWidget* window : windows) {
        screen[window->objectName()] = window->windowTitle();
        std::map<QString, int> seen;
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->window() != window)
                continue;
            const QString shown = Shown(widget);
            if (shown.isNull())
                continue;
            const QString name = window->objectName() + QLatin1Char('/') +
                                 QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(':') +
                                 widget->objectName();
            screen[name + QLatin1Char('#') + QString::number(seen[name]++)] = shown;
        }
    }
    return screen;
}

QString Differences(const Screen& shown, const Screen& fresh)
{
    QString text;
    for (const auto& [name, value] : fresh)
        if (auto found = shown.find(name); found == shown.end() || found->second != value)
            text += name + QStringLiteral("\n  shown: ") +
                    (found == shown.end() ? QStringLiteral("-") : found->second) + QStringLiteral("\n  fresh: ") +
                    value + QLatin1Char('\n');
    return text;
}

} // namespace

class EditReachesEveryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowShowsTheModelAfterEveryKindOfEdit()
    {
        bench::LatencyWorld world;
        QVERIFY2(world.ready(), world.failure().c_str());
        QCOMPARE(world.openWindows(), 14);
        for (const auto& kind : world.kinds()) {
            for (int i = 0; i < 2; ++i) {
                if (kind.prepare) {
                    kind.prepare(true);
                    world.settle();
                }
                const Screen before = ReadScreen(&world.mainWindow());
                kind.window(i);
                world.settle();
                world.finishPlans();
                const Screen shown = ReadScreen(&world.mainWindow());
                QVERIFY2(shown != before, kind.name);
                const auto fresh = world.openEveryWindow();
                const QString stale = Differences(shown, ReadScreen(fresh.get()));
                QVERIFY2(stale.isEmpty(), qPrintable(QString::fromLatin1(kind.name) + QLatin1Char('\n') + stale));
            }
        }
    }
};

} // namespace boxmill::test

QTEST_MAIN(boxmill::test::EditReachesEveryWindowTest)
#include "EditReachesEveryWindowTest.moc"
