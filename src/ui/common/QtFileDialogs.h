// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FileDialogs.h"

#include <QString>

class QWidget;

namespace boxmill {

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParent(QWidget* parent) { m_parent = parent; }

    std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) override;
    std::vector<std::filesystem::path> openFiles(const FileDialogRequest& request) override;

private:
    QWidget* m_parent;
};

// "Boxmill cabinet|*.cab" in the form Qt's dialogs take: "Boxmill cabinet (*.cab)".
QString QtFilterOf(const std::string& filter);

} // namespace boxmill
