#include "shell/window_choices.h"

#include <algorithm>

namespace velnorit::shell {

WindowChoices windowChoicesOf(const view::FormControls& c) {
    WindowChoices choices;
    choices.listShown = !c.Text5->isHidden();
    choices.markerText = c.Text3->text();
    // The pen colour is a copy of the box last clicked.
    const view::RgbValue pen = c.Picture2[view::kPenColourBox]->backColor();
    for (int box = 0; box < view::kColourBoxCount; ++box)
        if (c.Picture2[static_cast<std::size_t>(box)]->backColor() == pen) choices.colour = box;
    for (int tool = 0; tool < view::kToolCount; ++tool)
        if (c.Option2[static_cast<std::size_t>(tool)]->isChecked()) choices.tool = tool;
    return choices;
}

void applyWindowChoices(const view::FormControls& c, tools::PointerTools& tools, const WindowChoices& choices) {
    c.Text5->setVisible(choices.listShown);
    c.Text3->setText(choices.markerText);
    tools.Picture2_Click(std::clamp(choices.colour, 0, view::kColourBoxCount - 1));
    c.Option2[static_cast<std::size_t>(std::clamp(choices.tool, 0, view::kToolCount - 1))]->setChecked(true);
}

} // namespace velnorit::shell
