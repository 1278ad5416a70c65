// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditingForm.h"

#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"
#include "ui/common/PlainCellDelegate.h"
#include "ui/common/SessionController.h"
#include "ui/common/ToolIcons.h"

#include "core/RecordFieldNames.h"
#include "session/CabinetSession.h"
#include "session/EditCommands.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace boxmill {

namespace {

QStringList Captions(const char* part, int perSection, const char* spacing)
{
    QStringList captions;
    for (const char letter : kSectionLetters)
        for (int d = 1; d <= perSection; ++d)
            captions << QStringLiteral("%1%2%3%4Enabled")
                            .arg(QString::fromLatin1(part))
                            .arg(d)
                            .arg(QLatin1Char(letter))
                            .arg(QString::fromLatin1(spacing));
    return captions;
}

QStringList PanelCaptions()
{
    return {QStringLiteral("PanelsA  Enabled"), QStringLiteral("PanelsAP Enabled"), QStringLiteral("PanelsB  Enabled"),
            QStringLiteral("PanelsBP Enabled"), QStringLiteral("PanelsC  Enabled"), QStringLiteral("PanelsCP Enabled")};
}

} // namespace

TEditingForm::TEditingForm(SessionController& controller, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , m_controller(controller)
{
    setWindowTitle(QStringLiteral("Cabinet Editing"));
    setObjectName(QStringLiteral("EditingForm"));
    // Anywhere in the window: its controls have no topics of their own.
    SetHelpKey(this, "Cabinet Editing:");
    setModal(true);

    auto* lists = new QGroupBox(QStringLiteral("Drawers/Faces/Panels"), this);
    auto* listsLayout = new QHBoxLayout(lists);
    m_drawer = makeList("Drawer", RecordOffset::DrawerEnabled, 12, Captions("Drawer", 4, " "));
    m_face = makeList("Face", RecordOffset::FaceEnabled, 12, Captions("Face", 4, "   "));
    m_panel = makeList("Panel", RecordOffset::PanelEnabled, 6, PanelCaptions());
    for (auto* list : {m_drawer, m_face, m_panel})
        listsLayout->addWidget(list);
    // Pressing a row of one drawer list shows the same drawer in the other.
    connect(m_drawer, &QListWidget::currentRowChanged, m_face, [this](int row) { m_face->setCurrentRow(row); });
    connect(m_face, &QListWidget::currentRowChanged, m_drawer, [this](int row) { m_drawer->setCurrentRow(row); });

    auto* locator = new QGroupBox(QStringLiteral("Parts Locator"), this);
    auto* locatorLayout = new QHBoxLayout(locator);
    locatorLayout->addWidget(new QLabel(QStringLiteral("Section #"), locator));
    m_sectionNumber = new QLabel(QStringLiteral("1"), locator);
    m_sectionNumber->setObjectName(QStringLiteral("SectionNumber"));
    locatorLayout->addWidget(m_sectionNumber);
    auto* back = new QPushButton(QStringLiteral("Back"), locator);
    back->setObjectName(QStringLiteral("BackSection"));
    back->setToolTip(QStringLiteral("Back Section"));
    auto* next = new QPushButton(QStringLiteral("Next"), locator);
    next->setObjectName(QStringLiteral("NextSection"));
    next->setToolTip(QStringLiteral("Next Section"));
    locatorLayout->addWidget(back);
    locatorLayout->addWidget(next);
    connect(back, &QPushButton::clicked, this, &TEditingForm::backSection);
    connect(next, &QPushButton::clicked, this, &TEditingForm::nextSection);

    auto* exit = new QGroupBox(QStringLiteral("Exit Options"), this);
    auto* exitLayout = new QHBoxLayout(exit);
    auto* save = new QPushButton(ToolIcon(ToolGlyph::SaveAs), QStringLiteral("Save"), exit);
    save->setObjectName(QStringLiteral("SaveCabinet"));
    save->setToolTip(QStringLiteral("Save Cabinet Editing"));
    auto* close = new QPushButton(ToolIcon(ToolGlyph::Close), QStringLiteral("Close"), exit);
    close->setObjectName(QStringLiteral("ExitEditing"));
    close->setToolTip(QStringLiteral("Exit Cabinet Editing"));
    exitLayout->addWidget(save);
    exitLayout->addWidget(close);
    connect(save, &QPushButton::clicked, this, [this] {
        if (m_save)
            m_save();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(locator);
    bottom->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lists);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    reload();
}

QListWidget* TEditingForm::makeList(const char* name, int firstOffset, int count, const QStringList& captions)
{
    auto* list = new QListWidget(this);
    UsePlainCells(list);
    list->setObjectName(QString::fromLatin1(name));
    list->setFont(QFont(QStringLiteral("Monospace")));
    for (int i = 0; i < count; ++i) {
        auto* item = new QListWidgetItem(captions.value(i), list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    list->setFixedSize(list->sizeHintForColumn(0) + 36, list->sizeHintForRow(0) * count + 2 * list->frameWidth() + 4);
    connect(list, &QListWidget::itemChanged, this, [this, list, firstOffset](QListWidgetItem* item) {
        const bool checked = item->checkState() == Qt::Checked;
        const int offset = firstOffset + list->row(item);
        EditRecordFlag(m_controller.commands(), offset, checked, FromQt(item->text().simplified()));
    });
    return list;
}

void TEditingForm::reload()
{
    const auto& record = m_controller.session().model().record;
    const std::pair<QListWidget*, int> lists[] = {{m_drawer, RecordOffset::DrawerEnabled},
                                                  {m_face, RecordOffset::FaceEnabled},
                                                  {m_panel, RecordOffset::PanelEnabled}};
    for (const auto& [list, offset] : lists) {
        const QSignalBlocker blocker(list);
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setCheckState(record.flag(offset + i) ? Qt::Checked : Qt::Unchecked);
    }
}

void TEditingForm::showEvent(QShowEvent* event)
{
    reload();
    m_section = 1;
    m_sectionNumber->setText(QStringLiteral("1"));
    selectRows(0, 0);
    QDialog::showEvent(event);
}

void TEditingForm::selectRows(int drawerRow, int panelRow)
{
    m_drawer->setCurrentRow(drawerRow);
    m_face->setCurrentRow(drawerRow);
    m_panel->setCurrentRow(panelRow);
}

// The locator only scrolls a section's rows into view: it goes to the last
// rows of the section when moving forward and to its first rows when moving
// back, so that the whole section shows either way.
void TEditingForm::nextSection()
{
    m_section = std::min(m_section + 1, 3);
    m_sectionNumber->setText(QString::number(m_section));
    selectRows(4 * m_section - 1, 2 * m_section - 1);
}

void TEditingForm::backSection()
{
    m_section = std::max(m_section - 1, 1);
    m_sectionNumber->setText(QString::number(m_section));
    selectRows(4 * (m_section - 1), 2 * m_section - 2);
}

} // namespace boxmill
