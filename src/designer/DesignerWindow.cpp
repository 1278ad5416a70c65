// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignerWindow.h"

#include "FaceDrawing.h"
#include "core/CabinetModel.h"
#include "core/ParameterIndex.h"
#include "geometry/LayoutResult.h"

#include <algorithm>
#include <limits>

namespace boxmill {

namespace {
// Right of the drawing, and below it for the status bar.
constexpr int kRightMargin = 22;
constexpr int kBottomMargin = 60;

// A corrupt length can make the drawing as large as an int holds.
int Extent(int origin, int drawing, int margin)
{
    const long long extent = static_cast<long long>(origin) + drawing + margin;
    return static_cast<int>(std::min<long long>(extent, std::numeric_limits<int>::max()));
}
} // namespace

int DesignerWindowWidth(int drawingWidth, int currentWidth)
{
    const int wanted = Extent(kFaceOriginX, drawingWidth, kRightMargin);
    if (wanted > kDesignerWideWidth)
        return wanted;
    return currentWidth > kDesignerWideWidth ? kDesignerWideWidth : currentWidth;
}

int DesignerWindowHeight(int drawingHeight)
{
    const int wanted = Extent(kFaceOriginY, drawingHeight, kBottomMargin);
    return wanted < kDesignerMinHeight ? kDesignerMinHeight : wanted;
}

std::array<std::string, 4> DesignerStatusTexts(const CabinetModel& model, const LayoutResult& layout)
{
    return {
        "Height: " + FormatMeasure(model.param(Param::Height), model.units),
        "Width: " + FormatMeasure(model.param(Param::Width), model.units),
        "Depth: " + FormatMeasure(model.param(Param::Depth), model.units),
        "Section Height: " + FormatMeasure(layout.OpeningHeight, model.units),
    };
}

} // namespace boxmill
