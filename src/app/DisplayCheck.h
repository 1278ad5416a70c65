// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace boxmill {

inline constexpr const char* kLargeFontsMessage =
    "Boxmill cannot run with the display settings at \"Large Fonts.\" Click the Start Button, select Settings then "
    "Control Panel. Click the Display Icon. Select Settings Tab. In the box that says Fonts set this to \"SMALL "
    "FONTS\" and click apply.";

// The drawings are laid out in device-independent pixels, which Qt scales
// for high-resolution screens by itself; what they cannot take is text
// scaled far beyond the drawing (huge font settings), which would cover the
// drawings' labels. So the check is on the font scale alone: logical dots
// per inch against the device pixel ratio, within 0.75 to 2 times 96.
bool DisplaySupported(double logicalDotsPerInch, double devicePixelRatio);

} // namespace boxmill
