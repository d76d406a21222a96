#pragma once

#include "lesson/board_op.h"
#include "lesson/view_settings.h"

#include <QByteArray>
#include <QString>

#include <variant>
#include <vector>

namespace velnorit::lesson {

// A lesson file ("Tafelbild", *.velnorit): everything needed to open the window again as it was.
struct Lesson {
    ViewSettings settings;      // Wurzel, Abs, Nenner, sign, zoom, denominator window, pan
    bool listShown = true;
    QString markerText;
    int colour = 0;             // the colour box in use, Picture2(0..3)
    int tool = 0;               // the selected tool, Option2(0..3)
    bool wiped = false;         // the board lies on a graph wiped with "Alles"
    std::vector<BoardOp> board; // in the order drawn
    bool operator==(const Lesson&) const = default;
};

inline constexpr int kLessonFormatVersion = 1;
inline constexpr char kLessonFormatName[] = "velnorit-tafelbild";

// What a lesson file may hold at most, so that opening one never takes the
// window more than a fraction of a second; docs/tafelbild-format.md lists the same.
inline constexpr qint64 kMaxLessonFileBytes = 32LL * 1024 * 1024;
inline constexpr std::size_t kMaxBoardOps = 250'000;    // a stroke counts one per segment
inline constexpr std::size_t kMaxBoardEntries = 20'000; // entries of "board" in the file
inline constexpr float kMaxCoordinate = 1.0e6f;        // |x|, |y|, radius
inline constexpr int kMaxTextLength = 32767;           // UTF-16 units, as a text box holds
inline constexpr int kMaxLineWidth = 100;              // pixels
inline constexpr float kMaxFontSize = 500;             // points

QByteArray writeLesson(const Lesson& lesson);

// The file of a lesson as it is saved: its bytes, or the German reason why it
// cannot be saved. A board beyond the limits above (a file over 32 MB, more
// operations or entries than a file may hold) would be written but refused
// when opened, so the bytes are read back with the reader itself before they
// are given out: whatever the program saves, it can open again.
using LessonBytesOrError = std::variant<QByteArray, QString>; // QString: the German reason
LessonBytesOrError writeReopenableLesson(const Lesson& lesson);

using LessonOrError = std::variant<Lesson, QString>; // QString: the German reason, one sentence
LessonOrError readLesson(const QByteArray& bytes);   // pure; validates every value
LessonOrError readLessonFile(const QString& path);   // refuses folders, unreadable and over-large files before reading

} // namespace velnorit::lesson
