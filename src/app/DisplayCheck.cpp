// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayCheck.h"

namespace boxmill {

bool DisplaySupported(double logicalDotsPerInch, double devicePixelRatio)
{
    if (!(devicePixelRatio > 0.0) || !(logicalDotsPerInch > 0.0))
        return true; // a platform that reports nothing has nothing to refuse
    const double fontScale = logicalDotsPerInch / (96.0 * devicePixelRatio);
    // Qt already folds the screen scale into the device pixel ratio on most
    // platforms; where it reports the scale as logical DPI instead, accept
    // it as well.
    const double plainScale = logicalDotsPerInch / 96.0;
    const auto acceptable = [](double scale) { return scale >= 0.75 && scale <= 2.0; };
    return acceptable(fontScale) || acceptable(plainScale);
}

} // namespace boxmill
