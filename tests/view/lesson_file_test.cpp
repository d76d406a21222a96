#include "view/lesson_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <unistd.h>

namespace velnorit::view {
namespace {

QString reasonOf(const LessonOrError& result) {
    const QString* reason = std::get_if<QString>(&result);
    return reason ? *reason : QString();
}

// The window as it starts.
Lesson startLesson() {
    Lesson lesson;
    lesson.settings = {5, 0, 2, true, false, 3, 0, 0};
    lesson.markerText = QStringLiteral("*");
    lesson.colour = 1;
    lesson.tool = 1;
    return lesson;
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
        op.width = std::uint8_t(pick(1, kMaxLineWidth));
        op.color = RgbValue(pick(0, 0xFFFFFF));
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
    Lesson lesson;
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

TEST(LessonFile, ConnectedPenLinesAreWrittenAsOneStroke) {
    Lesson lesson = startLesson();
    lesson.board.push_back({OpKind::Dot, 2, rgb(0, 0, 255), 10, 1, 0, 0, 0, {}});
    for (int i = 1; i <= 200; ++i) // each line from its new point back to the previous one
        lesson.board.push_back({OpKind::Line, 3, rgb(0, 0, 255), 10.0f + float(i), 1, 10.0f + float(i - 1), 1, 0, {}});
    lesson.board.push_back({OpKind::Line, 3, rgb(0, 0, 254), 300, 1, 210, 1, 0, {}}); // another colour
    const QByteArray bytes = writeLesson(lesson);
    EXPECT_EQ(bytes.count("\"kind\""), 3) << "the dot, one stroke, the line of another colour";
    EXPECT_EQ(bytes.count("\"stroke\""), 1);
    const LessonOrError back = readLesson(bytes);
    ASSERT_TRUE(std::holds_alternative<Lesson>(back)) << reasonOf(back).toStdString();
    EXPECT_TRUE(std::get<Lesson>(back) == lesson);
}

} // namespace
} // namespace velnorit::view
