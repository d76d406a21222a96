#pragma once

#include "view/large_label.h"
#include "view/presentation_view.h"

#include <QWidget>

#include <functional>

namespace velnorit::shell {

// The window of "Präsentation": the magnified view of the graph over the
// whole screen, the target as formula and value in its top left corner and
// the readout in large type at its right edge.
//
// Its keys: Escape asks to leave, Strg++ and Strg+- change the
// magnification, and the keys of the keyboard cursor go to the cursor. The
// shortcuts of the main window's menus work here as well once their
// actions are added to this window.
class PresentationWindow : public QWidget {
    Q_OBJECT

public:
    // The smallest type of the two labels: the height of a capital letter
    // (and of a digit) in pixels, larger on a large screen.
    static constexpr int kReadoutCapHeight = 32;
    static constexpr int kTargetCapHeight = 20;

    PresentationWindow(view::DrawingSurface& graph, QWidget* mainWindow);

    view::PresentationView& view() { return *view_; }
    view::LargeLabel& readout() { return *readout_; }
    view::LargeLabel& target() { return *target_; }

    // The readout's text on its side's colour; an empty text shows nothing.
    void showReadout(const QString& text, const QColor& side);
    void showTarget(const QString& title);
    // In the font of the readout field beside the pointer.
    void setReadoutFont(const QFont& font);

    // Called with each key the window does not take itself; true when it
    // was the keyboard cursor's.
    void setCursorKeys(std::function<bool(int key, Qt::KeyboardModifiers modifiers)> keys);

signals:
    void leaveAsked(); // Escape, or the window closed by the window manager

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void sizeType();
    void placeLabels();

    view::PresentationView* view_;
    view::LargeLabel* target_;
    view::LargeLabel* readout_;
    QFont readoutFont_;
    std::function<bool(int, Qt::KeyboardModifiers)> cursorKeys_;
};

// The pixel size at which a font's capital letters are at least capHeight
// pixels high.
int pixelSizeForCapHeight(const QFont& font, int capHeight);

} // namespace velnorit::shell
