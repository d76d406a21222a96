#pragma once

// The part of the number plane the graph and its legend show, in their user
// units: denominators across, values up. redraw sets the scales from these,
// the scroll bars' handlers the labels and the zoom.
namespace velnorit::view::graph_window {

// The zoom: the scale yScale is kZoomTop / kZoomBase^k for the value k of
// the bar "Maßstab", and the graph shows the target ± yScale / kHalfHeights.
inline constexpr double kZoomTop = 100;
inline constexpr double kZoomBase = 1.4;
inline constexpr double kHalfHeights = 100;

// The window of denominators: it moves by kStep per step of the bar below
// the graph; its first label is the first denominator, its last label lies
// kSpan denominators further on.
inline constexpr int kStep = 500;
inline constexpr int kSpan = 700;
// The graph reaches kLeftMargin denominators before the first one (room for
// the left marks) and one denominator past the last label.
inline constexpr double kLeftMargin = 5.7;
inline constexpr double kRightEdge = kSpan + 1;

// The legend beside the graph: its left and right edge, and where its texts
// and the target's value start.
inline constexpr float kLegendLeft = -3.0f;
inline constexpr float kLegendRight = 1.0f;
inline constexpr float kLegendValueX = -2.9f;

// The sideways pan moves the graph picture this many units of its
// container to the left per step of the bar.
inline constexpr int kPanPerStep = 2;

} // namespace velnorit::view::graph_window
