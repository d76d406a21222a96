#pragma once

#include "view/form_controls.h"
#include "view/graph_view.h"
#include "lesson/view_settings.h"

#include <QObject>
#include <QString>

#include <optional>

namespace velnorit::shell {

// What a screen reader learns of the graph: a description of what the last
// redraw drew (the target as formula and value, the window of denominators,
// the records in it), and as the graph's text the readout beside the
// pointer. After every redraw it tells that the description changed, and
// after every change of the readout that the text changed, so that a screen
// reader speaks the new readout while the graph has the keyboard.
//
// The description is made only when asked for, once per redraw: a scan of
// its own, the one that writes the list.
class GraphNarration : public QObject, public view::RedrawListener {
public:
    GraphNarration(view::GraphView& view, const view::FormControls& controls);
    ~GraphNarration() override;

    void aboutToRedraw() override;
    void redrawn() override;

    QString description() const;
    QString text() const;

private:
    void readoutChanged();

    view::GraphView& view_;
    const view::FormControls& controls_;
    std::optional<view::ViewSettings> drawn_; // of the last redraw; none before the first
    mutable std::optional<QString> description_;
    QString readout_; // as last told
};

} // namespace velnorit::shell
