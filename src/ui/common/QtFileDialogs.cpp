// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtFileDialogs.h"

#include "paint/QtText.h"

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

enum class Choose { OneFile, Files, SaveFile };

std::vector<std::filesystem::path> Run(QWidget* parent, const FileDialogRequest& request, Choose choose)
{
    const bool save = choose == Choose::SaveFile;
    // Owned by the window the user works in, which gets the focus back.
    if (QWidget* active = QApplication::activeWindow())
        parent = active;
    QFileDialog dialog(parent, ToQt(request.title), QFile::decodeName(request.initialFolder.c_str()),
                       QtFilterOf(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save                      ? QFileDialog::AnyFile
                       : choose == Choose::Files ? QFileDialog::ExistingFiles
                                                 : QFileDialog::ExistingFile);
    if (!request.defaultExtension.empty())
        dialog.setDefaultSuffix(ToQt(request.defaultExtension));
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.fileName.empty())
        dialog.selectFile(ToQt(request.fileName));
    std::vector<std::filesystem::path> chosen;
    if (dialog.exec() != QDialog::Accepted)
        return chosen;
    for (const QString& file : dialog.selectedFiles())
        chosen.emplace_back(QFile::encodeName(file).toStdString());
    return chosen;
}

std::optional<std::filesystem::path> First(std::vector<std::filesystem::path> chosen)
{
    if (chosen.empty())
        return std::nullopt;
    return std::move(chosen.front());
}

} // namespace

std::optional<std::filesystem::path> QtFileDialogs::openFile(const FileDialogRequest& request)
{
    return First(Run(m_parent, request, Choose::OneFile));
}

std::optional<std::filesystem::path> QtFileDialogs::saveFile(const FileDialogRequest& request)
{
    return First(Run(m_parent, request, Choose::SaveFile));
}

std::vector<std::filesystem::path> QtFileDialogs::openFiles(const FileDialogRequest& request)
{
    return Run(m_parent, request, Choose::Files);
}

} // namespace boxmill
