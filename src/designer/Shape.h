// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace boxmill {

// One named rectangle of a drawing, in drawing units with the drawing's
// origin included: what the window paints, what its tool tip says, and
// which dimension parameter a click on it selects.
struct Shape {
    std::string name; // "LeftSide", "Door1A", "MidRail2B" ...
    std::string hint; // "Left Side", "Door Panel" ...
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    std::optional<int> parameter; // index in Dims.dat order
    // Drawn without an outline, to hide the line between two parts that
    // read as one board.
    bool blank = false;

    friend bool operator==(const Shape&, const Shape&) = default;
};

// Whether a shape is painted at all: a shape that came out with no size
// (lengths that do not fit the cabinet) is shown nowhere.
bool ShapeDrawn(const Shape& shape);

// Every shape of a drawing in stacking order: later shapes cover earlier
// ones, and a click goes to the topmost visible shape under the pointer.
struct ShapeSet {
    std::vector<Shape> shapes;

    const Shape* find(const std::string& name) const;
    Shape* find(const std::string& name);
    // The topmost visible shape containing the point, if any.
    const Shape* shapeAt(int x, int y) const;

    friend bool operator==(const ShapeSet&, const ShapeSet&) = default;
};

// The smallest rectangle, in drawing units, around every shape that is
// drawn: what a window scrolls over, a page is fitted to and a dimension
// line measures.
struct DrawnExtent {
    long long left = 0;
    long long top = 0;
    long long right = 0;
    long long bottom = 0;
    bool empty = true;

    long long width() const { return empty ? 0 : right - left; }
    long long height() const { return empty ? 0 : bottom - top; }
};
DrawnExtent ExtentOf(const ShapeSet& shapes);

} // namespace boxmill
