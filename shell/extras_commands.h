#pragma once

#include "shell/picture_files.h"
#include "tools/pointer_tools.h"
#include "view/form_controls.h"
#include "view/graph_view.h"

#include <QByteArray>
#include <QString>

class QPrinter;
class QWidget;

namespace velnorit::shell {

class ContinuedFractionWindow;
class LessonDocument;

// The commands of the menu "Extras" besides the lesson files: undo and redo,
// the picture, the printed worksheet and the list as files, the tools and
// colours by key, and the window "Kettenbruch". Failures are shown in
// message boxes over the window.
class ExtrasCommands {
public:
    ExtrasCommands(QWidget* window, const view::FormControls& controls, view::GraphView& graph,
                   tools::PointerTools& tools, LessonDocument& document);

    void undo();
    void redo();

    // "Bild exportieren …": the picture as PNG, SVG or PDF worksheet, told by
    // the suffix or given; false after a failure.
    void exportPicture();
    bool savePictureTo(const QString& path);
    bool savePictureTo(const QString& path, PictureFormat format);

    // "Drucken …": the worksheet; to a PDF file through a safe save.
    void print();
    bool printTo(QPrinter& printer);

    // "Liste speichern …": the list of the last redraw as CSV or as text.
    enum class ListFormat { Csv, Text };
    void saveList();
    QByteArray listFileBytes(ListFormat format) const;
    bool saveListTo(const QString& path, ListFormat format);

    void chooseTool(std::size_t index);   // as a click on Option2(index)
    void chooseColour(std::size_t index); // as a click on Picture2(index)

    // "Kettenbruch …": the window beside the main window, made at its first use.
    void showContinuedFraction();
    ContinuedFractionWindow* continuedFractionWindow() { return continuedFractionWindow_; }

private:
    QWidget* window_;
    const view::FormControls& c_;
    view::GraphView& graph_;
    tools::PointerTools& tools_;
    LessonDocument& document_;
    ContinuedFractionWindow* continuedFractionWindow_ = nullptr; // a child of the window
};

} // namespace velnorit::shell
