// libFuzzer target for the lesson reader: any bytes must give a lesson or a
// reason, never a crash, and whatever is accepted must survive writing and
// reading again unchanged.
#include "lesson/lesson.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velnorit::lesson;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const LessonOrError result = readLesson(bytes);
    if (const QString* reason = std::get_if<QString>(&result)) {
        if (reason->isEmpty()) std::abort(); // a refusal always says why
        return 0;
    }
    const Lesson& lesson = std::get<Lesson>(result);
    const QByteArray written = writeLesson(lesson);
    const LessonOrError again = readLesson(written);
    if (!std::holds_alternative<Lesson>(again) || !(std::get<Lesson>(again) == lesson)) std::abort();
    if (writeLesson(std::get<Lesson>(again)) != written) std::abort(); // the writer is deterministic
    return 0;
}
