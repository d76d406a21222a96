#include "lesson/lesson.h"

#include "../support/sample_lessons.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace velnorit::lesson {
namespace {

QString reasonOf(const LessonOrError& result) {
    const QString* reason = std::get_if<QString>(&result);
    return reason ? *reason : QString();
}

// A lesson of random values inside every range, with texts that need escaping
// and floats of every magnitude the board allows.
class RandomLessons {
public:
    explicit RandomLessons(unsigned seed) : random_(seed) {}

    Lesson next() {
        Lesson lesson;
        ViewSettings& s = lesson.settings;
        s.wurzel = Integer(pick(0, 99));
        s.abs = Integer(pick(0, 99));
        s.nenner = Integer(pick(1, 99));
        s.minus = pick(0, 1) == 1;
        s.plus = !s.minus;
        s.zoom = Integer(pick(1, 30));
        s.xWindow = Integer(pick(0, 19));
        s.pan = Integer(pick(0, 750));
        lesson.listShown = pick(0, 1) == 1;
        lesson.markerText = QString::fromStdString(text());
        lesson.colour = pick(0, 3);
        lesson.tool = pick(0, 3);
        lesson.wiped = pick(0, 1) == 1;
        const int count = pick(0, 40);
        while (int(lesson.board.size()) < count) addOps(lesson.board);
        return lesson;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // Any finite float up to the largest allowed magnitude, often a tiny or an odd one.
    float coordinate() {
        for (;;) {
            const float value = pick(0, 3) == 0 ? std::bit_cast<float>(std::uint32_t(random_()))
                                                : std::uniform_real_distribution<float>(-11000, 11000)(random_);
            if (std::isfinite(value) && std::fabs(value) <= kMaxCoordinate) return value;
        }
    }

    std::string text() {
        static const std::string pieces[] = {"*", "m = 0.25", "\"", "\\", "\n", "\t", std::string(1, '\0'),
                                             "\x1f", "Größe", "→", "😀", "/", "</script>", " "};
        std::string out;
        for (int i = pick(0, 6); i > 0; --i) out += pieces[pick(0, std::size(pieces) - 1)];
        return out;
    }

    void addOps(std::vector<BoardOp>& board) {
        BoardOp op;
        op.kind = OpKind(pick(0, 5));
        // Mostly the few styles of the tools, so that runs of one style occur.
        const bool odd = pick(0, 4) == 0;
        op.width = std::uint8_t(odd ? pick(1, kMaxLineWidth) : pick(1, 2));
        op.color = odd ? RgbValue(pick(0, 0xFFFFFF)) : rgb(0, 0, 255 * pick(0, 1));
        op.x1 = coordinate();
        op.y1 = coordinate();
        if (op.kind == OpKind::Line || op.kind == OpKind::Box || op.kind == OpKind::FilledBox) {
            op.x2 = coordinate();
            op.y2 = coordinate();
        }
        if (op.kind == OpKind::Circle) op.x2 = std::fabs(coordinate());
        if (op.kind == OpKind::Text) {
            op.fontSize = std::uniform_real_distribution<float>(1, kMaxFontSize)(random_);
            op.text = text();
        }
        board.push_back(op);
        // A pen stroke: lines from each new point back to the one before.
        if (op.kind == OpKind::Line && pick(0, 1) == 1) {
            for (int i = pick(1, 30); i > 0; --i) {
                BoardOp next = board.back();
                next.x2 = next.x1;
                next.y2 = next.y1;
                next.x1 = coordinate();
                next.y1 = coordinate();
                board.push_back(next);
            }
        }
    }

    std::mt19937 random_;
};

TEST(LessonFile, EveryValidLessonReadsBackAsItWasWritten) {
    RandomLessons lessons(20261210);
    for (int i = 0; i < 300; ++i) {
        const Lesson lesson = lessons.next();
        const QByteArray bytes = writeLesson(lesson);
        const LessonOrError back = readLesson(bytes);
        ASSERT_TRUE(std::holds_alternative<Lesson>(back)) << reasonOf(back).toStdString() << "\n" << bytes.toStdString();
        ASSERT_TRUE(std::get<Lesson>(back) == lesson) << bytes.toStdString();
    }
}

// The extremes that the random lessons hardly hit: every float that needs the
// most digits, the smallest ones, the ends of the ranges.
TEST(LessonFile, FloatsAndRangeEndsSurviveExactly) {
    Lesson lesson = samples::startLesson();
    lesson.settings = {99, 99, 99, false, true, 30, 19, 750};
    lesson.markerText = QString(kMaxTextLength, QChar(u'ß'));
    const float values[] = {kMaxCoordinate, -kMaxCoordinate, std::numeric_limits<float>::denorm_min(),
                            std::numeric_limits<float>::min(), 0.1f, 1.0f / 3.0f, 999999.94f, 9999.999f,
                            std::nextafter(1.0f, 2.0f), -0.0f};
    for (const float value : values)
        lesson.board.push_back({OpKind::Line, 1, rgb(255, 255, 255), value, -value, value / 2, value, 0, {}});
    lesson.board.push_back({OpKind::Text, 255 / 3, 0, 1, 2, 0, 0, kMaxFontSize, std::string(kMaxTextLength, 'x')});
    const LessonOrError back = readLesson(writeLesson(lesson));
    ASSERT_TRUE(std::holds_alternative<Lesson>(back)) << reasonOf(back).toStdString();
    EXPECT_TRUE(std::get<Lesson>(back) == lesson);
}

// A zero keeps no sign through a file: Qt's parser reads "-0" as 0, and a
// number too small for a float becomes a zero. Whichever way a file spells it
// and whichever zero a board holds, the second writing gives the same bytes as
// the first (a pen line ending in -0 and the next one starting at 0 are one
// stroke both times).
TEST(LessonFile, ZerosAreWrittenTheSameWhateverTheirSign) {
    Lesson lesson = samples::startLesson();
    const RgbValue blue = rgb(0, 0, 255);
    lesson.board.push_back({OpKind::FilledBox, 1, rgb(255, 255, 255), 5, -0.0f, 7, 0.4375f, 0, {}});
    lesson.board.push_back({OpKind::Line, 3, blue, 4, 1, -0.0f, 1, 0, {}});
    lesson.board.push_back({OpKind::Line, 3, blue, 0.0f, 1, 4, 1, 0, {}});
    const QByteArray drawn = writeLesson(lesson);
    const struct {
        const char* spelling;
        QByteArray text;
    } files[] = {{"a board's own zeros", drawn},
                 {"a number too small for a float", QByteArray(drawn).replace("0.4375", "-1e-83")},
                 {"-0.0", QByteArray(drawn).replace("0.4375", "-0.0")}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.spelling);
        const LessonOrError first = readLesson(file.text);
        ASSERT_TRUE(std::holds_alternative<Lesson>(first)) << reasonOf(first).toStdString();
        const QByteArray written = writeLesson(std::get<Lesson>(first));
        EXPECT_FALSE(written.contains(" -0,") || written.contains(" -0]")) << written.toStdString();
        EXPECT_EQ(written.count("\"stroke\""), 1) << written.toStdString();
        const LessonOrError again = readLesson(written);
        ASSERT_TRUE(std::holds_alternative<Lesson>(again)) << reasonOf(again).toStdString();
        EXPECT_EQ(writeLesson(std::get<Lesson>(again)), written);
    }
}

TEST(LessonFile, StrokesAndRunsOfOneKindShareAnEntry) {
    Lesson lesson = samples::startLesson();
    lesson.board.push_back({OpKind::Dot, 2, rgb(0, 0, 255), 10, 1, 0, 0, 0, {}});
    for (int i = 1; i <= 200; ++i) // each line from its new point back to the previous one
        lesson.board.push_back({OpKind::Line, 3, rgb(0, 0, 255), 10.0f + float(i), 1, 10.0f + float(i - 1), 1, 0, {}});
    lesson.board.push_back({OpKind::Line, 3, rgb(0, 0, 254), 300, 1, 210, 1, 0, {}}); // another colour
    for (int i = 0; i < 50; ++i) // an eraser drag
        lesson.board.push_back({OpKind::FilledBox, 1, rgb(255, 255, 255), float(i), 2, float(i) + 3, 1, 0, {}});
    lesson.board.push_back({OpKind::FilledBox, 2, rgb(255, 255, 255), 0, 2, 3, 1, 0, {}}); // another width
    const QByteArray bytes = writeLesson(lesson);
    EXPECT_EQ(bytes.count("\"kind\""), 5) << "the dot, one stroke, the line of another colour, two eraser runs";
    EXPECT_EQ(bytes.count("\"stroke\""), 1);
    EXPECT_EQ(bytes.count("\"filledBox\""), 2);
    const LessonOrError back = readLesson(bytes);
    ASSERT_TRUE(std::holds_alternative<Lesson>(back)) << reasonOf(back).toStdString();
    EXPECT_TRUE(std::get<Lesson>(back) == lesson);
}

// One change to the text of a good lesson, and a word of the reason it must give.
struct BadInput {
    const char* what;
    QByteArray from; // replaced in the good file's text; empty: the whole text
    QByteArray to;
    const char* reason;
};

QByteArray manyPoints(std::size_t count) {
    QByteArray points = "{\"kind\": \"stroke\", \"width\": 3, \"colour\": \"#0000ff\", \"points\": [0, 0";
    for (std::size_t i = 1; i < count; ++i) points += ", 1, 2";
    return points + "]}";
}

TEST(LessonFile, BadInputsAreRefusedWithAReason) {
    const QByteArray good = writeLesson(samples::everyKindLesson());
    const QByteArray entry = "{\"kind\": \"circle\", \"width\": 1, \"colour\": \"#000000\", \"points\": [1050, -0.086], \"radius\": 3.5}";
    ASSERT_TRUE(good.contains(entry));
    const BadInput inputs[] = {
        {"empty", "", "", "leer"},
        {"blanks only", "", " \n\t ", "leer"},
        {"truncated", "", good.left(good.size() / 2), "unvollständig"},
        {"not JSON", "", "GIF89a\x01\x02", "kein gültiges JSON"},
        {"not UTF-8", "Näherung", "N\xe4herung", "kein gültiges JSON"},
        {"an array", "", "[1, 2]", "kein Tafelbild"},
        {"another format", "velnorit-tafelbild", "velnorit-liste", "kein Tafelbild"},
        {"no format", "\"format\"", "\"formats\"", "kein Tafelbild"},
        {"newer version", "\"version\": 1", "\"version\": 2", "neueren"},
        {"version as text", "\"version\": 1", "\"version\": \"1\"", "Version"},
        {"version 0", "\"version\": 1", "\"version\": 0", "Version"},
        {"Wurzel too large", "\"wurzel\": 7", "\"wurzel\": 100", "„wurzel“"},
        {"Abs negative", "\"abs\": 3", "\"abs\": -1", "„abs“"},
        {"Nenner 0", "\"nenner\": 4", "\"nenner\": 0", "„nenner“"},
        {"zoom not whole", "\"zoom\": 12", "\"zoom\": 12.5", "„zoom“"},
        {"zoom 0", "\"zoom\": 12", "\"zoom\": 0", "„zoom“"},
        {"window too far", "\"xWindow\": 2", "\"xWindow\": 20", "„xWindow“"},
        {"pan beyond the end", "\"pan\": 140", "\"pan\": 751", "„pan“"},
        {"pan huge", "\"pan\": 140", "\"pan\": 1e300", "„pan“"},
        {"sign of neither kind", "\"sign\": \"-\"", "\"sign\": \"±\"", "„sign“"},
        {"sign as a number", "\"sign\": \"-\"", "\"sign\": -1", "„sign“"},
        {"tool 4", "\"tool\": 0", "\"tool\": 4", "„tool“"},
        {"colour box as text", "\"colourBox\": 3", "\"colourBox\": \"3\"", "„colourBox“"},
        {"list shown as a number", "\"listShown\": true", "\"listShown\": 1", "„listShown“"},
        {"a missing key", "\"wiped\"", "\"wipedOut\"", "fehlt"},
        {"marker text too long", "\"markerText\": \"", "\"markerText\": \"" + QByteArray(kMaxTextLength, 'x'), "länger"},
        {"marker text half a character", "\"markerText\": \"", "\"markerText\": \"\\ud800", "kein gültiger Text"},
        {"board not a list", "\"board\": [", "\"board\": 5, \"x\": [", "„board“"},
        {"an entry not an object", entry, "17", "kein Objekt"},
        {"unknown kind", "\"kind\": \"circle\"", "\"kind\": \"spiral\"", "keine bekannte Art"},
        {"kind as a number", "\"kind\": \"circle\"", "\"kind\": 3", "keine bekannte Art"},
        {"width 0", "\"width\": 1, \"colour\": \"#000000\"", "\"width\": 0, \"colour\": \"#000000\"", "„width“"},
        {"width too large", "\"width\": 1, \"colour\": \"#000000\"", "\"width\": 101, \"colour\": \"#000000\"", "„width“"},
        {"colour not hex", "\"#000000\"", "\"#00000g\"", "Farbe"},
        {"colour too short", "\"#000000\"", "\"#000\"", "Farbe"},
        {"colour as a number", "\"#000000\"", "0", "Farbe"},
        {"too few numbers", "[1050, -0.086]", "[1050]", "„points“"},
        {"points not a list", "[1050, -0.086]", "\"1050, -0.086\"", "„points“"},
        {"coordinate as text", "[1050, -0.086]", "[\"1050\", -0.086]", "Koordinate"},
        {"huge coordinate", "[1050, -0.086]", "[1050, -2e6]", "Koordinate"},
        {"infinite coordinate", "[1050, -0.086]", "[1e39, -0.086]", "Koordinate"},
        {"overflowing coordinate", "[1050, -0.086]", "[1e400, -0.086]", "kein gültiges JSON"},
        {"NaN", "[1050, -0.086]", "[NaN, -0.086]", "kein gültiges JSON"},
        {"negative radius", "\"radius\": 3.5", "\"radius\": -3.5", "Radius"},
        {"no radius", "\"radius\": 3.5", "\"radiu\": 3.5", "fehlt"},
        {"font size 0", "\"fontSize\": 14", "\"fontSize\": 0", "Schriftgröße"},
        {"text as a list", "\"text\": \" m", "\"text\": [\" m\"], \"x\": \"", "„text“"},
        {"stroke of one point", entry, "{\"kind\": \"stroke\", \"width\": 3, \"colour\": \"#0000ff\", \"points\": [1, 2]}", "Strich"},
        {"stroke of an odd count", entry, "{\"kind\": \"stroke\", \"width\": 3, \"colour\": \"#0000ff\", \"points\": [1, 2, 3, 4, 5]}", "Strich"},
        {"millions of points", entry, manyPoints(kMaxBoardOps + 2), "mehr als"},
        {"too many entries", entry, (entry + ", ").repeated(int(kMaxBoardEntries)) + entry, "Einträge"},
        {"a box and a half", "[1040.7, -0.08374, 1047.7, -0.08335]", "[1040.7, -0.08374, 1047.7, -0.08335, 1, 2]", "Vielfaches"},
        {"too many values", entry, "[" + QByteArray("0, ").repeated(int(5 * kMaxBoardOps)) + "0]", "mehr Werte"},
        {"too deep", "", QByteArray(5000, '['), "verschachtelt"},
    };
    for (const BadInput& input : inputs) {
        SCOPED_TRACE(input.what);
        QByteArray bytes = input.to;
        if (!input.from.isEmpty()) {
            ASSERT_TRUE(good.contains(input.from));
            bytes = QByteArray(good).replace(input.from, input.to);
        }
        const QString reason = reasonOf(readLesson(bytes));
        EXPECT_TRUE(reason.contains(QString::fromUtf8(input.reason))) << reason.toStdString();
    }
}

TEST(LessonFile, TheExactNumberOfOperationsAllowedIsAccepted) {
    QByteArray good = writeLesson(samples::startLesson());
    good.replace("\"board\": []", "\"board\": [" + manyPoints(kMaxBoardOps + 1) + "]");
    const LessonOrError result = readLesson(good);
    ASSERT_TRUE(std::holds_alternative<Lesson>(result)) << reasonOf(result).toStdString();
    EXPECT_EQ(std::get<Lesson>(result).board.size(), kMaxBoardOps);
}

// What is saved opens again: a board at every limit the reader sets is
// written; one beyond any of them is refused with the reader's own reason,
// so that no file the program writes is one it cannot open.
TEST(LessonFile, OnlyLessonsThatOpenAgainAreWritten) {
    const auto withOp = [](Lesson lesson, const BoardOp& op) {
        lesson.board.push_back(op);
        return lesson;
    };
    const auto texts = [](int count) {
        std::string longest; // as much as a text box holds, three UTF-8 bytes a character
        for (int i = 0; i < kMaxTextLength; ++i) longest += "€";
        Lesson lesson = samples::startLesson();
        for (int i = 0; i < count; ++i) lesson.board.push_back({OpKind::Text, 1, 0, float(i), 1, 0, 0, 12, longest});
        return lesson;
    };
    const int textsIn32Mb = int(kMaxLessonFileBytes / (3 * kMaxTextLength));
    const int pointsAtMost = int(kMaxBoardOps / 1250);
    const BoardOp dot{OpKind::Dot, 2, rgb(0, 0, 255), 3, 1, 0, 0, 0, {}};
    const struct {
        const char* what;
        std::function<Lesson()> lesson; // made one at a time: some are large
        const char* reason;             // nullptr: written, and it reads back as it was
    } rows[] = {
        {"as many operations as allowed", [&] { return samples::penLesson(1250, pointsAtMost); }, nullptr},
        {"one operation more", [&] { return withOp(samples::penLesson(1250, pointsAtMost), dot); }, "Zeichenschritte"},
        {"as many entries as allowed", [&] { return samples::penLesson(int(kMaxBoardEntries / 2), 2); }, nullptr},
        {"one entry more", [&] { return withOp(samples::penLesson(int(kMaxBoardEntries / 2), 2), dot); }, "Einträge"},
        {"long texts just under the size", [&] { return texts(textsIn32Mb - 1); }, nullptr},
        {"long texts over the size", [&] { return texts(textsIn32Mb + 1); }, "zu groß"},
        {"a coordinate beyond the board",
         [&] { return withOp(samples::startLesson(), {OpKind::Dot, 2, 0, 2 * kMaxCoordinate, 1, 0, 0, 0, {}}); }, "Koordinate"},
        {"a coordinate not a number",
         [&] { return withOp(samples::startLesson(), {OpKind::Dot, 2, 0, 1, std::nanf(""), 0, 0, 0, {}}); }, "JSON"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const Lesson lesson = row.lesson();
        const LessonBytesOrError written = writeReopenableLesson(lesson);
        if (row.reason == nullptr) {
            ASSERT_TRUE(std::holds_alternative<QByteArray>(written)) << std::get<QString>(written).toStdString();
            const QByteArray& bytes = std::get<QByteArray>(written);
            EXPECT_LE(bytes.size(), kMaxLessonFileBytes);
            const LessonOrError back = readLesson(bytes);
            ASSERT_TRUE(std::holds_alternative<Lesson>(back)) << reasonOf(back).toStdString();
            EXPECT_TRUE(std::get<Lesson>(back) == lesson);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<QString>(written)) << "written although it would not open again";
        const QString reason = std::get<QString>(written);
        EXPECT_TRUE(reason.startsWith(QStringLiteral("Das Programm könnte die Datei nicht wieder öffnen. ")));
        EXPECT_TRUE(reason.contains(QString::fromUtf8(row.reason))) << reason.toStdString();
    }
}

// Files the reader must refuse before it reads a byte, and a good one.
TEST(LessonFile, OnlyReadableRegularFilesOfSaneSizeAreRead) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto file = [&](const char* name, const QByteArray& bytes) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        return path;
    };
    const QString good = file("gut.velnorit", writeLesson(samples::everyKindLesson()));
    EXPECT_TRUE(std::get<Lesson>(readLessonFile(good)) == samples::everyKindLesson());

    const QString huge = file("riesig.velnorit", {});
    ASSERT_TRUE(QFile::resize(huge, kMaxLessonFileBytes + 1)); // sparse: fills no disk
    const QString fifo = folder.filePath(QStringLiteral("rohr.velnorit"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QString path;
        const char* reason;
    } refused[] = {
        {folder.filePath(QStringLiteral("fehlt.velnorit")), "gibt es nicht"},
        {folder.path(), "Ordner"},
        {fifo, "keine gewöhnliche Datei"},
        {huge, "zu groß"},
        {file("leer.velnorit", {}), "leer"},
    };
    for (const auto& file : refused) {
        SCOPED_TRACE(file.path.toStdString());
        const QString reason = reasonOf(readLessonFile(file.path));
        EXPECT_TRUE(reason.contains(QString::fromUtf8(file.reason))) << reason.toStdString();
    }

    if (geteuid() == 0) GTEST_SKIP() << "root reads every file whatever its permissions";
    ASSERT_TRUE(QFile::setPermissions(good, QFileDevice::WriteOwner));
    EXPECT_TRUE(reasonOf(readLessonFile(good)).contains(QStringLiteral("Leseberechtigung")));
}

// The seed files of the fuzzer are real lesson files: each must still be read,
// and written again byte for byte, so that files of earlier runs stay valid.
TEST(LessonFile, TheSeedFilesAreReadAndWrittenAgainUnchanged) {
    const QString corpus = QStringLiteral(VELNORIT_LESSON_CORPUS);
    if (qEnvironmentVariableIsSet("VELNORIT_WRITE_LESSON_SEEDS")) {
        const std::pair<const char*, Lesson> seeds[] = {{"start.velnorit", samples::startLesson()},
                                                        {"every-kind.velnorit", samples::everyKindLesson()},
                                                        {"pen.velnorit", samples::penLesson(3, 12)}};
        for (const auto& [name, lesson] : seeds) {
            QFile out(corpus + u'/' + QString::fromLatin1(name));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(writeLesson(lesson)) > 0);
        }
    }
    int count = 0;
    for (QDirIterator it(corpus, {QStringLiteral("*.velnorit")}, QDir::Files); it.hasNext(); ++count) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        QFile in(path);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        const LessonOrError lesson = readLessonFile(path);
        ASSERT_TRUE(std::holds_alternative<Lesson>(lesson)) << reasonOf(lesson).toStdString();
        EXPECT_EQ(writeLesson(std::get<Lesson>(lesson)), bytes);
    }
    EXPECT_GE(count, 3);
}

} // namespace
} // namespace velnorit::lesson
