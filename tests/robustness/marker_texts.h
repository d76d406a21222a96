#pragma once

#include <QString>

#include <random>

namespace velnorit::testing {

// Marker texts as a user might type or paste them, of 0 to 10,000 characters
// (code points): runs of Latin and German letters, combining marks stacked on
// a letter or standing alone, Hebrew and Arabic with their vowel marks,
// Devanagari and Thai, the bidirectional controls, joiners, emoji outside the
// basic plane, CJK, tabs and blanks, and control characters and
// non-characters as a paste can bring them.
class MarkerTexts {
public:
    static constexpr int kLongest = 10000;

    explicit MarkerTexts(std::mt19937& random) : random_(random) {}

    // A text of a random length: mostly short, sometimes empty, now and then
    // thousands of characters, and sometimes exactly the longest.
    QString next();

    QString ofLength(int characters);

private:
    int randomLength();
    char32_t randomIn(char32_t first, char32_t last);
    void appendRun(std::u32string& text, int room);

    std::mt19937& random_;
};

// Code points of a text (a surrogate pair counts once).
int codePointCount(const QString& text);

} // namespace velnorit::testing
