// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceDrawingSvg.h"

#include "Shape.h"

#include <algorithm>
#include <limits>

namespace boxmill {

namespace {

// Keeps the outlines, which straddle the rectangles' edges, inside the box.
constexpr long long kMargin = 2;

} // namespace

std::string SvgEscaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string FaceDrawingSvg(const ShapeSet& shapes)
{
    long long minX = std::numeric_limits<long long>::max();
    long long minY = std::numeric_limits<long long>::max();
    long long maxX = std::numeric_limits<long long>::min();
    long long maxY = std::numeric_limits<long long>::min();
    bool any = false;
    for (const Shape& shape : shapes.shapes) {
        if (!shape.visible)
            continue;
        any = true;
        // SVG makes a negative size an error, so a rectangle that came out
        // with one (lengths that do not fit the cabinet) is written empty.
        minX = std::min<long long>(minX, shape.left);
        minY = std::min<long long>(minY, shape.top);
        maxX = std::max<long long>(maxX, static_cast<long long>(shape.left) + std::max(shape.width, 0));
        maxY = std::max<long long>(maxY, static_cast<long long>(shape.top) + std::max(shape.height, 0));
    }
    if (!any)
        minX = minY = maxX = maxY = 0;
    const long long boxX = minX - kMargin;
    const long long boxY = minY - kMargin;
    const long long boxWidth = maxX - minX + 2 * kMargin;
    const long long boxHeight = maxY - minY + 2 * kMargin;

    std::string out;
    out.reserve(160 * shapes.shapes.size() + 400);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"" + std::to_string(boxX) + " " +
           std::to_string(boxY) + " " + std::to_string(boxWidth) + " " + std::to_string(boxHeight) + "\" width=\"" +
           std::to_string(boxWidth) + "\" height=\"" + std::to_string(boxHeight) + "\">\n";
    out += "<g fill=\"white\" stroke=\"black\" stroke-width=\"1\">\n";
    for (const Shape& shape : shapes.shapes) {
        if (!shape.visible)
            continue;
        out += "<rect id=\"";
        out += SvgEscaped(shape.name);
        out += "\" x=\"" + std::to_string(shape.left) + "\" y=\"" + std::to_string(shape.top) + "\" width=\"" +
               std::to_string(std::max(shape.width, 0)) + "\" height=\"" + std::to_string(std::max(shape.height, 0)) +
               "\"";
        if (shape.blank)
            out += " stroke=\"none\"";
        out += "><title>";
        out += SvgEscaped(shape.hint);
        out += "</title></rect>\n";
    }
    out += "</g>\n</svg>\n";
    return out;
}

} // namespace boxmill
