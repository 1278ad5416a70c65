// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtFileDialogs.h"

#include "QtText.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

namespace boxmill {

QString QtFilterOf(const std::string& filter)
{
    const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    return filters.join(QStringLiteral(";;"));
}

namespace {

std::optional<std::filesystem::path> Run(QWidget* parent, const FileDialogRequest& request, bool save)
{
    // Owned by the window the user works in, which gets the focus back.
    if (QWidget* active = QApplication::activeWindow())
        parent = active;
    QFileDialog dialog(parent, ToQt(request.title), QFile::decodeName(request.initialFolder.c_str()),
                       QtFilterOf(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultExtension.empty())
        dialog.setDefaultSuffix(ToQt(request.defaultExtension));
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.fileName.empty())
        dialog.selectFile(ToQt(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString());
}

} // namespace

std::optional<std::filesystem::path> QtFileDialogs::openFile(const FileDialogRequest& request)
{
    return Run(m_parent, request, false);
}

std::optional<std::filesystem::path> QtFileDialogs::saveFile(const FileDialogRequest& request)
{
    return Run(m_parent, request, true);
}

} // namespace boxmill
