#pragma once

#include <QColor>
#include <QGroupBox>

namespace velnorit::shell {

// A frame with a caption in its own colour. The caption colour is the
// frame's alone: the controls inside keep their own text colours. The frame
// is painted flat in its background colour, with an etched border whose top
// line runs through the middle of the caption, so that the controls inside
// (options with the same background) stand on it as one surface.
class CaptionedFrame : public QGroupBox {
    Q_OBJECT

public:
    CaptionedFrame(const QString& caption, QColor captionColour, QWidget* parent = nullptr);
    QColor captionColour() const { return captionColour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor captionColour_;
};

} // namespace velnorit::shell
