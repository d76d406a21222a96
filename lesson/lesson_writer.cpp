// Writes a lesson as JSON text by hand: Qt's writer would widen every float
// to a double and print up to 17 digits, which makes a board of free-hand
// strokes several times larger and slower to write.
#include "lesson/lesson.h"
#include "lesson/lesson_format.h"

#include <bit>
#include <charconv>
#include <cstdio>
#include <string_view>

namespace velnorit::lesson {

namespace {

using namespace format;

class JsonText {
public:
    explicit JsonText(std::size_t expectedBytes) { out_.reserve(static_cast<qsizetype>(expectedBytes)); }

    JsonText& raw(std::string_view text) {
        out_.append(text.data(), static_cast<qsizetype>(text.size()));
        return *this;
    }

    JsonText& key(std::string_view name) {
        string(name);
        return raw(": ");
    }

    JsonText& integer(long long value) {
        char buffer[24];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        return raw({buffer, static_cast<std::size_t>(end - buffer)});
    }

    JsonText& boolean(bool value) { return raw(value ? "true" : "false"); }

    // The shortest text that reads back as the same float. Qt's parser reads
    // every number as a double, and a decimal near the middle of two floats
    // could round to the other one by way of the double; such a float is
    // written as its exact double instead.
    JsonText& number(float value) {
        value += 0.0f; // zero without its sign, as the reader reads it
        char buffer[40];
        auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        double back = 0;
        std::from_chars(buffer, end, back);
        if (static_cast<float>(back) != value) end = std::to_chars(buffer, buffer + sizeof buffer, double(value)).ptr;
        return raw({buffer, static_cast<std::size_t>(end - buffer)});
    }

    JsonText& colour(RgbValue value) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", value & 0xFFu, (value >> 8) & 0xFFu, (value >> 16) & 0xFFu);
        return string(buffer);
    }

    // A UTF-8 text with the characters JSON does not allow in a string escaped.
    JsonText& string(std::string_view utf8) {
        out_.append('"');
        for (const char c : utf8) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out_.append('\\').append(c);
            } else if (byte < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                out_.append(escaped);
            } else {
                out_.append(c);
            }
        }
        out_.append('"');
        return *this;
    }

    QByteArray take() { return std::move(out_); }

private:
    QByteArray out_;
};

// The same value as written: bit for bit, but zero whatever its sign, since
// both zeros are written as "0".
bool sameWrittenValue(float a, float b) {
    return std::bit_cast<std::uint32_t>(a + 0.0f) == std::bit_cast<std::uint32_t>(b + 0.0f);
}

// Whether next continues a pen stroke that reached op: it is drawn from its
// new point back to where op began.
bool continuesStroke(const BoardOp& op, const BoardOp& next) {
    return op.kind == OpKind::Line && next.kind == OpKind::Line && next.width == op.width && next.color == op.color &&
           sameWrittenValue(next.x2, op.x1) && sameWrittenValue(next.y2, op.y1);
}

// The index after the run of connected pen lines that begins at first.
std::size_t strokeEnd(const std::vector<BoardOp>& board, std::size_t first) {
    std::size_t end = first + 1;
    while (end < board.size() && continuesStroke(board[end - 1], board[end])) ++end;
    return end;
}

bool sameStyle(const BoardOp& a, const BoardOp& b) { return a.kind == b.kind && a.width == b.width && a.color == b.color; }

void writeOpHead(JsonText& out, std::string_view kind, const BoardOp& op) {
    out.raw("    {").key("kind").string(kind).raw(", ").key("width").integer(op.width);
    out.raw(", ").key("colour").colour(op.color).raw(", ").key("points").raw("[");
}

void writePoint(JsonText& out, float x, float y, bool first = false) {
    if (!first) out.raw(", ");
    out.number(x).raw(", ").number(y);
}

// Writes the operations from first on as one entry: a stroke for a run of
// connected pen lines, a run of operations of one kind and style (an eraser
// drag, say), or a single operation. Returns the index after those written.
std::size_t writeOps(JsonText& out, const std::vector<BoardOp>& board, std::size_t first) {
    const BoardOp& op = board[first];
    std::size_t end = strokeEnd(board, first);
    if (end - first > 1) {
        writeOpHead(out, kStrokeName, op);
        writePoint(out, op.x2, op.y2, true);
        for (std::size_t i = first; i < end; ++i) writePoint(out, board[i].x1, board[i].y1);
        out.raw("]}");
        return end;
    }
    const KindName& name = nameOf(op.kind);
    if (name.grouped)
        while (end < board.size() && sameStyle(board[end], op) && (op.kind != OpKind::Line || strokeEnd(board, end) == end + 1))
            ++end;
    writeOpHead(out, name.name, op);
    for (std::size_t i = first; i < end; ++i) {
        writePoint(out, board[i].x1, board[i].y1, i == first);
        if (name.points == 2) writePoint(out, board[i].x2, board[i].y2);
    }
    out.raw("]");
    if (op.kind == OpKind::Circle) out.raw(", ").key("radius").number(op.x2);
    if (op.kind == OpKind::Text) {
        out.raw(", ").key("fontSize").number(op.fontSize);
        out.raw(", ").key("text").string(op.text);
    }
    out.raw("}");
    return end;
}

} // namespace

QByteArray writeLesson(const Lesson& lesson) {
    // About 22 bytes per coordinate pair of a stroke, more for single operations.
    JsonText out(1024 + lesson.board.size() * 48);
    const ViewSettings& s = lesson.settings;
    out.raw("{\n  ").key("format").string(kLessonFormatName);
    out.raw(",\n  ").key("version").integer(kLessonFormatVersion);
    out.raw(",\n  ").key("wurzel").integer(s.wurzel);
    out.raw(",\n  ").key("abs").integer(s.abs);
    out.raw(",\n  ").key("nenner").integer(s.nenner);
    out.raw(",\n  ").key("sign").string(s.minus ? "-" : "+");
    out.raw(",\n  ").key("zoom").integer(s.zoom);
    out.raw(",\n  ").key("xWindow").integer(s.xWindow);
    out.raw(",\n  ").key("pan").integer(s.pan);
    out.raw(",\n  ").key("listShown").boolean(lesson.listShown);
    out.raw(",\n  ").key("markerText").string(lesson.markerText.toStdString());
    out.raw(",\n  ").key("colourBox").integer(lesson.colour);
    out.raw(",\n  ").key("tool").integer(lesson.tool);
    out.raw(",\n  ").key("wiped").boolean(lesson.wiped);
    out.raw(",\n  ").key("board").raw("[");
    for (std::size_t i = 0; i < lesson.board.size();) {
        out.raw(i == 0 ? "\n" : ",\n");
        i = writeOps(out, lesson.board, i);
    }
    out.raw(lesson.board.empty() ? "]\n}\n" : "\n  ]\n}\n");
    return out.take();
}

} // namespace velnorit::lesson
