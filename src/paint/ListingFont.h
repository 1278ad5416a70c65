// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace boxmill {

// The listings' font: Courier New, bold, 13 pixels high where it is
// installed, another fixed-pitch font elsewhere, so that padded fields line
// up as columns on screen and on paper.
QFont ListingFont();

} // namespace boxmill
