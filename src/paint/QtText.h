// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace boxmill {

// The core keeps texts as the bytes its files hold; the windows convert here
// and nowhere else.
QString ToQt(std::string_view text);
std::string FromQt(const QString& text);

// A message for a box or a note, as TextForDisplay cleans it: what it
// quotes of a file or a path cannot turn it around. Show it as plain text.
QString MessageToQt(std::string_view text);

} // namespace boxmill
