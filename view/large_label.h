#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

namespace velnorit::view {

// The contrast of two colours as the accessibility guidelines (WCAG 2.1)
// define it: from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// Black or white, whichever stands out more against the background.
QColor readableTextOn(const QColor& background);

// A label in large type over a view, for the back of the classroom: its
// background in the colour given, its text in black or white, whichever
// reads better on it. The mouse passes through it to what lies below.
class LargeLabel : public QLabel {
    Q_OBJECT

public:
    explicit LargeLabel(QWidget* parent = nullptr);

    // The font's family and weight, at a size in pixels.
    void setType(const QFont& font, int pixelSize);
    void setBackground(const QColor& background);
    QColor background() const { return background_; }
    QColor textColour() const;

private:
    QColor background_;
};

} // namespace velnorit::view
