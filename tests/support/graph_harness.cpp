#include "graph_harness.h"

#include "view/regional_numbers.h"

namespace velnorit::testing {

using namespace velnorit::view;
using namespace velnorit::lesson;

GraphHarness::GraphHarness(QSize windowSize)
    : window_(std::make_unique<QWidget>()), state_(std::make_unique<WindowState>()) {
    window_->resize(windowSize);
    auto* container = new DrawingSurface(window_.get());
    container->setGeometry(0, 0, windowSize.width(), windowSize.height() - 60);
    container->scale(0, 0, 100, 100);

    auto* graph = new DrawingSurface(container);
    container->placeChild(graph, 0, 0, 1600, 97);
    graph->setBackColor(rgb(228, 228, 228));
    auto* legend = new DrawingSurface(container);
    container->placeChild(legend, 0, 0, 12, 97);

    controls_.picContainer = container;
    controls_.picGraph = graph;
    controls_.picLegende = legend;
    controls_.Option1 = {new QRadioButton("+", container), new QRadioButton("-", container)};
    controls_.Option1[0]->setChecked(true);
    controls_.vscWurzel = new ValueScrollBar(kWurzelBar, container);
    controls_.vscAbs = new ValueScrollBar(kAbsBar, container);
    controls_.vscNenner = new ValueScrollBar(kNennerBar, container);
    controls_.txtWurzel = new LabelBox(container);
    controls_.txtAbs = new LabelBox(container);
    controls_.txtNenner = new LabelBox(container);
    for (auto& box : controls_.Text1) box = new LabelBox(container);
    controls_.vscMaßstab = new ValueScrollBar(kMaßstabBar, container);
    controls_.vscMassX = new ValueScrollBar(kMassXBar, container);
    controls_.hscn = new ValueScrollBar(kHscnBar, container);
    controls_.Text5 = new MultiLineBox(MultiLineBox::ScrollBars::Both, container);
    container->placeChild(controls_.hscn, 0, 97, 100, 3);

    view_ = std::make_unique<GraphView>(*state_, controls_);
    GraphView* view = view_.get();
    QObject::connect(controls_.vscMaßstab, &ValueScrollBar::change, [view] { view->vscMaßstab_Change(); });
    QObject::connect(controls_.vscMassX, &ValueScrollBar::change, [view] { view->vscMassX_Change(); });
    QObject::connect(controls_.hscn, &ValueScrollBar::change, [view] { view->hscn_Change(); });
    QObject::connect(controls_.hscn, &ValueScrollBar::scroll, [view] { view->hscn_Scroll(); });
    QObject::connect(controls_.vscWurzel, &ValueScrollBar::change, [view] { view->vscWurzel_Change(); });
    QObject::connect(controls_.vscAbs, &ValueScrollBar::change, [view] { view->vscAbs_Change(); });
    QObject::connect(controls_.vscNenner, &ValueScrollBar::change, [view] { view->vscNenner_Change(); });
    for (int index = 0; index < 2; ++index)
        QObject::connect(controls_.Option1[index], &QRadioButton::toggled, [view, index](bool checked) {
            if (checked) view->Option1_Click(index);
        });
}

GraphHarness::~GraphHarness() = default;

void GraphHarness::startUp() {
    controls_.txtWurzel->setUtf8(boxText(controls_.vscWurzel->value()));
    controls_.txtAbs->setUtf8(boxText(controls_.vscAbs->value()));
    controls_.txtNenner->setUtf8(boxText(controls_.vscNenner->value()));
    view_->computeTarget();
    view_->vscMaßstab_Change();
    view_->vscMassX_Change();
    view_->redraw();
}

} // namespace velnorit::testing
