// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintForm.h"

#include "core/Prompter.h"
#include "paint/ListingFont.h"
#include "paint/QtText.h"
#include "ui/common/HelpRequests.h"

#include <QComboBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace boxmill {

namespace {

// The sizes a listing still fits the paper's width with.
constexpr double kLargestFontSize = 15;

template <std::size_t N>
QComboBox* MakeList(const std::array<std::string_view, N>& items, const char* name, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const auto item : items)
        list->addItem(ToQt(item));
    return list;
}

std::optional<QFont> AskForFont(const QFont& current, QWidget* parent)
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, current, parent, QStringLiteral("Select New Font"));
    return chosen ? std::optional<QFont>(font) : std::nullopt;
}

} // namespace

TPrintForm::TPrintForm(std::filesystem::path programFolder, Prompter& prompter, QWidget* parent)
    : QDialog(parent)
    , m_programFolder(std::move(programFolder))
    , m_prompter(prompter)
    , m_font(ListingFont())
    , m_chooseFont(AskForFont)
{
    setWindowTitle(QStringLiteral("Print View Options"));
    setObjectName(QStringLiteral("PrintForm"));
    // Anywhere in the window: its controls have no topics of their own.
    SetHelpKey(this, "Print View Options:");
    setModal(true);

    m_zoom = MakeList(kZoomItems, "Zoom", this);
    m_gap = MakeList(kGapItems, "CabinetGap", this);
    auto* fonts = new QPushButton(QStringLiteral("Fonts"), this);
    fonts->setObjectName(QStringLiteral("FontSelect"));
    fonts->setToolTip(QStringLiteral("Select New Font"));
    connect(fonts, &QPushButton::clicked, this, &TPrintForm::selectFont);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("SaveSettings"));
    close->setToolTip(QStringLiteral("Save Settings And Exit"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Zoom"), this), 0, 0);
    grid->addWidget(m_zoom, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Space"), this), 0, 1);
    grid->addWidget(m_gap, 1, 1);
    const char* advice[][2] = {{"Dot matrix printers.", "Cab Zoom 2.0----2.5"},
                               {"Laser printers.", "Cab Zoom 3.0----5.0"},
                               {"Line space.", "Where optimal."}};
    int row = 2;
    for (const auto& [first, second] : advice) {
        grid->addWidget(new QLabel(QString::fromLatin1(first), this), row, 0);
        grid->addWidget(new QLabel(QString::fromLatin1(second), this), row++, 1);
    }
    grid->addWidget(fonts, row, 0);
    grid->addWidget(close, row, 1);
}

void TPrintForm::execWithSavedSettings()
{
    const auto saved = ReadPrintOptions(m_programFolder);
    if (saved) {
        m_zoom->setCurrentIndex(saved->zoomIndex);
        m_gap->setCurrentIndex(saved->gapIndex);
    } else {
        // The window still opens, so that closing it writes a sound file.
        m_prompter.message(MessageKind::Error, saved.error());
    }
    exec();
}

PrintSettings TPrintForm::settings() const
{
    return {std::max(m_zoom->currentIndex(), 0), std::max(m_gap->currentIndex(), 0)};
}

void TPrintForm::selectFont()
{
    auto chosen = m_chooseFont(m_font, this);
    if (!chosen)
        return;
    if (chosen->pointSizeF() > kLargestFontSize)
        chosen->setPointSizeF(kLargestFontSize);
    m_font = *chosen;
}

void TPrintForm::done(int result)
{
    if (const auto written = WritePrintOptions(m_programFolder, settings()); !written)
        m_prompter.message(MessageKind::Error, written.error());
    QDialog::done(result);
}

} // namespace boxmill
