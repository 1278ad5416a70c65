// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "QtText.h"

#include "core/CabinetSession.h"
#include "core/ParameterEntry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace boxmill {

MainWindow::MainWindow(CabinetSession& session, QWidget* parent)
    : QMainWindow(parent)
    , m_session(session)
{
    setWindowTitle(QStringLiteral("Boxmill v4.0"));
    buildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(buildDimensionSettings());
    auto* right = new QVBoxLayout;
    right->addWidget(buildCabinetStyle());
    right->addStretch();
    layout->addLayout(right);
    layout->addStretch();
    setCentralWidget(central);

    refreshFromModel();
}

void MainWindow::buildMenus()
{
    QMenu* files = menuBar()->addMenu(QStringLiteral("&Files"));
    files->addAction(QStringLiteral("New Cabinet"), this, [this] { afterFileCommand(m_session.newCabinet()); });
    files->addAction(QStringLiteral("Open Cabinet Library"), this,
                     [this] { afterFileCommand(m_session.openCabinetLibrary()); });
    files->addSeparator();
    m_saveCabinet = files->addAction(QStringLiteral("Save Cabinet"), this, [this] {
        m_session.saveCabinet();
        afterFileCommand(false);
    });
    files->addAction(QStringLiteral("Save Cabinet As..."), this, [this] {
        m_session.saveCabinetAs();
        afterFileCommand(false);
    });
    files->addAction(QStringLiteral("Save To Cabinet Library As..."), this, [this] {
        m_session.saveToLibraryAs();
        afterFileCommand(false);
    });
    files->addSeparator();
    files->addAction(QStringLiteral("Exit Boxmill"), this, [this] {
        if (m_session.confirmExit(ExitRoute::Command))
            QApplication::exit(0);
    });
}

QWidget* MainWindow::buildDimensionSettings()
{
    auto* box = new QGroupBox(QStringLiteral("Dimension Settings"), this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(QStringLiteral("Parameters"), box));
    m_parameterList = new QListWidget(box);
    m_parameterList->setObjectName(QStringLiteral("ParameterList"));
    m_parameterList->setMinimumSize(220, 360);
    layout->addWidget(m_parameterList);
    layout->addWidget(new QLabel(QStringLiteral("Parameter Value"), box));

    auto* entry = new QHBoxLayout;
    m_inches = new QLineEdit(box);
    m_inches->setObjectName(QStringLiteral("Inches"));
    m_fraction = new QLineEdit(box);
    m_fraction->setObjectName(QStringLiteral("Fraction"));
    m_fraction->setMaxLength(5);
    m_fraction->setFixedWidth(56);
    m_millimetre = new QLabel(QStringLiteral("mm"), box);
    m_enter = new QPushButton(QStringLiteral("Enter"), box);
    m_enter->setObjectName(QStringLiteral("EnterParameter"));
    m_enter->setToolTip(QStringLiteral("Enter Parameter"));
    entry->addWidget(m_inches);
    entry->addWidget(m_fraction);
    entry->addWidget(m_millimetre);
    entry->addWidget(m_enter);
    entry->addStretch();
    layout->addLayout(entry);

    connect(m_parameterList, &QListWidget::currentRowChanged, this, [this] { showSelectedParameter(); });
    connect(m_enter, &QPushButton::clicked, this, [this] { enterParameter(); });
    connect(m_fraction, &QLineEdit::returnPressed, this, [this] { enterParameter(); });
    connect(m_inches, &QLineEdit::returnPressed, this, [this] { enterParameter(); });
    return box;
}

QWidget* MainWindow::buildCabinetStyle()
{
    auto* box = new QGroupBox(QStringLiteral("Cabinet Style"), this);
    auto* layout = new QVBoxLayout(box);
    m_cabinetStyle = new QLineEdit(ToQt(kInitialCabinetStyle), box);
    m_cabinetStyle->setObjectName(QStringLiteral("CabinetStyle"));
    m_cabinetStyle->setReadOnly(true);
    m_cabinetStyle->setMinimumWidth(200);
    layout->addWidget(m_cabinetStyle);
    return box;
}

void MainWindow::applyUnitMode()
{
    const bool metric = m_session.model.units == UnitMode::Metric;
    m_fraction->setVisible(!metric);
    m_millimetre->setVisible(metric);
    m_inches->setMaxLength(metric ? 4 : 3);
    m_inches->setFixedWidth(metric ? 52 : 40);
}

void MainWindow::refreshFromModel()
{
    applyUnitMode();
    // The first fill selects the list's first entry; later fills keep the
    // parameter the user was looking at.
    const int selected = m_parameterList->count() > 0 ? selectedParameter() : -1;
    m_parameterList->blockSignals(true);
    m_parameterList->clear();
    for (const auto& name : m_session.data.vocabulary.sortedParameters())
        m_parameterList->addItem(ToQt(name));
    m_parameterList->blockSignals(false);
    if (m_parameterList->count() > 0) {
        if (selected >= 0)
            selectParameterByPosition(selected);
        if (m_parameterList->currentRow() < 0)
            m_parameterList->setCurrentRow(0);
    }
    showSelectedParameter();
    const bool untitled = m_session.model.folders.cabinetName == "Untitled.cab" && !m_session.model.saveCabinetEnabled;
    m_cabinetStyle->setText(untitled && m_session.model.folders.cabinetFolder.filename() == "Base"
                                ? ToQt(kInitialCabinetStyle)
                                : ToQt(m_session.model.folders.cabinetName));
    m_saveCabinet->setEnabled(m_session.model.saveCabinetEnabled);
}

int MainWindow::selectedParameter() const
{
    const auto* item = m_parameterList->currentItem();
    if (!item)
        return -1;
    return m_session.data.vocabulary.parameterIndexOfName(FromQt(item->text())).value_or(-1);
}

void MainWindow::selectParameterByPosition(int index)
{
    if (const auto row = m_session.data.vocabulary.sortedRowOfParameter(index))
        m_parameterList->setCurrentRow(*row);
}

void MainWindow::showSelectedParameter()
{
    m_inches->clear();
    m_fraction->clear();
    const int index = selectedParameter();
    if (index < 0)
        return;
    const auto text = ShowParameter(m_session.model, index);
    m_inches->setText(ToQt(text.inches));
    m_fraction->setText(ToQt(text.fraction));
}

void MainWindow::enterParameter()
{
    const int index = selectedParameter();
    if (index < 0)
        return;
    EnterParameter(m_session.model, index, {FromQt(m_inches->text()), FromQt(m_fraction->text())},
                   m_session.prompter());
    m_session.recalculate();
    showSelectedParameter();
}

void MainWindow::afterFileCommand(bool cabinetReplaced)
{
    if (cabinetReplaced)
        refreshFromModel();
    m_cabinetStyle->setText(ToQt(m_session.model.folders.cabinetName));
    m_saveCabinet->setEnabled(m_session.model.saveCabinetEnabled);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_session.confirmExit(ExitRoute::WindowClose))
        event->accept();
    else
        event->ignore();
}

} // namespace boxmill
