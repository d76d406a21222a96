#pragma once

#include "lesson/rgb_value.h"

#include <cstdint>
#include <string>

namespace velnorit::lesson {

// The kinds of drawing operation of a picture area, shared by its retained
// drawing and by the board of a lesson file.
enum class OpKind : std::uint8_t { Line, Box, FilledBox, Circle, Dot, Text };

// One operation that the blackboard tools drew on the graph, in the graph's user units
// (x the denominator, y the value), as it stands in the graph's retained drawing.
// Coordinates a kind does not use are 0 (Dot and Text use x1, y1; Circle x1, y1 and
// the radius x2), fontSize is 0 and text empty for all kinds but Text.
struct BoardOp {
    OpKind kind = OpKind::Line;
    std::uint8_t width = 1;
    RgbValue color = 0;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float fontSize = 0; // Text only
    std::string text;   // Text only, UTF-8
    bool operator==(const BoardOp&) const = default;
};

} // namespace velnorit::lesson
