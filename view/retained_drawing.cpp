#include "view/retained_drawing.h"

#include "view/pixel_geometry.h"

#include <algorithm>
#include <limits>

namespace velnorit::view {

namespace {

constexpr double kColumnWidth = 256;
// The last column also holds everything further right, and column 0
// everything left of the inner area; past a million pixels nothing is shown.
constexpr std::size_t kMaxColumns = 4096;
// An operation reaching over more columns than this (an axis, a background
// box) is kept once in the wide list instead of in every column.
constexpr std::size_t kWideSpan = 16;
constexpr std::size_t kMaxTransforms = std::numeric_limits<std::uint16_t>::max() + std::size_t{1};

std::size_t columnOf(double pixelX) {
    if (!(pixelX > 0)) return 0; // also NaN
    const double column = pixelX / kColumnWidth;
    return column >= kMaxColumns - 1 ? kMaxColumns - 1 : static_cast<std::size_t>(column);
}

// The operation's numbers re-expressed so that `to` maps them where `from` did.
void rebase(DrawOp& op, const SurfaceTransform& from, const SurfaceTransform& to) {
    if (to.unitX == 0 || to.unitY == 0) return;
    const auto mapX = [&](float x) { return static_cast<float>((x - from.left) * from.unitX / to.unitX + to.left); };
    const auto mapY = [&](float y) { return static_cast<float>((y - from.top) * from.unitY / to.unitY + to.top); };
    op.x1 = mapX(op.x1);
    op.y1 = mapY(op.y1);
    if (op.kind == OpKind::Circle) {
        op.x2 = static_cast<float>(op.x2 * from.unitX / to.unitX);
    } else {
        op.x2 = mapX(op.x2);
        op.y2 = mapY(op.y2);
    }
}

} // namespace

RetainedDrawing::RetainedDrawing() = default;

void RetainedDrawing::clear() {
    ops_.clear();
    bounds_.clear();
    transforms_.clear();
    texts_.clear();
    for (auto& column : columns_) column.clear();
    wideOps_.clear();
}

std::uint16_t RetainedDrawing::transformIndexFor(const SurfaceTransform& transform, DrawOp& op) {
    if (!transforms_.empty() && transforms_.back() == transform)
        return static_cast<std::uint16_t>(transforms_.size() - 1);
    if (transforms_.size() < kMaxTransforms) {
        transforms_.push_back(transform);
        return static_cast<std::uint16_t>(transforms_.size() - 1);
    }
    // Only a drawing whose scale changed tens of thousands of times since the
    // last Cls gets here: reuse an equal entry, or express the operation in
    // the last one.
    const auto equal = std::find(transforms_.rbegin(), transforms_.rend(), transform);
    if (equal != transforms_.rend())
        return static_cast<std::uint16_t>(std::distance(equal, transforms_.rend()) - 1);
    rebase(op, transform, transforms_.back());
    return static_cast<std::uint16_t>(transforms_.size() - 1);
}

void RetainedDrawing::add(const DrawOp& op, std::string_view text, const QRectF& pixelBounds,
                          const SurfaceTransform& transform) {
    DrawOp stored = op;
    stored.transform = transformIndexFor(transform, stored);
    stored.textOffset = static_cast<std::uint32_t>(texts_.size());
    stored.textLength = static_cast<std::uint32_t>(text.size());
    texts_.append(text);

    const auto index = static_cast<std::uint32_t>(ops_.size());
    ops_.push_back(stored);
    bounds_.push_back(pixelBounds);

    const std::size_t first = columnOf(pixelBounds.left());
    const std::size_t last = std::max(first, columnOf(pixelBounds.right()));
    if (last - first >= kWideSpan) {
        wideOps_.push_back(index);
        return;
    }
    if (columns_.size() <= last) columns_.resize(last + 1);
    for (std::size_t column = first; column <= last; ++column) columns_[column].push_back(index);
}

DrawingSlice RetainedDrawing::slice(std::size_t first) const {
    DrawingSlice slice;
    if (first < ops_.size()) slice.entries.reserve(ops_.size() - first);
    for (std::size_t index = first; index < ops_.size(); ++index) {
        DrawOp op = ops_[index];
        op.textOffset = static_cast<std::uint32_t>(slice.texts.size());
        slice.texts.append(text(index));
        slice.entries.push_back({op, transform(index), pixelBounds(index)});
    }
    return slice;
}

void RetainedDrawing::truncate(std::size_t count) {
    if (count >= ops_.size()) return;
    if (count == 0) {
        clear();
        return;
    }
    ops_.resize(count);
    bounds_.resize(count);
    texts_.resize(ops_.back().textOffset + ops_.back().textLength);
    // Every column and the wide list hold their indexes in rising order.
    const auto dropFrom = [count](std::vector<std::uint32_t>& indexes) {
        while (!indexes.empty() && indexes.back() >= count) indexes.pop_back();
    };
    for (auto& column : columns_) dropFrom(column);
    dropFrom(wideOps_);
    // The mappings stay: a later operation may use one of them again, and an
    // unused one costs a few bytes.
}

void RetainedDrawing::append(const DrawingSlice& slice) {
    for (const DrawingSlice::Entry& entry : slice.entries) {
        const std::string_view text = std::string_view(slice.texts).substr(entry.op.textOffset, entry.op.textLength);
        add(entry.op, text, entry.pixelBounds, entry.transform);
    }
}

std::string_view RetainedDrawing::text(std::size_t index) const {
    const DrawOp& op = ops_[index];
    return std::string_view(texts_).substr(op.textOffset, op.textLength);
}

std::vector<std::uint32_t> RetainedDrawing::opsTouching(const QRectF& pixels) const {
    std::vector<std::uint32_t> found;
    const auto collect = [&](const std::vector<std::uint32_t>& candidates) {
        for (const std::uint32_t index : candidates)
            if (rectsMeet(bounds_[index], pixels)) found.push_back(index);
    };
    if (!columns_.empty()) {
        const std::size_t first = columnOf(pixels.left());
        const std::size_t last = std::min(columnOf(pixels.right()), columns_.size() - 1);
        for (std::size_t column = first; column <= last; ++column) collect(columns_[column]);
    }
    collect(wideOps_);
    // An operation listed in two neighbouring columns is found twice.
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

std::size_t RetainedDrawing::memoryBytes() const {
    std::size_t bytes = sizeof(*this) + ops_.capacity() * sizeof(DrawOp) + bounds_.capacity() * sizeof(QRectF) +
                        transforms_.capacity() * sizeof(SurfaceTransform) + texts_.capacity() +
                        columns_.capacity() * sizeof(columns_.front()) + wideOps_.capacity() * sizeof(std::uint32_t);
    for (const auto& column : columns_) bytes += column.capacity() * sizeof(std::uint32_t);
    return bytes;
}

} // namespace velnorit::view
