#pragma once

#include "lesson/board_op.h"

#include <array>
#include <optional>
#include <string_view>

// The names that a lesson file gives to the kinds of board operations, shared
// by its writer and its reader.
namespace velnorit::lesson::format {

struct KindName {
    OpKind kind;
    std::string_view name;
    int points;   // coordinate pairs of one operation in "points"
    bool grouped; // consecutive operations of one colour and width share an entry
};

inline constexpr std::array<KindName, 6> kKindNames{{
    {OpKind::Line, "line", 2, true},
    {OpKind::Box, "box", 2, true},
    {OpKind::FilledBox, "filledBox", 2, true},
    {OpKind::Circle, "circle", 1, false},
    {OpKind::Dot, "dot", 1, true},
    {OpKind::Text, "text", 1, false},
}};

// A run of connected pen lines: points p0, p1, ..., pk stand for the lines
// p1 -> p0, p2 -> p1, ..., each drawn from the new point back to the previous
// one as the free-hand pen draws them.
inline constexpr std::string_view kStrokeName = "stroke";

inline const KindName& nameOf(OpKind kind) {
    for (const KindName& entry : kKindNames)
        if (entry.kind == kind) return entry;
    return kKindNames.front();
}

inline std::optional<KindName> kindNamed(std::string_view name) {
    for (const KindName& entry : kKindNames)
        if (entry.name == name) return entry;
    return std::nullopt;
}

} // namespace velnorit::lesson::format
