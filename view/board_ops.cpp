#include "view/board_ops.h"

namespace velnorit::view {

BoardCopy copyBoard(const RetainedDrawing& drawing, std::size_t first) {
    BoardCopy copy;
    if (first >= drawing.size()) return copy;
    copy.ops.reserve(drawing.size() - first);
    for (std::size_t i = first; i < drawing.size(); ++i) {
        DrawOp op = drawing[i];
        if (op.kind == OpKind::Text) {
            const std::string_view text = drawing.text(i);
            op.textOffset = static_cast<std::uint32_t>(copy.texts.size());
            copy.texts.append(text);
        }
        copy.ops.push_back(op);
    }
    return copy;
}

std::vector<lesson::BoardOp> boardOpsOf(const BoardCopy& copy) {
    std::vector<lesson::BoardOp> ops;
    ops.reserve(copy.ops.size());
    for (const DrawOp& op : copy.ops) {
        lesson::BoardOp board{op.kind, op.width, op.color, op.x1, op.y1, op.x2, op.y2, 0.0f, {}};
        if (op.kind == OpKind::Text) {
            board.fontSize = op.fontSize;
            board.text = copy.texts.substr(op.textOffset, op.textLength);
        }
        ops.push_back(std::move(board));
    }
    return ops;
}

lesson::Lesson completeLesson(LessonSnapshot snapshot) {
    snapshot.lesson.board = boardOpsOf(snapshot.board);
    return std::move(snapshot.lesson);
}

namespace {

// The pen state that drawing the operations changes, put back afterwards.
struct PenState {
    explicit PenState(const DrawingSurface& surface)
        : x(surface.currentX()), y(surface.currentY()), width(surface.drawWidth()), colour(surface.foreColor()),
          fontSize(surface.fontSize()) {}
    void restore(DrawingSurface& surface) const {
        surface.setCurrentX(x);
        surface.setCurrentY(y);
        surface.setDrawWidth(width);
        surface.setForeColor(colour);
        surface.setFontSize(fontSize);
    }
    float x, y;
    int width;
    RgbValue colour;
    float fontSize;
};

} // namespace

void drawBoardOps(DrawingSurface& surface, const std::vector<lesson::BoardOp>& ops) {
    const PenState pen(surface);
    for (const lesson::BoardOp& op : ops) {
        surface.setDrawWidth(op.width);
        switch (op.kind) {
        case OpKind::Line:
            surface.line(op.x1, op.y1, op.x2, op.y2, op.color, LineMode::Segment);
            break;
        case OpKind::Box:
            surface.line(op.x1, op.y1, op.x2, op.y2, op.color, LineMode::Box);
            break;
        case OpKind::FilledBox:
            surface.line(op.x1, op.y1, op.x2, op.y2, op.color, LineMode::FilledBox);
            break;
        case OpKind::Circle:
            surface.circle(op.x1, op.y1, op.x2, op.color);
            break;
        case OpKind::Dot:
            surface.pset(op.x1, op.y1, op.color);
            break;
        case OpKind::Text:
            surface.setCurrentX(op.x1);
            surface.setCurrentY(op.y1);
            surface.setFontSize(op.fontSize);
            surface.setForeColor(op.color);
            surface.print(op.text);
            break;
        }
    }
    pen.restore(surface);
}

} // namespace velnorit::view
