// The control inventory of the main window: every control with its
// container, caption, colours, font and initial placement in twips, created
// back to front so that each container's stacking order holds.
#include "core/integer_rules.h"
#include "shell/captioned_frame.h"
#include "shell/control_looks.h"
#include "shell/focus_mark.h"
#include "shell/option_group_focus.h"
#include "shell/form1.h"
#include "shell/twips.h"
#include "shell/window_icon.h"

#include <QMenuBar>
#include <QScrollArea>

namespace velnorit::shell {

using namespace velnorit::view;

namespace {

const QString kColourTip = QStringLiteral("Farbe für Zeichnen wählen");

// The caption is blue; the controls inside keep the default text colour.
QGroupBox* frame(const QString& caption, QWidget* parent) {
    auto* box = new CaptionedFrame(caption, colour(0, 0, 192), parent);
    box->setFont(timesNewRoman(11.25, true));
    setColours(box, colour(192, 192, 192));
    return box;
}

LabelBox* labelBox(QWidget* parent, QColor back, const QFont& font) {
    auto* box = new LabelBox(parent);
    box->setFont(font);
    setColours(box, back);
    return box;
}

QRadioButton* option(const QString& caption, QWidget* parent, QColor back, double points) {
    auto* button = new QRadioButton(caption, parent);
    button->setFont(timesNewRoman(points));
    setColours(button, back);
    return button;
}

DrawingSurface* picture(QWidget* parent, RgbValue back) {
    auto* surface = new DrawingSurface(parent);
    surface->setBackColor(back);
    return surface;
}

// A surface's user units for a point given in twips of its inner area.
QPointF twipsToUnits(const DrawingSurface* surface, double xTwips, double yTwips) {
    return {surface->userXFromPixels(xTwips / twipsPerPixel()), surface->userYFromPixels(yTwips / twipsPerPixel())};
}

SurfaceLine* lineInTwips(DrawingSurface* surface, double x1, double y1, double x2, double y2, QColor colour,
                         int width) {
    const QPointF from = twipsToUnits(surface, x1, y1);
    const QPointF to = twipsToUnits(surface, x2, y2);
    return surface->addLine(single(from.x()), single(from.y()), single(to.x()), single(to.y()), fromQColor(colour), width);
}

} // namespace

void Form1::createControls() {
    createClientArea();
    createPanelChildren();
    createYAxisFrame();
    createXAxisFrame();
    createDrawingFrame();
    createFormulaPanel();
    createGraphChildren();
    createMenus();
    new FocusMark(this);
}

void Form1::createClientArea() {
    setWindowTitle(QStringLiteral("Rationale Velnorit[*]"));
    setWindowIcon(programIcon());
    // The client area scrolls only on screens too small for the arrangement.
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setFocusPolicy(Qt::NoFocus); // only the controls take the focus
    setCentralWidget(scroller);
    auto* client = new QWidget;
    scroller->setWidget(client);
    setColours(client, activeBorderColour());
    c_.clientArea = client;
    resize(twipsToPixels(4680), twipsToPixels(3195) + menuBar()->sizeHint().height());

    auto* container = new DrawingSurface(client);
    placeInTwips(container, 90, 135, 9375, 9195);
    container->scale(0, 0, 93.15f, 75.149315f);
    c_.picContainer = container;
}

// picContainer, back to front.
void Form1::createPanelChildren() {
    DrawingSurface* container = c_.picContainer;
    c_.picGraph = picture(container, rgb(228, 228, 228));
    c_.picGraph->setFont(timesNewRoman(9.75));
    c_.picGraph->setFontSize(9.75f);
    placeInTwips(c_.picGraph, 2745, 1575, 8955, 4935);
    c_.picGraph->scale(0, 0, 9.255001f, 1.0f);
    c_.picGraph->setMousePointer(kSquarePointer);
    // A click or Tab gives the graph the keyboard, for its keyboard cursor.
    c_.picGraph->setFocusPolicy(Qt::StrongFocus);

    c_.picLegende = picture(container, rgb(192, 192, 192));
    c_.picLegende->setFont(timesNewRoman(9.75));
    c_.picLegende->setFontSize(9.75f);
    placeInTwips(c_.picLegende, -45, 900, 3150, 8355);
    c_.picLegende->scale(0, 0, 9.255042f, 1.0f);

    c_.Picture1 = picture(container, rgb(240, 240, 240));
    c_.Picture1->setForeColor(fromQColor(windowTextColour()));
    placeInTwips(c_.Picture1, 4815, 360, 3840, 1905);
    c_.Picture1->scale(0, 0, single(pixelsToTwips(c_.Picture1->width())), single(pixelsToTwips(c_.Picture1->height())));

    c_.Text5 = new MultiLineBox(MultiLineBox::ScrollBars::Both, container);
    c_.Text5->setFont(timesNewRoman(12));
    setColours(c_.Text5, colour(240, 240, 240));
    placeInTwips(c_.Text5, 7200, 2565, 2130, 1650);

    c_.Frame2 = frame(QStringLiteral("y-Achse "), container);
    placeInTwips(c_.Frame2, 1530, 1980, 1485, 2400);

    c_.Text2 = new MultiLineBox(MultiLineBox::ScrollBars::None, container);
    c_.Text2->setFrameShape(QFrame::NoFrame);
    setColours(c_.Text2, colour(224, 224, 224));
    placeInTwips(c_.Text2, 1035, 585, 1320, 240);

    c_.hscn = new ValueScrollBar(lesson::kHscnBar, container);
    placeInTwips(c_.hscn, 45, 8640, 7335, 375);

    c_.Frame1 = frame(QStringLiteral("x-Achse"), container);
    placeInTwips(c_.Frame1, -45, 1845, 1410, 2445);

    c_.Frame3 = frame(QStringLiteral("Zeichnen"), container);
    placeInTwips(c_.Frame3, 270, 4905, 3570, 2985);
}

// Frame2 "y-Achse ", back to front.
void Form1::createYAxisFrame() {
    c_.vscMaßstab = new ValueScrollBar(lesson::kMaßstabBar, c_.Frame2);
    placeInTwips(c_.vscMaßstab, 945, 540, 375, 705);
    c_.Text1[2] = labelBox(c_.Frame2, colour(224, 224, 224), timesNewRoman(8.25));
    placeInTwips(c_.Text1[2], 135, 1260, 1185, 285);
    c_.Text1[0] = labelBox(c_.Frame2, colour(224, 224, 224), timesNewRoman(8.25));
    placeInTwips(c_.Text1[0], 180, 315, 1140, 285);
}

// Frame1 "x-Achse", back to front.
void Form1::createXAxisFrame() {
    c_.Text1[1] = labelBox(c_.Frame1, colour(224, 224, 224), timesNewRoman(8.25));
    placeInTwips(c_.Text1[1], 135, 1260, 1140, 285);
    c_.Text1[3] = labelBox(c_.Frame1, colour(224, 224, 224), timesNewRoman(8.25));
    placeInTwips(c_.Text1[3], 135, 315, 1140, 285);
    c_.vscMassX = new ValueScrollBar(lesson::kMassXBar, c_.Frame1);
    placeInTwips(c_.vscMassX, 900, 585, 375, 690);
}

// Frame3 "Zeichnen", back to front.
void Form1::createDrawingFrame() {
    const QColor grey = colour(192, 192, 192);
    c_.Option2[0] = option(QStringLiteral("Steigung"), c_.Frame3, grey, 9.75);
    placeInTwips(c_.Option2[0], 180, 225, 1140, 375);
    c_.Option2[1] = option(QStringLiteral("Freihand"), c_.Frame3, grey, 9.75);
    placeInTwips(c_.Option2[1], 180, 495, 1005, 375);
    c_.Option2[1]->setChecked(true);
    c_.Option2[2] = option(QString(), c_.Frame3, grey, 9.75);
    placeInTwips(c_.Option2[2], 180, 765, 285, 375);
    c_.Option2[3] = option(QStringLiteral("Radierer"), c_.Frame3, grey, 9.75);
    placeInTwips(c_.Option2[3], 180, 1080, 1005, 375);
    c_.Text3 = new QLineEdit(QStringLiteral("*"), c_.Frame3);
    c_.Text3->setFont(timesNewRoman(11.25));
    setColours(c_.Text3, colour(228, 228, 228));
    placeInTwips(c_.Text3, 450, 810, 735, 285);
    struct Swatch {
        std::size_t index;
        RgbValue back;
        int left, top, width, height;
    };
    const Swatch swatches[] = {{kPenColourBox, rgb(0, 0, 255), 225, 1395, 240, 465},
                               {0, rgb(0, 0, 0), 720, 1395, 240, 240},
                               {1, rgb(0, 0, 255), 945, 1620, 240, 240},
                               {2, rgb(255, 255, 0), 945, 1395, 240, 240},
                               {3, rgb(255, 0, 0), 720, 1620, 240, 240}};
    for (const Swatch& s : swatches) {
        DrawingSurface* box = picture(c_.Frame3, s.back);
        box->setForeColor(fromQColor(windowTextColour()));
        placeInTwips(box, s.left, s.top, s.width, s.height);
        if (s.index != kPenColourBox) box->setToolTip(kColourTip);
        c_.Picture2[s.index] = box;
    }
}

// Picture1, the formula panel, back to front; its lines lie behind all.
void Form1::createFormulaPanel() {
    const QColor lineBlue = colour(0, 0, 192);
    c_.Line3 = lineInTwips(c_.Picture1, 480, 405, 600, 885, lineBlue, 2);
    c_.Line2 = lineInTwips(c_.Picture1, 600, 885, 720, 225, lineBlue, 2);
    c_.Line1 = lineInTwips(c_.Picture1, 720, 225, 1755, 225, lineBlue, 2);
    c_.Line4 = lineInTwips(c_.Picture1, 360, 960, 3330, 960, lineBlue, 2);
    const QColor paramBack = colour(255, 255, 192);
    c_.vscNenner = new ValueScrollBar(lesson::kNennerBar, c_.Picture1);
    placeInTwips(c_.vscNenner, 2190, 1095, 375, 420);
    c_.txtNenner = labelBox(c_.Picture1, paramBack, timesNewRoman(14.25, true));
    placeInTwips(c_.txtNenner, 1680, 1095, 525, 450);
    c_.vscAbs = new ValueScrollBar(lesson::kAbsBar, c_.Picture1);
    placeInTwips(c_.vscAbs, 2880, 405, 375, 420);
    c_.txtAbs = labelBox(c_.Picture1, paramBack, timesNewRoman(14.25, true));
    placeInTwips(c_.txtAbs, 2385, 435, 525, 405);
    c_.txtWurzel = labelBox(c_.Picture1, paramBack, timesNewRoman(14.25, true));
    placeInTwips(c_.txtWurzel, 810, 405, 525, 450);
    c_.vscWurzel = new ValueScrollBar(lesson::kWurzelBar, c_.Picture1);
    placeInTwips(c_.vscWurzel, 1305, 405, 375, 420);
    c_.Option1[0] = option(QStringLiteral("+"), c_.Picture1, colour(240, 240, 240), 9.75);
    placeInTwips(c_.Option1[0], 1770, 450, 615, 255);
    c_.Option1[0]->setChecked(true);
    c_.Option1[1] = option(QStringLiteral("-"), c_.Picture1, colour(240, 240, 240), 12);
    placeInTwips(c_.Option1[1], 1770, 690, 615, 255);
    c_.Command1 = new QPushButton(QStringLiteral("Graphik"), c_.Picture1);
    placeInTwips(c_.Command1, 2760, 1380, 975, 435);
}

// picGraph's own: the rubber band and the eraser square lie above its
// drawing, the readout field above both.
void Form1::createGraphChildren() {
    c_.Line5 = lineInTwips(c_.picGraph, 675, 675, 2700, 1080, colour(0, 0, 192), 1);
    const QPointF shapeCorner = twipsToUnits(c_.picGraph, 3510, 675);
    c_.Shape1 = c_.picGraph->addRectangle(single(shapeCorner.x()), single(shapeCorner.y()), single(375 / twipsPerPixel()),
                                          single(375 / twipsPerPixel()), fromQColor(windowTextColour()));
    c_.Text6 = new MultiLineBox(MultiLineBox::ScrollBars::None, c_.picGraph);
    c_.Text6->setFrameShape(QFrame::NoFrame);
    c_.Text6->setFont(timesNewRoman(12, true));
    setColours(c_.Text6, colour(192, 192, 255), colour(255, 255, 255));
    // The readout moves with the pointer. Qt moves an opaque widget fast, by
    // copying its pixels, and then marks its parent, the graph, as "moved",
    // which it takes to mean "covered by nothing": the graph's next repaint
    // skips the controls in front of it and paints over the list. The box's
    // viewport paints its background anyway, so the box itself need not be
    // opaque, and a box that is not opaque is moved by plain repainting.
    c_.Text6->setAutoFillBackground(false);
    placeInTwips(c_.Text6, 2700, 2250, 2550, 1590);
}

// The focus order, first to last. Controls that take no focus (frames and
// picture areas) are passed over: Qt ignores a tab order step that names one.
void Form1::applyTabOrder() {
    const QList<QWidget*> order = {
        c_.picContainer, c_.hscn,      c_.picGraph,   c_.picLegende, c_.Text6,      c_.Picture1,   c_.vscNenner,
        c_.txtNenner,    c_.vscAbs,    c_.txtAbs,     c_.txtWurzel,  c_.vscWurzel,  c_.Option1[0], c_.Option1[1],
        c_.Text5,        c_.Frame2,    c_.vscMaßstab, c_.Text1[2],   c_.Text1[0],   c_.Text2,      c_.Frame1,
        c_.Text1[1],     c_.Text1[3],  c_.vscMassX,   c_.Frame3,     c_.Option2[0], c_.Option2[1], c_.Option2[2],
        c_.Option2[3],   c_.Text3,     c_.Picture2[kPenColourBox], c_.Picture2[0], c_.Picture2[1], c_.Picture2[2], c_.Picture2[3],
        c_.Command1};
    QList<QWidget*> stops;
    for (QWidget* control : order)
        if (control->focusPolicy() != Qt::NoFocus) stops.append(control);
    for (qsizetype i = 1; i < stops.size(); ++i) setTabOrder(stops[i - 1], stops[i]);
    new OptionGroupFocus(c_.Option1, this);
    new OptionGroupFocus(c_.Option2, this);
}

} // namespace velnorit::shell
