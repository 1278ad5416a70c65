// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for Boxmill's start-up: the least a Qt program with a main
// window and a table must do before its window shows. Ends once it has
// shown, as Boxmill does when timed.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTableWidget>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Files"));
    auto* table = new QTableWidget(20, 4, &window);
    window.setCentralWidget(table);
    window.showMaximized();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
