#pragma once

#include "view/number_glyphs.h"

#include <QFont>

#include <memory>
#include <vector>

class QPaintDevice;

namespace velnorit::view {

// The fonts a surface prints with: its own family and weight at each point
// size used, with the metrics that recording needs. Sizes are few (the
// program prints in two or three), so they are looked up in a short list,
// the last one used first.
class SurfaceFonts {
public:
    struct Sized {
        float points = 0;
        QFont font;
        double characterWidth = 0; // the widest character, for text bounds
        double lineHeight = 0;     // line spacing in pixels
        double ascent = 0;         // from the top of a line to its baseline
        std::shared_ptr<NumberGlyphs> numbers; // made when first painted
    };

    explicit SurfaceFonts(const QPaintDevice* device);

    // Family and weight for all sizes from now on.
    void reset(const QFont& base);

    // Valid until the next call of at() or reset().
    const Sized& at(float points);

    // The glyphs for numbers at that size; painting only.
    NumberGlyphs& numbersAt(float points);

private:
    const QPaintDevice* device_;
    QFont base_;
    std::vector<Sized> sizes_;
    std::size_t lastUsed_ = 0;
};

} // namespace velnorit::view
