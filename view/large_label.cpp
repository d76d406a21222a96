#include "view/large_label.h"

#include <cmath>

namespace velnorit::view {

namespace {

// The relative luminance of an sRGB colour.
double luminance(const QColor& colour) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

// Room around the text, in parts of the type's size.
constexpr double kPaddingShare = 0.3;

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableTextOn(const QColor& background) {
    return contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background) ? QColor(Qt::black)
                                                                                      : QColor(Qt::white);
}

LargeLabel::LargeLabel(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(true);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    setBackground(Qt::white);
}

void LargeLabel::setType(const QFont& font, int pixelSize) {
    QFont large = font;
    large.setPixelSize(pixelSize);
    setFont(large);
    const int padding = static_cast<int>(std::lround(pixelSize * kPaddingShare));
    setContentsMargins(padding, padding / 2, padding, padding / 2);
}

void LargeLabel::setBackground(const QColor& background) {
    if (background == background_) return;
    background_ = background;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, readableTextOn(background));
    setPalette(colours);
}

QColor LargeLabel::textColour() const { return palette().color(QPalette::WindowText); }

} // namespace velnorit::view
