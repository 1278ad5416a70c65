// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the shell, side and top views: their drawing units, window
// sizes, status bar and the handling of their fixed sets of shapes.

#include "ConstructionView.h"
#include "core/CabinetModel.h"
#include "designer/FaceDrawing.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace boxmill::views {

// These views share the designer's origin, so that a shape copied from the
// face drawing lands where the view draws its own.
inline constexpr int kOriginX = kFaceOriginX;
inline constexpr int kOriginY = kFaceOriginY;
// Room right of and below the drawing, for the border and the status bar.
inline constexpr int kRightMargin = 22;
inline constexpr int kBottomMargin = 60;

// The model's drawing units held within the drawing limit: no sum of a few
// of them can overflow, whatever a corrupt file holds.
class Units {
public:
    explicit Units(const CabinetModel& model)
        : m_model(model)
    {
    }
    int P(int param) const
    {
        return std::clamp<int>(m_model.paramUnits[static_cast<std::size_t>(param)], -kDrawingUnitLimit,
                               kDrawingUnitLimit);
    }
    int T(int partRow) const
    {
        return std::clamp<int>(m_model.partStockUnits[static_cast<std::size_t>(partRow)], -kDrawingUnitLimit,
                               kDrawingUnitLimit);
    }

private:
    const CabinetModel& m_model;
};

// A window side that grows with its drawing (origin, drawing and margin)
// but is never less than `least`.
int AtLeast(int origin, int drawing, int margin, int least);
// A window side that takes what its drawing wants when that is more than
// `limit`, and otherwise keeps `current` unless that is more than the limit.
int GrowOrLimit(int wanted, int limit, int current);

// The four panels of a view's status bar: the cabinet's height, width and
// depth, and the zoom.
std::vector<std::string> ViewStatusTexts(const CabinetModel& model);

// One entry of a view's fixed set of shapes.
struct ShapeEntry {
    std::string name;
    std::string hint;
    std::optional<int> parameter = std::nullopt;
    bool blank = false;
};
// The set in stacking order, every shape hidden and unplaced.
ShapeSet MakeShapeSet(const std::vector<ShapeEntry>& entries);

void Place(Shape& shape, int left, int top, int width, int height, bool visible);
// Where `from` lies, and whether it shows; the name, hint and click of
// `to` stay the view's own.
void CopyPlacement(Shape& to, const Shape& from);

// A corrupt size can work out to a negative width or height; such a shape
// is not drawn, and no one may read a negative size off it.
void DropNegativeSizes(ShapeSet& shapes);

// The sections a drawing shows, 1..3 whatever the count says.
int Sections(const CabinetModel& model);

// Whether vertical divider d (0 between sections 1 and 2, 1 between 2 and
// 3) stands in the cabinet.
bool DividerShown(const CabinetModel& model, int d);

} // namespace boxmill::views
