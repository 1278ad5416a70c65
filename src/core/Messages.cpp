// SPDX-License-Identifier: GPL-3.0-or-later
#include "Messages.h"

namespace boxmill {

void Tell(Prompter& prompter, const Messages& messages)
{
    for (const Message& message : messages)
        prompter.message(message.kind, message.text);
}

} // namespace boxmill
