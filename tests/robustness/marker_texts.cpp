#include "marker_texts.h"

#include <QList>

#include <algorithm>
#include <array>
#include <string>

namespace velnorit::testing {

namespace {

constexpr std::array<char32_t, 8> kGerman = {U'ä', U'ö', U'ü', U'Ä', U'Ö', U'Ü', U'ß', U'€'};
constexpr std::array<char32_t, 11> kBidiControls = {0x200E, 0x200F, 0x202A, 0x202B, 0x202C, 0x202D,
                                                   0x202E, 0x2066, 0x2067, 0x2068, 0x2069};
constexpr std::array<char32_t, 4> kJoiners = {0x200C, 0x200D, 0xFEFF, 0x034F};
constexpr std::array<char32_t, 3> kBlanks = {U'\t', U' ', 0x00A0};
// Characters a paste can bring along: controls (NUL and line breaks among
// them), the line and paragraph separators, the replacement character and
// non-characters.
constexpr std::array<char32_t, 9> kOddities = {0x0000, 0x000A, 0x000D, 0x007F, 0x2028, 0x2029, 0xFFFD, 0xFFFE, 0xFFFF};

enum Run { kLatin, kGermanLetters, kCombining, kHebrew, kArabic, kBidi, kJoin, kEmoji, kCjk, kBlank, kDevanagari,
           kThai, kOdd, kRunKinds };

} // namespace

int codePointCount(const QString& text) { return static_cast<int>(text.toUcs4().size()); }

char32_t MarkerTexts::randomIn(char32_t first, char32_t last) {
    return std::uniform_int_distribution<char32_t>(first, last)(random_);
}

int MarkerTexts::randomLength() {
    const int kind = std::uniform_int_distribution<int>(0, 99)(random_);
    if (kind < 8) return 0;
    if (kind < 60) return std::uniform_int_distribution<int>(1, 40)(random_);
    if (kind < 90) return std::uniform_int_distribution<int>(41, 1000)(random_);
    if (kind < 98) return std::uniform_int_distribution<int>(1001, kLongest - 1)(random_);
    return kLongest;
}

QString MarkerTexts::next() { return ofLength(randomLength()); }

QString MarkerTexts::ofLength(int characters) {
    std::u32string text;
    text.reserve(static_cast<std::size_t>(characters));
    while (static_cast<int>(text.size()) < characters)
        appendRun(text, characters - static_cast<int>(text.size()));
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

// One run of a single kind, at most `room` characters long.
void MarkerTexts::appendRun(std::u32string& text, int room) {
    const int length = std::min(room, std::uniform_int_distribution<int>(1, 24)(random_));
    const auto pick = [&](const auto& set) { return set[std::uniform_int_distribution<std::size_t>(0, set.size() - 1)(random_)]; };
    const auto oneIn = [&](int n) { return std::uniform_int_distribution<int>(1, n)(random_) == 1; };
    const int kind = std::uniform_int_distribution<int>(0, kRunKinds - 1)(random_);
    for (int i = 0; i < length; ++i) {
        char32_t c = U'?';
        switch (kind) {
        case kLatin: c = randomIn(0x21, 0x7E); break;
        case kGermanLetters: c = pick(kGerman); break;
        case kCombining: // a letter with marks stacked on it, or marks alone
            c = i == 0 && oneIn(2) ? randomIn(U'a', U'z') : randomIn(0x0300, 0x036F);
            break;
        case kHebrew: c = oneIn(3) ? randomIn(0x05B0, 0x05BC) : randomIn(0x05D0, 0x05EA); break;
        case kArabic: c = oneIn(3) ? randomIn(0x064B, 0x0652) : randomIn(0x0627, 0x064A); break;
        case kBidi: c = pick(kBidiControls); break;
        case kJoin: c = oneIn(2) ? pick(kJoiners) : randomIn(U'a', U'z'); break;
        case kEmoji: c = oneIn(4) ? char32_t{0xFE0F} : oneIn(4) ? randomIn(0x1F3FB, 0x1F3FF) : randomIn(0x1F600, 0x1F64F); break;
        case kCjk: c = randomIn(0x4E00, 0x9FFF); break;
        case kBlank: c = pick(kBlanks); break;
        case kDevanagari: c = oneIn(3) ? randomIn(0x093E, 0x094D) : randomIn(0x0915, 0x0939); break;
        case kThai: c = oneIn(3) ? randomIn(0x0E47, 0x0E4E) : randomIn(0x0E01, 0x0E2E); break;
        case kOdd: c = oneIn(2) ? pick(kOddities) : randomIn(0x01, 0x1F); break;
        default: break;
        }
        text.push_back(c);
    }
}

} // namespace velnorit::testing
