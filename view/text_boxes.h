#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

#include <string>
#include <string_view>

namespace velnorit::view {

// A one-line, read-only box with centred text: the labels of the axes and
// the three parameter boxes. Only the program writes it.
class LabelBox : public QLineEdit {
    Q_OBJECT

public:
    explicit LabelBox(QWidget* parent = nullptr);
    void setUtf8(std::string_view text) { setText(QString::fromUtf8(text.data(), static_cast<int>(text.size()))); }
    std::string utf8() const { return text().toStdString(); }
};

// A multi-line box the user may type into, whose text the program reads and
// writes with CR LF between lines (the list, the readout, the accuracy box).
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT

public:
    enum class ScrollBars { None, Both };
    explicit MultiLineBox(ScrollBars scrollBars, QWidget* parent = nullptr);

    void setCrLfText(std::string_view text);
    std::string crLfText() const;

protected:
    // Pasting reads the offered text once and inserts only that: clipboard
    // data whose owner has gone away offers nothing and inserts nothing.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace velnorit::view
