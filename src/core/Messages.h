// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Prompter.h"

#include <iterator>
#include <string>
#include <vector>

namespace boxmill {

// What a computation has to tell the user, kept with its result: the
// computation cannot know whether the user asked for it (a build) or it
// runs behind the user's back (figures brought up to date after an edit),
// so only its caller decides whether, when and how to show it.
struct Message {
    MessageKind kind = MessageKind::Information;
    std::string text;

    friend bool operator==(const Message&, const Message&) = default;
};
using Messages = std::vector<Message>;

template <typename T> struct WithMessages {
    T value;
    Messages messages;
};

// `more` told after what `messages` already holds.
inline void Append(Messages& messages, Messages more)
{
    messages.insert(messages.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

// Each message in turn, as a box or a line of standard error.
void Tell(Prompter& prompter, const Messages& messages);

} // namespace boxmill
