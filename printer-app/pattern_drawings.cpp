// Sizes in the dialog's units (its template draws each line as a one-unit black frame), drawn
// at twice that size.
#include "pattern_drawings.h"

namespace {

constexpr int kScale = 2;
constexpr int kBoxWidth = 10, kBoxHeight = 18; // the largest pattern; every drawing takes this room

struct Line {
    int x, y, width, height;
};

struct Pattern {
    char group;
    Line first, second;
};

const Pattern kPatterns[] = {
    {'A', {0, 7, 10, 1}, {0, 11, 10, 1}},
    {'B', {2, 1, 1, 16}, {6, 1, 1, 16}},
    {'C', {0, 7, 10, 1}, {0, 11, 10, 1}},
    {'D', {2, 1, 1, 16}, {6, 1, 1, 16}},
    {'E', {2, 0, 1, 18}, {6, 0, 1, 18}},
};

std::string Rect(const Line& line)
{
    return "<rect x=\"" + std::to_string(line.x) + "\" y=\"" + std::to_string(line.y) + "\" width=\"" +
           std::to_string(line.width) + "\" height=\"" + std::to_string(line.height) + "\"/>";
}

} // namespace

std::string PatternDrawing(char group)
{
    for (const Pattern& pattern : kPatterns)
        if (pattern.group == group)
            return "<svg class=\"qz-pattern\" width=\"" + std::to_string(kBoxWidth * kScale) + "\" height=\"" +
                   std::to_string(kBoxHeight * kScale) + "\" viewBox=\"0 0 " + std::to_string(kBoxWidth) + " " +
                   std::to_string(kBoxHeight) + "\" aria-hidden=\"true\">" + Rect(pattern.first) +
                   Rect(pattern.second) + "</svg>";
    return "";
}
