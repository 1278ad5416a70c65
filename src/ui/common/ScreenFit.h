// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QWidget;

namespace boxmill {

// The largest size the inside of top-level `window` may take so that the
// window, its frame included, fits the free area of its screen (the screen
// less panels and docks).
QSize LargestClientSize(const QWidget* window);

// Shrinks `window` to fit the free area of its screen where it is larger,
// and moves it into that area where it lies partly outside.
void KeepWithinScreen(QWidget* window);

// Does the same each time `window` is shown, once more when the window
// system has put its frame around it, so that its title bar, which the
// user moves it by, is never out of reach.
void KeepWithinScreenWhenShown(QWidget* window);

} // namespace boxmill
