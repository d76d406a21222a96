#pragma once

#include "view/drawing_surface.h"
#include "view/text_boxes.h"
#include "view/value_scroll_bar.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace velnorit::shell {

// Every control of the main window under its name. The widgets belong to
// the window (Qt parent-child); these are plain pointers to them.
struct FormControls {
    QWidget* clientArea = nullptr; // the window's surface around the panel
    view::DrawingSurface* picContainer = nullptr;

    QGroupBox* Frame3 = nullptr; // "Zeichnen"
    std::array<view::DrawingSurface*, 5> Picture2{};
    QLineEdit* Text3 = nullptr;
    std::array<QRadioButton*, 4> Option2{};

    QGroupBox* Frame1 = nullptr; // "x-Achse"
    view::ValueScrollBar* vscMassX = nullptr;
    std::array<view::LabelBox*, 4> Text1{};

    view::ValueScrollBar* hscn = nullptr;
    view::MultiLineBox* Text2 = nullptr;

    QGroupBox* Frame2 = nullptr; // "y-Achse "
    view::ValueScrollBar* vscMaßstab = nullptr;

    view::MultiLineBox* Text5 = nullptr;

    view::DrawingSurface* Picture1 = nullptr; // the formula panel
    QPushButton* Command1 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    view::ValueScrollBar* vscWurzel = nullptr;
    view::LabelBox* txtWurzel = nullptr;
    view::LabelBox* txtAbs = nullptr;
    view::ValueScrollBar* vscAbs = nullptr;
    view::LabelBox* txtNenner = nullptr;
    view::ValueScrollBar* vscNenner = nullptr;
    view::SurfaceLine* Line1 = nullptr;
    view::SurfaceLine* Line2 = nullptr;
    view::SurfaceLine* Line3 = nullptr;
    view::SurfaceLine* Line4 = nullptr;

    view::DrawingSurface* picLegende = nullptr;
    view::DrawingSurface* picGraph = nullptr;
    view::MultiLineBox* Text6 = nullptr;
    view::SurfaceRectangle* Shape1 = nullptr;
    view::SurfaceLine* Line5 = nullptr;

    QAction* cmdEnde = nullptr;
    QAction* cmdAlles = nullptr;
    QAction* cmdZeichnen = nullptr;
    QAction* cmdInfo = nullptr;
    QAction* cmdEinblenden = nullptr;
    QAction* cmdAusblenden = nullptr;
    QAction* cmdProgramm = nullptr;

    // "Extras", the program's own menu at the right end of the bar.
    QMenu* Extras = nullptr;
    QAction* cmdUndo = nullptr;   // "Rückgängig"
    QAction* cmdRedo = nullptr;   // "Wiederholen"
    QAction* cmdExport = nullptr; // "Bild exportieren …"
    QAction* cmdPrint = nullptr;  // "Drucken …"
    std::array<QAction*, 4> cmdTool{};   // selects Option2(index)
    std::array<QAction*, 4> cmdColour{}; // clicks the colour box Picture2(index)
    QAction* cmdKettenbruch = nullptr; // "Kettenbruch …"
};

} // namespace velnorit::shell
