// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Prompter.h"

class QWidget;

namespace boxmill {

// Modal message boxes, parented to the window the user is working in.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParent(QWidget* parent) { m_parent = parent; }

    void message(MessageKind kind, std::string_view text) override;
    bool ask(MessageKind kind, std::string_view text, QuestionButtons buttons) override;
    SaveChoice askToSave(std::string_view text) override;

private:
    QWidget* owner() const;
    QWidget* m_parent;
};

} // namespace boxmill
