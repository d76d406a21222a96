#include "sample_lessons.h"

#include <cmath>

namespace velnorit::samples {

using namespace velnorit::lesson;

Lesson startLesson() {
    Lesson lesson;
    lesson.settings = {5, 0, 2, true, false, 3, 0, 0};
    lesson.markerText = QStringLiteral("*");
    lesson.colour = 1;
    lesson.tool = 1;
    return lesson;
}

Lesson everyKindLesson() {
    Lesson lesson = startLesson();
    lesson.settings = {7, 3, 4, false, true, 12, 2, 140};
    lesson.markerText = QStringLiteral("Näherung \"gut\"");
    lesson.colour = 3;
    lesson.tool = 0;
    constexpr RgbValue red = rgb(235, 0, 0);
    std::vector<BoardOp>& b = lesson.board;
    b.push_back({OpKind::Dot, 2, red, 1010.25f, -0.0873f, 0, 0, 0, {}});
    b.push_back({OpKind::Line, 3, red, 1011.5f, -0.0871f, 1010.25f, -0.0873f, 0, {}});
    b.push_back({OpKind::Line, 3, red, 1013.0f, -0.0868f, 1011.5f, -0.0871f, 0, {}});
    for (int i = 0; i < 3; ++i) // an eraser drag
        b.push_back({OpKind::FilledBox, 1, rgb(255, 255, 255), 1020.1f + 0.5f * float(i), -0.0850f,
                     1022.4f + 0.5f * float(i), -0.0861f, 0, {}});
    b.push_back({OpKind::Text, 1, red, 1030.0f, -0.0842f, 0, 0, 53, "Näherung \"gut\""});
    b.push_back({OpKind::Line, 2, red, 1005.0f, -0.0880f, 1040.7f, -0.0838f, 0, {}});
    b.push_back({OpKind::Box, 1, red, 1040.7f, -0.08374f, 1047.7f, -0.08335f, 0, {}});
    b.push_back({OpKind::Text, 1, rgb(0, 0, 220), 1040.7f, -0.08337f, 0, 0, 14, " m = .0001176"});
    b.push_back({OpKind::Circle, 1, rgb(0, 0, 0), 1050.0f, -0.0860f, 3.5f, 0, 0, {}});
    return lesson;
}

Lesson penLesson(int strokes, int points) {
    Lesson lesson = startLesson();
    lesson.board.reserve(std::size_t(strokes) * std::size_t(points));
    for (int s = 0; s < strokes; ++s) {
        float lastX = 1 + 2.3f * float(s);
        float lastY = 1.118f + 0.001f * std::sin(float(s));
        lesson.board.push_back({OpKind::Dot, 2, rgb(0, 0, 255), lastX, lastY, 0, 0, 0, {}});
        for (int p = 1; p < points; ++p) {
            const float x = lastX + 0.137f + 0.01f * std::cos(float(p));
            const float y = 1.118f + 0.2f * std::sin(0.05f * float(p + s));
            lesson.board.push_back({OpKind::Line, 3, rgb(0, 0, 255), x, y, lastX, lastY, 0, {}});
            lastX = x;
            lastY = y;
        }
    }
    return lesson;
}

} // namespace velnorit::samples
