#include "view/text_boxes.h"

#include <QMimeData>

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
    // Tab and Shift+Tab move the focus on, as in every other control.
    setTabChangesFocus(true);
}

namespace {

// The text a paste would insert; empty when the data offers no text (or no
// formats at all, as when the program that copied it has ended).
QString offeredText(const QMimeData* source) {
    if (source == nullptr || source->formats().isEmpty() || !source->hasText()) return {};
    return source->text();
}

} // namespace

bool MultiLineBox::canInsertFromMimeData(const QMimeData* source) const { return !offeredText(source).isEmpty(); }

void MultiLineBox::insertFromMimeData(const QMimeData* source) {
    const QString text = offeredText(source);
    if (!text.isEmpty()) insertPlainText(text);
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
