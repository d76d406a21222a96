#include "view/number_glyphs.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QString>

namespace velnorit::view {

NumberGlyphs::NumberGlyphs(const QFont& font) : rawFont_(QRawFont::fromFont(font)) {
    slot_.fill(-1);
    if (!rawFont_.isValid()) return;
    const QString characters = QString::fromLatin1(kCharacters.data(), static_cast<qsizetype>(kCount));
    const QList<quint32> glyphs = rawFont_.glyphIndexesForString(characters);
    if (glyphs.size() != static_cast<qsizetype>(kCount) || glyphs.contains(0u)) return;

    // Advances and kerning as Qt's shaping applies them: a pair's width less
    // the widths of its two characters.
    const QFontMetricsF metrics(font);
    for (std::size_t i = 0; i < kCount; ++i) {
        slot_[static_cast<unsigned char>(kCharacters[i])] = static_cast<std::int8_t>(i);
        glyph_[i] = glyphs[static_cast<qsizetype>(i)];
        advance_[i] = metrics.horizontalAdvance(characters[static_cast<qsizetype>(i)]);
    }
    for (std::size_t before = 0; before < kCount; ++before) {
        for (std::size_t after = 0; after < kCount; ++after) {
            const QString pair = QString(characters[static_cast<qsizetype>(before)]) +
                                 characters[static_cast<qsizetype>(after)];
            kerning_[before * kCount + after] = metrics.horizontalAdvance(pair) - advance_[before] - advance_[after];
        }
    }
    usable_ = true;
}

bool NumberGlyphs::setUp(std::string_view text, QGlyphRun& run) {
    if (!usable_) return false;
    glyphs_.clear();
    positions_.clear();
    double x = 0;
    int before = -1;
    for (const char character : text) {
        const auto code = static_cast<unsigned char>(character);
        const int slot = code < slot_.size() ? slot_[code] : -1;
        if (slot < 0) return false;
        if (before >= 0) x += kerning_[static_cast<std::size_t>(before) * kCount + static_cast<std::size_t>(slot)];
        glyphs_.push_back(glyph_[static_cast<std::size_t>(slot)]);
        positions_.emplace_back(x, 0);
        x += advance_[static_cast<std::size_t>(slot)];
        before = slot;
    }
    run.setRawFont(rawFont_);
    run.setRawData(glyphs_.data(), positions_.data(), static_cast<int>(glyphs_.size()));
    return true;
}

} // namespace velnorit::view
