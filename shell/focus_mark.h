#pragma once

#include <QPointer>
#include <QWidget>

namespace velnorit::shell {

// A ring in the highlight colour around the control that has the keyboard
// focus, wide enough to be seen on a projector. It lies in the control's
// container, above its siblings, takes no mouse input and no focus, and
// follows the control when it moves, is resized or is hidden.
class FocusMark : public QWidget {
    Q_OBJECT

public:
    explicit FocusMark(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void follow(QWidget* focused);
    void place();

    QWidget* window_;
    QPointer<QWidget> target_;
};

} // namespace velnorit::shell
