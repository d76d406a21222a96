#include "formula_panel.h"

#include "check_log.h"
#include "pixel_search.h"
#include "twips.h"

#include <QColor>

#include <cstdlib>

namespace velnorit::acceptance {
namespace {

const QColor kParameterBoxYellow(255, 255, 192);

// Design rectangles inside the panel, in twips.
constexpr TwipsRect kTxtWurzel{810, 405, 525, 450};
constexpr TwipsRect kVscWurzel{1305, 405, 375, 420};
constexpr TwipsRect kTxtAbs{2385, 435, 525, 405};
constexpr TwipsRect kVscAbs{2880, 405, 375, 420};
constexpr TwipsRect kTxtNenner{1680, 1095, 525, 450};
constexpr TwipsRect kVscNenner{2190, 1095, 375, 420};
constexpr TwipsRect kMinusOption{1770, 690, 615, 255};
constexpr TwipsRect kGraphik{2760, 1380, 975, 435};
constexpr TwipsRect kPanel{0, 0, 3840, 1905};

// The upper arrow fills the upper end of a vertical bar; aim at the middle of
// its upper quarter.
QPoint upperArrowOf(QRect bar) { return QPoint(bar.center().x(), bar.top() + bar.height() / 4); }

bool near(QPoint a, QPoint b, int tolerance) {
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

QString describe(QPoint p) { return QString("%1,%2").arg(p.x()).arg(p.y()); }

} // namespace

FormulaPanel FormulaPanel::locate(const QImage& screen) {
    // Box-sized patches only: the digits inside split nothing off, as the
    // yellow surrounds them.
    const QList<QRect> boxes = patchesOfColour(screen, kParameterBoxYellow, screen.rect(), 200);
    if (boxes.size() != 3)
        throw ScenarioAborted(QString("expected 3 yellow parameter boxes, found %1").arg(boxes.size()));

    // Wurzel and Abs stand side by side above Nenner; Wurzel is the left one.
    QRect wurzel = boxes[0];
    QRect abs = boxes[1];
    if (abs.left() < wurzel.left()) std::swap(wurzel, abs);
    const QPoint origin = wurzel.topLeft() - kTxtWurzel.inPixels({0, 0}).topLeft();

    const FormulaPanel panel(origin);
    const QPoint expectedAbs = kTxtAbs.inPixels(origin).topLeft();
    if (!near(abs.topLeft(), expectedAbs, 2))
        throw ScenarioAborted("the box of Abs is at " + describe(abs.topLeft()) + ", expected near " +
                              describe(expectedAbs) + ": the panel does not have its designed size");
    return panel;
}

QPoint FormulaPanel::wurzelBox() const { return kTxtWurzel.inPixels(origin_).center(); }
QPoint FormulaPanel::wurzelUpArrow() const { return upperArrowOf(kVscWurzel.inPixels(origin_)); }
QPoint FormulaPanel::absBox() const { return kTxtAbs.inPixels(origin_).center(); }
QPoint FormulaPanel::absUpArrow() const { return upperArrowOf(kVscAbs.inPixels(origin_)); }

QPoint FormulaPanel::nennerBox() const { return kTxtNenner.inPixels(origin_).center(); }
QPoint FormulaPanel::nennerUpArrow() const { return upperArrowOf(kVscNenner.inPixels(origin_)); }

QPoint FormulaPanel::minusOption() const {
    // The round indicator at the left end of the option button.
    const QRect option = kMinusOption.inPixels(origin_);
    return QPoint(option.left() + option.height() / 2, option.center().y());
}

QPoint FormulaPanel::graphikButton() const { return kGraphik.inPixels(origin_).center(); }

// The list has the panel's width and starts half a panel unit below it; a
// margin of a few pixels keeps its border out.
QRect FormulaPanel::listInside(int bottom) const {
    const QRect panel = kPanel.inPixels(origin_);
    return QRect(QPoint(panel.left() + 4, panel.bottom() + 12), QPoint(panel.right() - 20, bottom));
}

} // namespace velnorit::acceptance
