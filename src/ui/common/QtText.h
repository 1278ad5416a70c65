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

} // namespace boxmill
