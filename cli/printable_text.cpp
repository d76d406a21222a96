#include "cli/printable_text.h"

#include <cstdint>
#include <cstdio>

namespace velnorit::cli {

namespace {

std::string hexEscape(const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

bool breaksTheLine(std::uint32_t c) {
    return (c >= 0x80 && c <= 0x9f) || c == 0x061c || c == 0x200e || c == 0x200f || c == 0x2028 || c == 0x2029 ||
           (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

// Characters a terminal shows as nothing, or as something the reader cannot
// tell from another: echoed raw, "5<U+200B>" would look like a plain "5".
bool isInvisible(std::uint32_t c) {
    const bool formatting = c == 0x00ad || (c >= 0x200b && c <= 0x200d) || (c >= 0x2060 && c <= 0x2064) ||
                            c == 0xfeff || (c >= 0xfff9 && c <= 0xfffb);
    const bool privateUse = (c >= 0xe000 && c <= 0xf8ff) || c >= 0xf0000;
    const bool nonCharacter = (c >= 0xfdd0 && c <= 0xfdef) || (c & 0xfffe) == 0xfffe;
    return formatting || privateUse || nonCharacter;
}

// Length of the UTF-8 sequence at the start of bytes and its code point;
// 0 for a byte that does not begin a well-formed sequence.
std::size_t decode(std::string_view bytes, std::uint32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    std::size_t length = 0;
    std::uint32_t smallest = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2, smallest = 0x80, codePoint = lead & 0x1f;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3, smallest = 0x800, codePoint = lead & 0x0f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4, smallest = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if ((next & 0xc0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (next & 0x3f);
    }
    const bool surrogate = codePoint >= 0xd800 && codePoint <= 0xdfff;
    if (codePoint < smallest || codePoint > 0x10ffff || surrogate) return 0;
    return length;
}

} // namespace

std::string printableText(std::string_view bytes, std::size_t maxCharacters) {
    std::string text;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < bytes.size(); ++characters) {
        if (characters == maxCharacters) {
            text += "…";
            break;
        }
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80) {
            if (byte == '\n') text += "\\n";
            else if (byte == '\r') text += "\\r";
            else if (byte == '\t') text += "\\t";
            else if (byte == '\\') text += "\\\\";
            else if (byte < 0x20 || byte == 0x7f) text += hexEscape("\\x%02x", byte);
            else text += static_cast<char>(byte);
            ++i;
            continue;
        }
        std::uint32_t codePoint = 0;
        const std::size_t length = decode(bytes.substr(i), codePoint);
        if (length == 0) {
            text += hexEscape("\\x%02x", byte);
            ++i;
        } else {
            if (breaksTheLine(codePoint) || isInvisible(codePoint))
                text += hexEscape(codePoint > 0xffff ? "\\U%08x" : "\\u%04x", codePoint);
            else text.append(bytes.substr(i, length));
            i += length;
        }
    }
    return text;
}

} // namespace velnorit::cli
