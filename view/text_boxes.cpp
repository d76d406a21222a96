#include "view/text_boxes.h"

namespace velnorit::view {

LabelBox::LabelBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
}

MultiLineBox::MultiLineBox(ScrollBars scrollBars, QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    const Qt::ScrollBarPolicy policy = scrollBars == ScrollBars::Both ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
}

// The box shows one paragraph per line; CR LF separates them in the program's text.
// An unchanged text is not set again: that would only lay the box out anew
// (the readout writes on every pointer move, redraw rewrites the list).
void MultiLineBox::setCrLfText(std::string_view text) {
    QString shown = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown != toPlainText()) setPlainText(shown);
}

std::string MultiLineBox::crLfText() const {
    QString text = toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toStdString();
}

} // namespace velnorit::view
