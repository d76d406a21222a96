#include "view/surface_fonts.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace velnorit::view {

namespace {

// Qt refuses sizes of zero and below; a size beyond this is no text any more.
constexpr float kSmallestPoints = 1;
constexpr float kLargestPoints = 2000;

} // namespace

SurfaceFonts::SurfaceFonts(const QPaintDevice* device) : device_(device) {}

void SurfaceFonts::reset(const QFont& base) {
    base_ = base;
    sizes_.clear();
    lastUsed_ = 0;
}

const SurfaceFonts::Sized& SurfaceFonts::at(float requested) {
    const float points = std::isnan(requested) ? kSmallestPoints : requested;
    if (lastUsed_ < sizes_.size() && sizes_[lastUsed_].points == points) return sizes_[lastUsed_];
    for (std::size_t i = 0; i < sizes_.size(); ++i) {
        if (sizes_[i].points == points) {
            lastUsed_ = i;
            return sizes_[i];
        }
    }

    Sized sized;
    sized.points = points;
    sized.font = QFont(base_.family());
    sized.font.setWeight(base_.weight());
    sized.font.setPointSizeF(std::clamp(points, kSmallestPoints, kLargestPoints));
    const QFontMetricsF metrics(sized.font, device_);
    // Glyphs from a fallback font (Chinese, say) can be wider than any of the
    // font's own; a whole line height per character covers them too.
    sized.characterWidth = std::max(metrics.maxWidth(), metrics.lineSpacing());
    sized.lineHeight = metrics.lineSpacing();
    sized.ascent = metrics.ascent();
    sizes_.push_back(sized);
    lastUsed_ = sizes_.size() - 1;
    return sizes_.back();
}

NumberGlyphs& SurfaceFonts::numbersAt(float points) {
    at(points);
    Sized& sized = sizes_[lastUsed_];
    if (!sized.numbers) sized.numbers = std::make_shared<NumberGlyphs>(sized.font);
    return *sized.numbers;
}

} // namespace velnorit::view
