#pragma once

#include "lesson/board_op.h"
#include "view/colors.h"

#include <QRectF>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velnorit::view {

// The mapping from user units to pixels of a surface's inner area at the
// moment an operation was drawn: px = (x - left) * unitX, py = (y - top) * unitY.
struct SurfaceTransform {
    double left = 0;
    double top = 0;
    double unitX = 1; // pixels per user unit, signed
    double unitY = 1;
    bool operator==(const SurfaceTransform&) const = default;
};

using lesson::OpKind;

// One recorded drawing operation, with its arguments exactly as passed
// (single-precision user units).
//   Line, Box, FilledBox: (x1, y1)-(x2, y2)
//   Circle:               centre (x1, y1), radius x2 (units of the x axis)
//   Dot:                  (x1, y1)
//   Text:                 top-left corner (x1, y1); the text is kept apart
struct DrawOp {
    OpKind kind = OpKind::Line;
    std::uint8_t width = 1; // DrawWidth in pixels
    std::uint16_t transform = 0;
    RgbValue color = 0;
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    float fontSize = 0;       // Text only
    std::uint32_t textOffset = 0;
    std::uint32_t textLength = 0;
};

// A run of recorded operations taken out of a drawing, to be added again
// later exactly as they were (the blackboard's undo keeps its steps so).
struct DrawingSlice {
    struct Entry {
        DrawOp op; // textOffset into texts; transform is the one below
        SurfaceTransform transform;
        QRectF pixelBounds;
    };
    std::vector<Entry> entries;
    std::string texts;

    bool empty() const { return entries.empty(); }
    std::size_t memoryBytes() const { return sizeof(*this) + entries.capacity() * sizeof(Entry) + texts.capacity(); }
};

// The drawing operations of one surface since its last Cls, in the order they
// were drawn, with an index by pixel column so that painting an exposed
// rectangle looks only at the operations near it.
class RetainedDrawing {
public:
    RetainedDrawing();

    void clear(); // keeps the storage for the next drawing

    // Adds an operation; pixelBounds is the area it can touch, in pixels of
    // the surface's inner area.
    void add(const DrawOp& op, std::string_view text, const QRectF& pixelBounds, const SurfaceTransform& transform);

    // The operations from index first to the end, and the drawing cut back
    // to its first count operations; append adds a slice again.
    DrawingSlice slice(std::size_t first) const;
    void truncate(std::size_t count);
    void append(const DrawingSlice& slice);

    std::size_t size() const { return ops_.size(); }
    const DrawOp& operator[](std::size_t index) const { return ops_[index]; }
    std::string_view text(std::size_t index) const;
    const SurfaceTransform& transform(std::size_t index) const { return transforms_[ops_[index].transform]; }
    const QRectF& pixelBounds(std::size_t index) const { return bounds_[index]; }

    // Indexes of the operations whose pixel bounds meet the rectangle, in
    // drawing order.
    std::vector<std::uint32_t> opsTouching(const QRectF& pixels) const;

    // Bytes held, including spare capacity.
    std::size_t memoryBytes() const;

private:
    std::uint16_t transformIndexFor(const SurfaceTransform& transform, DrawOp& op);

    std::vector<DrawOp> ops_;
    std::vector<QRectF> bounds_;
    std::vector<SurfaceTransform> transforms_;
    std::string texts_;
    // columns_[c]: the operations whose bounds reach into pixel columns
    // c * 256 ... c * 256 + 255; wideOps_: those spanning too many columns
    // to be listed in each (see the .cpp)
    std::vector<std::vector<std::uint32_t>> columns_;
    std::vector<std::uint32_t> wideOps_;
};

} // namespace velnorit::view
