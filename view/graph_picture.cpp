// The graph panel as a picture: the same painting as on the screen, placed
// as the panel places its children.
#include "view/graph_picture.h"

#include <QPainter>

namespace velnorit::view {

namespace {

// A surface's content where it lies in the panel, cut to the panel.
void paintSurface(QPainter& painter, DrawingSurface& surface, const QRect& panel, const QWidget& container) {
    const QRect place(surface.mapTo(&container, QPoint(0, 0)), surface.size());
    const QRect shown = place.intersected(panel);
    if (shown.isEmpty()) return;
    painter.save();
    painter.setClipRect(shown);
    painter.translate(place.topLeft());
    surface.paintContent(painter, shown.translated(-place.topLeft()));
    painter.restore();
}

// An axis label: its box and its centred text, as the text box shows them.
void paintLabel(QPainter& painter, const LabelBox& label, const QWidget& container) {
    const QRect place(label.mapTo(&container, QPoint(0, 0)), label.size());
    painter.fillRect(place, label.palette().color(QPalette::Base));
    painter.setPen(label.palette().color(QPalette::Text));
    painter.setFont(label.font());
    painter.drawText(place, Qt::AlignCenter, label.text());
}

} // namespace

QSize graphPanelSize(const FormControls& controls) { return controls.picContainer->size(); }

void paintGraphPanel(QPainter& painter, const FormControls& controls) {
    const QWidget& container = *controls.picContainer;
    const QRect panel(QPoint(0, 0), container.size());
    painter.save();
    painter.setClipRect(panel);
    painter.fillRect(panel, Qt::white);
    // Back to front: the graph lies behind the legend.
    paintSurface(painter, *controls.picGraph, panel, container);
    paintSurface(painter, *controls.picLegende, panel, container);
    for (const LabelBox* label : controls.Text1) paintLabel(painter, *label, container);
    painter.restore();
}

} // namespace velnorit::view
