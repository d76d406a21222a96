// Reads a lesson from JSON text and checks every value before anything is
// returned: a file is treated as hostile, and the window must be able to
// take whatever this accepts.
#include "lesson/scroll_bar_ranges.h"
#include "lesson/lesson.h"
#include "lesson/lesson_format.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace velnorit::lesson {

namespace {

using namespace format;

// Thrown inside the reader only; readLesson turns it into its result.
struct Refusal {
    QString reason;
};

[[noreturn]] void refuse(const QString& reason) { throw Refusal{reason}; }

QString quoted(QStringView key) { return QStringLiteral("„%1“").arg(key); }

QJsonValue required(const QJsonObject& object, QStringView key, const QString& where) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) refuse(QStringLiteral("%1 fehlt der Eintrag %2.").arg(where, quoted(key)));
    return value;
}

long long integerIn(const QJsonObject& object, QStringView key, long long low, long long high,
                    const QString& where) {
    const QJsonValue value = required(object, key, where);
    const double number = value.toDouble(NAN);
    if (!value.isDouble() || !(number >= double(low) && number <= double(high)) || number != std::floor(number))
        refuse(QStringLiteral("%1: %2 muss eine ganze Zahl von %3 bis %4 sein.")
                   .arg(where, quoted(key))
                   .arg(low)
                   .arg(high));
    return static_cast<long long>(number);
}

Integer barValue(const QJsonObject& object, QStringView key, const ScrollBarRange& range) {
    const long long low = std::min(range.topOrLeftValue, range.bottomOrRightValue);
    const long long high = std::max(range.topOrLeftValue, range.bottomOrRightValue);
    return static_cast<Integer>(integerIn(object, key, low, high, QStringLiteral("Im Tafelbild")));
}

bool booleanOf(const QJsonObject& object, QStringView key) {
    const QJsonValue value = required(object, key, QStringLiteral("Im Tafelbild"));
    if (!value.isBool()) refuse(QStringLiteral("Im Tafelbild muss %1 true oder false sein.").arg(quoted(key)));
    return value.toBool();
}

QString textOf(const QJsonObject& object, QStringView key, const QString& where) {
    const QJsonValue value = required(object, key, where);
    if (!value.isString()) refuse(QStringLiteral("%1: %2 muss ein Text sein.").arg(where, quoted(key)));
    const QString text = value.toString();
    if (text.size() > kMaxTextLength)
        refuse(QStringLiteral("%1: %2 ist länger als %3 Zeichen.").arg(where, quoted(key)).arg(kMaxTextLength));
    if (!text.isValidUtf16()) refuse(QStringLiteral("%1: %2 ist kein gültiger Text.").arg(where, quoted(key)));
    return text;
}

float coordinate(const QJsonValue& value, const QString& where) {
    const double number = value.toDouble(NAN);
    if (!value.isDouble() || !(std::fabs(number) <= double(kMaxCoordinate)))
        refuse(QStringLiteral("%1: Jede Koordinate muss eine Zahl zwischen -%2 und %2 sein.")
                   .arg(where)
                   .arg(double(kMaxCoordinate), 0, 'f', 0));
    // A negative zero (written "-0", or a number too small for a float) is
    // read as zero: Qt's parser already reads "-0" so, and a zero's sign must
    // not depend on how the file spelled it.
    return static_cast<float>(number) + 0.0f;
}

// "#rrggbb", red first as one writes colours; the value counts red lowest.
RgbValue colourOf(const QJsonObject& object, const QString& where) {
    const QJsonValue value = required(object, u"colour", where);
    const QString text = value.toString();
    const auto isHexDigit = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    };
    bool ok = text.size() == 7 && text.front() == u'#';
    for (qsizetype i = 1; ok && i < 7; ++i) ok = isHexDigit(text[i]);
    if (!ok) refuse(QStringLiteral("%1: %2 muss eine Farbe der Form #rrggbb sein.").arg(where, quoted(u"colour")));
    const uint rrggbb = QStringView(text).mid(1).toUInt(nullptr, 16);
    return rgb(int(rrggbb >> 16), int((rrggbb >> 8) & 0xFFu), int(rrggbb & 0xFFu));
}

class BoardReader {
public:
    explicit BoardReader(std::vector<BoardOp>& board) : board_(board) {}

    void read(const QJsonArray& entries) {
        if (entries.size() > qsizetype(kMaxBoardEntries))
            refuse(QStringLiteral("Die Tafel hat mehr als %L1 Einträge.").arg(qulonglong(kMaxBoardEntries)));
        const std::size_t count = countOps(entries);
        makeRoomFor(count);
        board_.reserve(count);
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const QString where = QStringLiteral("Tafel, Eintrag %1").arg(i + 1);
            if (!entries[i].isObject()) refuse(QStringLiteral("%1 ist kein Objekt.").arg(where));
            readEntry(entries[i].toObject(), where);
        }
    }

private:
    // The operations the entries stand for, so that too large a board is
    // refused before it takes memory; malformed entries are refused later.
    static std::size_t countOps(const QJsonArray& entries) {
        std::size_t count = 0;
        for (const QJsonValue& entry : entries) {
            const QJsonObject object = entry.toObject();
            const std::string kind = object.value(u"kind").toString().toStdString();
            const qsizetype numbers = object.value(u"points").toArray().size();
            const std::optional<KindName> named = kindNamed(kind);
            if (kind == kStrokeName) count += std::size_t(std::max<qsizetype>(numbers / 2 - 1, 0));
            else if (named && named->grouped) count += std::size_t(numbers / (2 * named->points));
            else ++count;
        }
        return count;
    }

    void readEntry(const QJsonObject& entry, const QString& where) {
        const QJsonValue kindValue = required(entry, u"kind", where);
        const std::string kindText = kindValue.toString().toStdString();
        BoardOp op;
        op.width = static_cast<std::uint8_t>(integerIn(entry, u"width", 1, kMaxLineWidth, where));
        op.color = colourOf(entry, where);
        const QJsonValue pointsValue = required(entry, u"points", where);
        if (!pointsValue.isArray()) refuse(QStringLiteral("%1: %2 muss eine Liste sein.").arg(where, quoted(u"points")));
        const QJsonArray points = pointsValue.toArray();
        if (kindValue.isString() && kindText == kStrokeName) {
            readStroke(op, points, where);
            return;
        }
        const std::optional<KindName> kind = kindValue.isString() ? kindNamed(kindText) : std::nullopt;
        if (!kind) refuse(QStringLiteral("%1 ist keine bekannte Art von Zeichnung.").arg(where));
        const qsizetype per = 2 * kind->points;
        if (kind->grouped ? points.isEmpty() || points.size() % per != 0 : points.size() != per)
            refuse(QStringLiteral("%1: %2 muss %3%4 Zahlen enthalten.")
                       .arg(where, quoted(u"points"), kind->grouped ? QStringLiteral("ein Vielfaches von ") : QString())
                       .arg(per));
        op.kind = kind->kind;
        if (op.kind == OpKind::Circle) {
            op.x2 = coordinate(required(entry, u"radius", where), where);
            if (op.x2 < 0) refuse(QStringLiteral("%1: Der Radius darf nicht negativ sein.").arg(where));
        }
        if (op.kind == OpKind::Text) readText(op, entry, where);
        for (qsizetype i = 0; i < points.size(); i += per) {
            op.x1 = coordinate(points[i], where);
            op.y1 = coordinate(points[i + 1], where);
            if (per == 4) {
                op.x2 = coordinate(points[i + 2], where);
                op.y2 = coordinate(points[i + 3], where);
            }
            add(op);
        }
    }

    void readText(BoardOp& op, const QJsonObject& entry, const QString& where) {
        const QJsonValue size = required(entry, u"fontSize", where);
        const double points = size.toDouble(NAN);
        if (!size.isDouble() || !(points >= 1 && points <= double(kMaxFontSize)))
            refuse(QStringLiteral("%1: Die Schriftgröße muss zwischen 1 und %2 liegen.").arg(where).arg(kMaxFontSize));
        op.fontSize = static_cast<float>(points);
        op.text = textOf(entry, u"text", where).toStdString();
    }

    void readStroke(const BoardOp& pen, const QJsonArray& points, const QString& where) {
        if (points.size() < 4 || points.size() % 2 != 0)
            refuse(QStringLiteral("%1: Ein Strich braucht mindestens zwei Punkte, je zwei Zahlen.").arg(where));
        makeRoomFor(static_cast<std::size_t>(points.size() / 2 - 1));
        BoardOp line = pen;
        line.kind = OpKind::Line;
        line.x1 = coordinate(points[0], where);
        line.y1 = coordinate(points[1], where);
        for (qsizetype i = 2; i < points.size(); i += 2) {
            line.x2 = line.x1;
            line.y2 = line.y1;
            line.x1 = coordinate(points[i], where);
            line.y1 = coordinate(points[i + 1], where);
            board_.push_back(line);
        }
    }

    void makeRoomFor(std::size_t count) {
        if (count > kMaxBoardOps - board_.size())
            refuse(QStringLiteral("Die Tafel enthält mehr als %L1 Zeichenschritte.").arg(qulonglong(kMaxBoardOps)));
    }

    void add(const BoardOp& op) {
        makeRoomFor(1);
        board_.push_back(op);
    }

    std::vector<BoardOp>& board_;
};

void checkFormat(const QJsonObject& top) {
    if (top.value(u"format").toString() != QLatin1String(kLessonFormatName))
        refuse(QStringLiteral("Die Datei ist kein Tafelbild von Rationale Velnorit."));
    const QJsonValue version = top.value(u"version");
    const double number = version.toDouble(NAN);
    if (!version.isDouble() || !(number >= 1) || number != std::floor(number))
        refuse(QStringLiteral("Die Datei nennt keine gültige Version des Tafelbild-Formats."));
    if (number > kLessonFormatVersion)
        refuse(QStringLiteral("Das Tafelbild hat die Format-Version %1 einer neueren Fassung des Programms; "
                              "diese Fassung liest nur Version %2.")
                   .arg(number, 0, 'f', 0)
                   .arg(kLessonFormatVersion));
}

Lesson lessonOf(const QJsonObject& top) {
    checkFormat(top);
    const QString where = QStringLiteral("Im Tafelbild");
    Lesson lesson;
    ViewSettings& s = lesson.settings;
    s.wurzel = barValue(top, u"wurzel", kWurzelBar);
    s.abs = barValue(top, u"abs", kAbsBar);
    s.nenner = barValue(top, u"nenner", kNennerBar);
    const QString sign = textOf(top, u"sign", where);
    if (sign != u"+" && sign != u"-") refuse(QStringLiteral("Im Tafelbild muss %1 \"+\" oder \"-\" sein.").arg(quoted(u"sign")));
    s.plus = sign == u"+";
    s.minus = !s.plus;
    s.zoom = barValue(top, u"zoom", kMaßstabBar);
    s.xWindow = barValue(top, u"xWindow", kMassXBar);
    s.pan = barValue(top, u"pan", kHscnBar);
    lesson.listShown = booleanOf(top, u"listShown");
    lesson.markerText = textOf(top, u"markerText", where);
    lesson.colour = static_cast<int>(integerIn(top, u"colourBox", 0, 3, where));
    lesson.tool = static_cast<int>(integerIn(top, u"tool", 0, 3, where));
    lesson.wiped = booleanOf(top, u"wiped");
    const QJsonValue board = required(top, u"board", where);
    if (!board.isArray()) refuse(QStringLiteral("Im Tafelbild muss %1 eine Liste sein.").arg(quoted(u"board")));
    BoardReader(lesson.board).read(board.toArray());
    return lesson;
}

QString parseFailure(const QJsonParseError& error, qsizetype size) {
    switch (error.error) {
    case QJsonParseError::UnterminatedObject:
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("Die Datei ist unvollständig: Sie endet mitten im Tafelbild.");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("Die Datei ist kein Tafelbild: Sie ist zu tief verschachtelt.");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("Die Datei ist zu groß, um gelesen zu werden.");
    default:
        if (error.offset >= size)
            return QStringLiteral("Die Datei ist unvollständig: Sie endet mitten im Tafelbild.");
        return QStringLiteral("Die Datei ist kein Tafelbild: Ihr Text ist an Stelle %1 kein gültiges JSON.")
            .arg(error.offset + 1);
    }
}

// The values a JSON text holds, counted by the separators outside strings: a
// bound that Qt's parser can be held to, since it takes a good fraction of a
// microsecond for each value however small.
struct Separators {
    std::size_t values = 0;  // ',' '[' '{'
    std::size_t members = 0; // ':'
};

Separators separatorsIn(const QByteArray& bytes) {
    Separators count;
    bool inString = false;
    bool escaped = false;
    for (const char c : bytes) {
        if (inString) {
            if (escaped) escaped = false;
            else if (c == '\\') escaped = true;
            else if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == ',' || c == '[' || c == '{') {
            ++count.values;
        } else if (c == ':') {
            ++count.members;
        }
    }
    return count;
}

bool onlyBlanks(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

} // namespace

LessonOrError readLesson(const QByteArray& bytes) {
    if (onlyBlanks(bytes)) return QStringLiteral("Die Datei ist leer.");
    // An entry of the board has at most seven members and twelve separators
    // besides those of its points, four numbers per operation at most.
    const Separators separators = separatorsIn(bytes);
    if (separators.members > 7 * kMaxBoardEntries + 32 || separators.values > 12 * kMaxBoardEntries + 4 * kMaxBoardOps + 64)
        return QStringLiteral("Die Datei enthält mehr Werte, als ein Tafelbild haben kann.");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) return parseFailure(error, bytes.size());
    if (!document.isObject()) return QStringLiteral("Die Datei ist kein Tafelbild von Rationale Velnorit.");
    try {
        return lessonOf(document.object());
    } catch (const Refusal& refusal) {
        return refusal.reason;
    }
}

} // namespace velnorit::lesson
