// Makes the pictures of the handbook while the program is built: the window
// is started on an offscreen screen of 1024 x 768 as a teacher would see it,
// and drawn by the program's own painting, the window by the screen's and
// the graph panel by the one that exports pictures. So the handbook shows
// the window of this very build.
//   make_pictures FOLDER
// writes FOLDER/fenster.png, FOLDER/graph.png and FOLDER/tafel.png. The same
// build gives the same bytes: a fixed screen, a fixed locale, no blinking
// text cursor, and events sent directly, not through a clock.
#include "shell/extras_commands.h"
#include "shell/form1.h"
#include "view/graph_picture.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>

#include <cstdio>

namespace {

using velnorit::shell::Form1;
using velnorit::view::FormControls;

bool save(const QImage& image, const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name);
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "Kann %s nicht schreiben.\n", qPrintable(path));
    return false;
}

// The graph panel as "Bild exportieren …" paints it, twice as dense as the
// screen, cut to its left part: the legend and the first denominators.
QImage leftOfGraphPanel(const FormControls& c, double widthShare) {
    constexpr double kDensity = 2;
    const QSize panel = velnorit::view::graphPanelSize(c);
    QImage image(panel * kDensity, QImage::Format_RGB32);
    image.setDevicePixelRatio(kDensity);
    {
        QPainter painter(&image);
        velnorit::view::paintGraphPanel(painter, c);
    }
    QImage part = image.copy(0, 0, static_cast<int>(image.width() * widthShare), image.height());
    part.setDevicePixelRatio(1);
    return part;
}

// A pointer move over the graph, in its units, as the window's handlers get it.
void moveOverGraph(const FormControls& c, Qt::MouseButtons buttons, float x, float y) {
    emit c.picGraph->mouseMove(buttons, Qt::NoModifier, x, y);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("Aufruf: make_pictures ORDNER\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setCursorFlashTime(0); // a text cursor that is always there
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // "0,7536" as a German teacher sees it
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    Form1 form;
    form.Form_Load();
    form.show();
    QApplication::processEvents();
    const FormControls& c = form.controls();
    const double target = *form.state().target;

    // The window with the readout of the denominator 9, lower side (the
    // first row of the readout's table in the handbook).
    moveOverGraph(c, Qt::NoButton, 9.4f, static_cast<float>(target - 0.05));
    QApplication::processEvents();
    bool written = save(form.grab().toImage(), folder, QStringLiteral("fenster.png"));
    written = save(leftOfGraphPanel(c, 0.45), folder, QStringLiteral("graph.png")) && written;

    // The blackboard: a slope line from the lower fraction of 1 to the upper
    // one of 8, as a teacher draws it to compare two records.
    c.Option2[0]->click();
    emit c.picGraph->mouseDown(Qt::LeftButton, Qt::NoModifier, 1.4f, 1.0f);
    moveOverGraph(c, Qt::LeftButton, 5.0f, 1.1f);
    moveOverGraph(c, Qt::LeftButton, 8.4f, 1.125f);
    emit c.picGraph->mouseUp(Qt::LeftButton, Qt::NoModifier, 8.4f, 1.125f);
    QApplication::processEvents();
    written = save(leftOfGraphPanel(c, 0.45), folder, QStringLiteral("tafel.png")) && written;

    // Back to the board of the start, so that the window ends with nothing
    // unsaved and leaves no recovery copy.
    form.extras().undo();
    c.Option2[1]->click();
    return written ? 0 : 1;
}
