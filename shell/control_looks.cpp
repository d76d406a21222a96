#include "shell/control_looks.h"

#include <QApplication>
#include <QWidget>

namespace velnorit::shell {

QFont timesNewRoman(double points, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

QColor windowTextColour() { return QApplication::palette().color(QPalette::Active, QPalette::WindowText); }

QColor activeBorderColour() { return QApplication::palette().color(QPalette::Active, QPalette::Window); }

void setColours(QWidget* widget, std::optional<QColor> back, std::optional<QColor> fore) {
    QPalette palette = widget->palette();
    if (back) {
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, *back);
        widget->setAutoFillBackground(true);
    }
    if (fore) {
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, *fore);
    }
    widget->setPalette(palette);
}

} // namespace velnorit::shell
