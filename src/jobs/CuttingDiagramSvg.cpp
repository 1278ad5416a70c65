// SPDX-License-Identifier: GPL-3.0-or-later
#include "CuttingDiagramSvg.h"

#include "designer/FaceDrawingSvg.h"

#include <algorithm>
#include <cstddef>

namespace boxmill {

namespace {

constexpr int kGap = 2 * kDiagramUnitsPerInch;
// A bold title and the summary line under it.
constexpr int kTitleHeight = 4 * kDiagramUnitsPerInch;
constexpr int kListFont = kDiagramUnitsPerInch + kDiagramUnitsPerInch / 4;
constexpr int kListWidth = 50 * kDiagramUnitsPerInch;
constexpr int kMarkFont = kDiagramUnitsPerInch;
// An average glyph of a sans-serif font against its size: enough to keep a
// label inside its part without measuring text.
constexpr double kGlyphWidth = 0.6;
constexpr double kLargestLabel = 2.0 * kDiagramUnitsPerInch;
constexpr double kSmallestLabel = 0.4 * kDiagramUnitsPerInch;

std::string SvgRect(const Shape& shape, std::string_view style)
{
    return "<rect x=\"" + std::to_string(shape.left) + "\" y=\"" + std::to_string(shape.top) + "\" width=\"" +
           std::to_string(shape.width) + "\" height=\"" + std::to_string(shape.height) + "\" " + std::string(style) +
           "><title>" + SvgEscaped(shape.hint) + "</title></rect>\n";
}

std::string Text(int x, int y, double size, std::string_view text, std::string_view extra = {})
{
    return "<text x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" font-size=\"" +
           std::to_string(static_cast<int>(size)) + "\"" + std::string(extra) + ">" + SvgEscaped(text) + "</text>\n";
}

// The lines that fit, from the part's name outwards, at the largest size
// that keeps them inside the part.
std::string Label(const DiagramLabel& label)
{
    const double along = label.turned ? label.height : label.width;
    const double across = label.turned ? label.width : label.height;
    std::vector<std::string> lines = label.lines;
    double size = 0.0;
    while (!lines.empty()) {
        std::size_t longest = 0;
        for (const auto& line : lines)
            longest = std::max(longest, line.size());
        size = std::min({kLargestLabel, 0.9 * along / (kGlyphWidth * static_cast<double>(longest)),
                         0.8 * across / (1.2 * static_cast<double>(lines.size()))});
        if (size >= kSmallestLabel)
            break;
        // The size goes first, then the cabinet: the part's name is what
        // the sawyer writes on it.
        lines.erase(lines.size() == 3 ? lines.begin() + 2 : lines.size() == 2 ? lines.begin() : lines.end() - 1);
    }
    if (lines.empty())
        return {};
    const int cx = label.left + label.width / 2;
    const int cy = label.top + label.height / 2;
    std::string out = "<g transform=\"translate(" + std::to_string(cx) + " " + std::to_string(cy) + ")" +
                      (label.turned ? " rotate(-90)" : "") + "\">\n";
    const double first = -(static_cast<double>(lines.size()) - 1.0) * 0.6 * size;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int y = static_cast<int>(first + static_cast<double>(i) * 1.2 * size + 0.35 * size);
        out += Text(0, y, size, lines[i], " text-anchor=\"middle\"");
    }
    return out + "</g>\n";
}

int DiagramHeight(const CuttingDiagram& diagram)
{
    const std::size_t listLines = 2 + diagram.cutSteps.size() + diagram.offcutLines.size();
    return kTitleHeight + std::max(diagram.sheetHeight, static_cast<int>(listLines) * kListFont * 6 / 5);
}

} // namespace

std::string CuttingDiagramsSvg(const std::vector<CuttingDiagram>& diagrams)
{
    int width = 0;
    int height = 0;
    for (const auto& diagram : diagrams) {
        width = std::max(width, diagram.sheetWidth + kGap + kListWidth);
        height += DiagramHeight(diagram) + kGap;
    }
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" +
                      std::to_string(-kGap) + " " + std::to_string(-kGap) + " " + std::to_string(width + 2 * kGap) +
                      " " + std::to_string(height + kGap) +
                      "\" font-family=\"DejaVu Sans, sans-serif\">\n"
                      "<defs><pattern id=\"offcut\" width=\"24\" height=\"24\" patternUnits=\"userSpaceOnUse\" "
                      "patternTransform=\"rotate(45)\"><line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"24\" stroke=\"#777\" "
                      "stroke-width=\"3\"/></pattern></defs>\n";
    int top = 0;
    for (const auto& diagram : diagrams) {
        out += "<g transform=\"translate(0 " + std::to_string(top) + ")\">\n";
        out += Text(0, kListFont * 3 / 2, kListFont * 1.5, diagram.title, " font-weight=\"bold\"");
        out += Text(0, kTitleHeight - kListFont / 2, kListFont, diagram.summary);
        out += "<g transform=\"translate(0 " + std::to_string(kTitleHeight) + ")\">\n";
        // Between the parts lies waste: the sheet is grey, the parts white.
        const auto& shapes = diagram.shapes.shapes;
        for (std::size_t i = 0; i < shapes.size(); ++i)
            out += SvgRect(shapes[i], i == 0 ? "fill=\"#ddd\" stroke=\"black\" stroke-width=\"4\""
                                             : "fill=\"white\" stroke=\"black\" stroke-width=\"3\"");
        for (const auto& offcut : diagram.offcuts)
            out +=
                SvgRect(offcut, "fill=\"url(#offcut)\" stroke=\"#555\" stroke-width=\"2\" stroke-dasharray=\"12 8\"");
        for (const auto& label : diagram.labels)
            out += Label(label);
        for (const auto& mark : diagram.marks) {
            const int x = mark.rip ? -kMarkFont : mark.x;
            out += "<circle cx=\"" + std::to_string(x) + "\" cy=\"" + std::to_string(mark.y) + "\" r=\"" +
                   std::to_string(kMarkFont * 2 / 3) + "\" fill=\"#c00\"/>\n";
            out += Text(x, mark.y + kMarkFont / 3, kMarkFont, std::to_string(mark.step),
                        " fill=\"white\" text-anchor=\"middle\"");
        }
        int y = kListFont;
        const int x = diagram.sheetWidth + kGap;
        for (const auto& step : diagram.cutSteps) {
            out += Text(x, y, kListFont, step);
            y += kListFont * 6 / 5;
        }
        y += kListFont / 2;
        for (const auto& offcut : diagram.offcutLines) {
            out += Text(x, y, kListFont, offcut);
            y += kListFont * 6 / 5;
        }
        out += "</g>\n</g>\n";
        top += DiagramHeight(diagram) + kGap;
    }
    return out + "</svg>\n";
}

} // namespace boxmill
