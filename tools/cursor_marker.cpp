#include "tools/cursor_marker.h"

namespace velnorit::tools {

CursorMarker::CursorMarker(view::DrawingSurface& graph) {
    for (view::SurfaceLine*& line : lines_) {
        line = graph.addLine(0, 0, 0, 0, kColour, kWidthPixels);
        line->setVisible(false);
    }
}

void CursorMarker::frame(float left, float right, float yFrom, float yTo) {
    const float corners[4][4] = {
        {left, yFrom, left, yTo}, {right, yFrom, right, yTo}, {left, yTo, right, yTo}, {left, yFrom, right, yFrom}};
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        view::SurfaceLine& line = *lines_[i];
        line.setX1(corners[i][0]);
        line.setY1(corners[i][1]);
        line.setX2(corners[i][2]);
        line.setY2(corners[i][3]);
        line.setVisible(true);
    }
}

void CursorMarker::hide() {
    for (view::SurfaceLine* line : lines_) line->setVisible(false);
}

std::array<float, 4> CursorMarker::edges() const {
    return {lines_[0]->x1(), lines_[1]->x1(), lines_[3]->y1(), lines_[2]->y1()};
}

} // namespace velnorit::tools
